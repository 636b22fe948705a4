// The cost-code catalogue.
#include "host/siblings/CRVJC/browse_jc_code.h"

#include <memory>

#include "host/data/tables/job_cost_tables.h"

namespace crv::siblings {
namespace {

// Inactive codes stay in the list, marked, as in the other job-cost lists.
class CostCodeList final : public ui::BrowseClass {
 public:
  CostCodeList() : BrowseClass(JCCode, LookupList::pageRows) {
    addColumn("Cost Code", "CostCode", "@s14");
    addColumn("Description", "Description", "@s40");
    addColumn("Category", "Category", "@s4");
    status_ = addComputedColumn("Status", "@s8");
    addSort(ui::BrowseSort(JCCodeRecord::KeyCostCode, "by Cost Code"));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    row.setText(status_, JCD.Inactive ? "Inactive" : "");
  }

 private:
  int status_ = 0;
};

}  // namespace

BrowseJCCodeWindow::BrowseJCCodeWindow()
    : LookupList("BrowseJCCode", std::make_unique<CostCodeList>(),
                 {"Cost Code Catalog", "Select a Cost Code"}) {}

}  // namespace crv::siblings

void BrowseJCCode() { crv::siblings::BrowseJCCodeWindow().run(); }
