// The change-order details of a job.
#include "host/siblings/CRVJC/lookup_change_order.h"

#include <charconv>
#include <memory>
#include <string>

#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

// The change order's number, description and state come from its header,
// read through a buffer of the list's own so that JCCOH stays as the caller
// left it.
class ChangeOrderList final : public ui::BrowseClass {
 public:
  ChangeOrderList() : BrowseClass(JCCODTable, LookupList::pageRows), headers_(JCCOHTable) {
    number_ = addComputedColumn("Change Order", "@s10");
    addColumn("Cost Code", "CostCode", "@s14");
    description_ = addComputedColumn("Description", "@s40");
    status_ = addComputedColumn("Status", "@s8");
    addColumn("Budget Change", "BudgetChange", "@n-14.2");
    addSort(ui::BrowseSort(JCCODRecord::KeyJobCostCode, "by Cost Code").fix([] { return JOBFIELD; }));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    headers_.rec.clear();
    headers_.rec.COID = JCCOD.COID;
    if (!headers_.fetch(JCCOHRecord::KeyCOID)) return;
    row.setText(number_, headers_.rec.CONumber.str());
    row.setText(description_, headers_.rec.Description.str());
    row.setText(status_, headers_.rec.Status == "A" ? "Approved" : "Pending");
  }

 private:
  PrivateTable<JCCOHRecord> headers_;
  int number_ = 0;
  int description_ = 0;
  int status_ = 0;
};

}  // namespace

Id LookupChangeOrderWindow::detailFrom(std::string_view text) {
  const std::string_view digits = trim(text);
  Id id = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  return error == std::errc() && end == digits.data() + digits.size() ? id : 0;
}

LookupChangeOrderWindow::LookupChangeOrderWindow()
    : LookupList("LookupChangeOrder", std::make_unique<ChangeOrderList>(),
                 {"Change Orders", "Select a Change Order"}),
      current_(detailFrom(TEST)) {}

ui::Level LookupChangeOrderWindow::takeWindowEvent(const ui::Event& event) {
  const ui::Level level = LookupList::takeWindowEvent(event);
  if (event.kind == ui::EventKind::OpenWindow && current_ != 0) {
    JCCOD.clear();
    JCCOD.CODID = current_;
    if (JCCODTable.fetch(JCCODRecord::KeyCODID) == TableStatus::Ok && JCCOD.JobID == JOBFIELD)
      browse().resetFromBuffer();
  }
  return level;
}

void LookupChangeOrderWindow::closing() {
  if (response() != RequestCompleted) {
    TEST = "0";
    return;
  }
  TEST = std::to_string(JCCOD.CODID);
  PrivateTable<JCCOHRecord> headers(JCCOHTable);
  headers.rec.COID = JCCOD.COID;
  JOBFIELD = headers.fetch(JCCOHRecord::KeyCOID) ? headers.rec.CONumber.str() : std::string();
  REPORTFILTER = JCCOD.CostCode.view();
}

}  // namespace crv::siblings

void LookupChangeOrder() { crv::siblings::LookupChangeOrderWindow().run(); }
