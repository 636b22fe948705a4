// Company Settings beside other stations: OK writes only what the person
// changed (another station's new orders keep the counter they moved), a
// counter that would hand out a number in use is refused, and a change is
// kept together with its history or not at all.
#include "host/app/update_systems.h"

#include <gtest/gtest.h>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/company_services.h"
#include "host/data/tables/host_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/fault_injecting_backend.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

class UpdateSystemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createDemoCompany(folder_.path());
    company_ = Company::open(folder_.path(), false, storage_);
  }

  SystemsRecord settings() {
    PrivateTable<SystemsRecord> row(company_->connection());
    row.table.set(SystemsRecord::KeySystemID);
    EXPECT_EQ(row.table.next(), TableStatus::Ok);
    return row.rec;
  }

  // Another station takes order numbers meanwhile.
  void counterMovedTo(Id next) {
    PrivateTable<SystemsRecord> row(company_->connection());
    row.table.set(SystemsRecord::KeySystemID);
    ASSERT_EQ(row.table.next(), TableStatus::Ok);
    row.rec.NextPONumber = next;
    ASSERT_EQ(row.table.tryUpdate(), TableStatus::Ok);
  }

  std::int64_t historyRows() {
    PrivateTable<ChangeLogRecord> log(company_->connection());
    return log.table.records();
  }

  TempFolder folder_;
  FaultInjectingBackend storage_;
  std::unique_ptr<Company> company_;
  CompanyServices services_;
};

TEST_F(UpdateSystemsTest, WritesOnlyWhatThePersonChangedAndNeverPutsTheCounterBack) {
  ui::HeadlessDriver ui;
  ui.start(updateSystems, "UpdateSystems");
  ui.expectWindow("Company Settings");
  counterMovedTo(demo::nextPONumber + 3);
  ui.type("?SYS:CompanyName", "Harbor Ridge Builders, LLC");
  ui.press("?OK");
  ui.expectFinished();
  EXPECT_EQ(settings().CompanyName.str(), "Harbor Ridge Builders, LLC");
  EXPECT_EQ(settings().NextPONumber, demo::nextPONumber + 3) << "the other station's numbers stay taken";

  ui.start(updateSystems, "UpdateSystems");
  ui.type("?SYS:NextPONumber", std::to_string(demo::nextPONumber - 2));
  ui.press("?OK");
  ui.expectMessage("Next Order Number", "The next order number must be above " +
                                            std::to_string(demo::nextPONumber - 1) +
                                            ", the highest order number in use.");
  ui.answer("&OK");
  ui.type("?SYS:NextPONumber", "2000");
  ui.press("?OK");
  ui.expectFinished();
  EXPECT_EQ(settings().NextPONumber, 2000u);
}

TEST_F(UpdateSystemsTest, RefusesTheDesignerFormWithoutItsFile) {
  ui::HeadlessDriver ui;
  ui.start(updateSystems, "UpdateSystems");
  ui.pick("?SYS:POFormType", "The company's designer form");
  ui.type("?SYS:PODesignerForm", "");
  ui.press("?OK");
  ui.expectMessage("Designer Form", "Printing on the designer form needs the form's file.");
  ui.answer("&OK");
  EXPECT_EQ(ui.focus(), "?SYS:PODesignerForm");
  EXPECT_EQ(settings().POFormType.str(), "Standard") << "nothing kept while refused";
  const std::string form = (folder_ / "forms" / "order.form").string();
  ui.type("?SYS:PODesignerForm", form);
  ui.press("?OK");
  ui.expectFinished();
  EXPECT_EQ(settings().POFormType.str(), "Formwright");
  EXPECT_EQ(settings().PODesignerForm.str(), form);
}

TEST_F(UpdateSystemsTest, AChangeWhoseHistoryCannotBeWrittenIsNotKept) {
  const std::int64_t history = historyRows();
  ui::HeadlessDriver ui;
  ui.start(updateSystems, "UpdateSystems");
  ui.type("?SYS:CompanyName", "Harbor Ridge Builders, LLC");
  storage_.failNth(StorageOp::Write, 1, Fault::DiskFull, "ChangeLog");
  ui.press("?OK");
  const MessageRequest box = ui.expectMessage("ChangeLog Error");
  EXPECT_NE(box.text.find("Disk Full"), std::string::npos) << box.text;
  ui.answer("&OK");
  EXPECT_TRUE(storage_.fired());
  storage_.disarm();
  ui.press("?Cancel");
  ui.expectFinished();
  EXPECT_EQ(settings().CompanyName.str(), demo::companyName);
  EXPECT_EQ(historyRows(), history);
}

}  // namespace
}  // namespace crv::test
