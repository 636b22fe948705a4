// The job list.
#include "host/siblings/CRVJC/browse_jc_header.h"

#include <memory>

#include "host/data/tables/job_cost_tables.h"

namespace crv::siblings {
namespace {

// Closed and inactive jobs stay in the list, marked, so that a person sees
// why a form then refuses or questions them.
class JobList final : public ui::BrowseClass {
 public:
  JobList() : BrowseClass(JCHeader, LookupList::pageRows) {
    addColumn("Job ID", "JobID", "@s10");
    addColumn("Name", "JobName", "@s50");
    status_ = addComputedColumn("Status", "@s8");
    addSort(ui::BrowseSort(JCHeaderRecord::KeyJobID, "by Job ID"));
    addSort(ui::BrowseSort(JCHeaderRecord::KeyJobName, "by Name"));
  }

 protected:
  void setQueueRecord(ui::BrowseRow& row) override {
    BrowseClass::setQueueRecord(row);
    row.setText(status_, JCH.Closed == 1 ? "Closed" : JCH.Active == 0 ? "Inactive" : "");
  }

 private:
  int status_ = 0;
};

}  // namespace

BrowseJCHeaderWindow::BrowseJCHeaderWindow()
    : LookupList("BrowseJCHeader", std::make_unique<JobList>(), {"Jobs", "Select a Job"},
                 {"&Job ID", "&Name"}) {}

}  // namespace crv::siblings

void BrowseJCHeader() { crv::siblings::BrowseJCHeaderWindow().run(); }
