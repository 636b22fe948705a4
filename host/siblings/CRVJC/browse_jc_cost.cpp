// The cost lines of a job.
#include "host/siblings/CRVJC/browse_jc_cost.h"

#include <memory>
#include <string>

#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"

namespace crv::siblings {
namespace {

// Inactive lines stay in the list, marked: the form that asked explains
// why it refuses one.
class CostLineList final : public ui::BrowseClass {
 public:
  CostLineList() : BrowseClass(JCCost, LookupList::pageRows) {
    addColumn("Cost Code", "CostCode", "@s14");
    addColumn("Description", "Description", "@s40");
    addColumn("Budget", "CurrentBudget", "@n-14.2");
    addColumn("Committed", "Committed", "@n-14.2");
    status_ = addComputedColumn("Status", "@s8");
    // The job is read whenever the list resets, so it is the one the
    // caller named just before the call.
    addSort(ui::BrowseSort(JCCostRecord::KeyJobCodeType, "by Cost Code").fix([] { return JOBFIELD; }));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    row.setText(status_, JCC.Inactive ? "Inactive" : "");
  }

 private:
  int status_ = 0;
};

}  // namespace

BrowseJCCostWindow::BrowseJCCostWindow()
    : LookupList("BrowseJCCost", std::make_unique<CostLineList>(), {"Cost Codes", "Select a Cost Code"}) {}

}  // namespace crv::siblings

void BrowseJCCost() { crv::siblings::BrowseJCCostWindow().run(); }
