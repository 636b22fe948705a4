// The job-cost lookups played as a person at a line form would: the job
// list with its two orders and locator, the cost lines of the job in
// JOBFIELD, the pick among jobs matched by name, and the change-order
// lookup with its values in and out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/data/tables/job_cost_tables.h"
#include "host/siblings/CRVJC/browse_jc_code.h"
#include "host/siblings/CRVJC/browse_jc_cost.h"
#include "host/siblings/CRVJC/browse_jc_header.h"
#include "host/siblings/CRVJC/lookup_change_order.h"
#include "host/siblings/CRVJC/select_job_by_name.h"
#include "host/siblings/demo_lookup_test.h"

namespace crv::test {
namespace {

using ui::HeadlessDriver;

bool startsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

class JobCostLookups : public DemoLookupTest {
 protected:
  // The cost codes of a job as the table holds them.
  static std::vector<std::string> costCodesOf(std::string_view job) {
    std::vector<std::string> codes;
    JCCost.open();
    JCC.clear();
    JCC.JobID = job;
    JCCost.setRange(JCCostRecord::KeyJobCodeType, 1);
    while (JCCost.next() == TableStatus::Ok) codes.push_back(JCC.CostCode.str());
    JCCost.close();
    return codes;
  }

  static Id changeOrderDetail(std::string_view job, std::string_view costCode) {
    JCCODTable.open();
    JCCOD.clear();
    JCCOD.JobID = job;
    JCCOD.CostCode = costCode;
    const bool found = JCCODTable.fetch(JCCODRecord::KeyJobCostCode) == TableStatus::Ok;
    JCCODTable.close();
    return found ? JCCOD.CODID : 0;
  }
};

TEST_F(JobCostLookups, JobListSortsByIdOrNameLocatesAndLeavesTheChosenJob) {
  HeadlessDriver person;
  choose(person, BrowseJCHeader, "Select a Job");
  auto rows = person.rows("?Browse");
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(demo::jobCount));
  EXPECT_TRUE(startsWith(rows[0], "2301 | Riverside Medical Office | Closed")) << rows[0];
  EXPECT_TRUE(startsWith(rows[1], "2302 | Elm Street Duplex | Inactive")) << rows[1];
  person.type("?Locator", "2403");
  EXPECT_TRUE(startsWith(person.shown("?Browse"), "2403")) << person.shown("?Browse");

  person.pick("?Sorts", "&Name");
  EXPECT_TRUE(startsWith(person.rows("?Browse")[0], "2401 | Cedar Hills")) << person.rows("?Browse")[0];
  person.type("?Locator", "oak");  // names are located without regard to case
  EXPECT_TRUE(startsWith(person.shown("?Browse"), "2402 | Oak Grove")) << person.shown("?Browse");
  person.press("?Select");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(JCH.JobID, "2402");
  EXPECT_EQ(JCH.JobName, "Oak Grove Fire Station No. 3");
}

TEST_F(JobCostLookups, JobListOutsideSelectionHasNoSelectAndClosesCancelled) {
  HeadlessDriver person;
  person.start([] { BrowseJCHeader(); });
  person.expectWindow("Jobs");
  EXPECT_TRUE(person.isHidden("?Select"));
  EXPECT_EQ(person.control("?Close").text(), "Close");
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST_F(JobCostLookups, CostLinesAreThoseOfTheJobInJobField) {
  JOBFIELD = "2402";
  HeadlessDriver person;
  choose(person, BrowseJCCost, "Select a Cost Code");
  std::vector<std::string> shown;
  for (const std::string& row : person.rows("?Browse")) shown.push_back(row.substr(0, row.find(" | ")));
  EXPECT_EQ(shown, costCodesOf("2402"));
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);

  JOBFIELD = std::string(demo::mainJob);
  choose(person, BrowseJCCost, "Select a Cost Code");
  person.type("?Locator", "09-900");
  EXPECT_TRUE(startsWith(person.shown("?Browse"), std::string(demo::inactiveCostCode)))
      << person.shown("?Browse");
  EXPECT_NE(person.shown("?Browse").find("Inactive"), std::string::npos);
  person.key("Enter");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(JCC.JobID, demo::mainJob);
  EXPECT_EQ(JCC.EntryMask, demo::inactiveCostCode);
}

TEST_F(JobCostLookups, CostCodeCatalogueListsEveryCodeAndLeavesTheChosenOne) {
  HeadlessDriver person;
  choose(person, BrowseJCCode, "Select a Cost Code");
  EXPECT_TRUE(startsWith(person.rows("?Browse").front(), "01-100B | ")) << person.rows("?Browse").front();
  person.type("?Locator", "03-300");
  EXPECT_TRUE(startsWith(person.shown("?Browse"), "03-300B")) << person.shown("?Browse");
  person.scroll("?Browse", 4);
  EXPECT_TRUE(startsWith(person.shown("?Browse"), "03-300M | Concrete - Material"))
      << person.shown("?Browse");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(JCD.CostCode, "03-300M");

  person.start([] { BrowseJCCode(); });
  person.expectWindow("Cost Code Catalog");
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST_F(JobCostLookups, CostLinesOfNoJobOpenEmptyAndCancel) {
  HeadlessDriver person;
  choose(person, BrowseJCCost, "Select a Cost Code");
  EXPECT_TRUE(person.rows("?Browse").empty());
  person.press("?Select");  // nothing to choose: the list stays
  person.expectWindow("Select a Cost Code");
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST_F(JobCostLookups, JobByNameLeavesOnlyTheChosenEntryOrNoneInTheQueue) {
  const std::vector<std::string> candidates = {"2401 - Cedar Hills Elementary Addition",
                                               "2403 - Lakeview Retail Center"};
  RXQUEUE = candidates;
  GLO.Increment = 312 * 1000 + 45;
  HeadlessDriver person;
  person.start([] { SelectJobByName(); });
  person.expectWindow("Select a Job");
  EXPECT_EQ(person.rows("?Browse"), (std::vector<std::string>{"2401 | Cedar Hills Elementary Addition",
                                                              "2403 | Lakeview Retail Center"}));
  person.highlight("?Browse", 1);
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(RXQUEUE, std::vector<std::string>{candidates[1]});

  RXQUEUE = candidates;
  person.start([] { SelectJobByName(); });
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
  EXPECT_TRUE(RXQUEUE.empty()) << "a cancelled pick is a blank job";

  const auto placed = siblings::SelectJobByNameWindow::placementFrom(GLO.Increment);
  EXPECT_EQ(placed.x, 312);
  EXPECT_EQ(placed.y, 45);
}

TEST_F(JobCostLookups, ChangeOrderLookupOpensOnTheLinesDetailAndHandsTheChoiceBack) {
  const Id current = changeOrderDetail(demo::mainJob, "06-100L");
  const Id pending = changeOrderDetail(demo::mainJob, "16-100S");
  ASSERT_NE(current, 0u);
  ASSERT_NE(pending, 0u);
  TEST = std::to_string(current);
  JOBFIELD = std::string(demo::mainJob);
  HeadlessDriver person;
  choose(person, LookupChangeOrder, "Select a Change Order");
  const auto rows = person.rows("?Browse");
  ASSERT_EQ(rows.size(), 3u) << "the details of job 2401 only";
  EXPECT_TRUE(
      startsWith(person.shown("?Browse"), "001 | 06-100L | Covered walkway at north entry | Approved"))
      << person.shown("?Browse");
  person.type("?Locator", "16-100S");
  EXPECT_TRUE(startsWith(person.shown("?Browse"), "002 | 16-100S")) << person.shown("?Browse");
  EXPECT_NE(person.shown("?Browse").find("Pending"), std::string::npos);
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(TEST, std::to_string(pending));
  EXPECT_EQ(JOBFIELD, "002");
  EXPECT_EQ(REPORTFILTER, "16-100S");

  TEST = std::to_string(current);
  JOBFIELD = std::string(demo::mainJob);
  REPORTFILTER = "";
  choose(person, LookupChangeOrder, "Select a Change Order");
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
  EXPECT_EQ(TEST, "0");
  EXPECT_EQ(JOBFIELD, demo::mainJob);
  EXPECT_EQ(REPORTFILTER, "");
}

TEST_F(JobCostLookups, ChangeOrderLookupOfAJobWithoutChangeOrdersOpensEmpty) {
  JOBFIELD = "2404";
  TEST = "0";
  HeadlessDriver person;
  choose(person, LookupChangeOrder, "Select a Change Order");
  EXPECT_TRUE(person.rows("?Browse").empty());
  person.key("Escape");
  EXPECT_EQ(person.response(), RequestCancelled);
  EXPECT_EQ(TEST, "0");
}

}  // namespace
}  // namespace crv::test
