// Set-up shared by the sibling modules' tests: the demo company, created
// once per test suite and opened for each test, with the hand-over values
// blank, and a person at the headless driver who opens a lookup to choose.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/headless/headless_driver.h"
#include "support/temp_folder.h"

namespace crv::test {

class DemoLookupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new TempFolder;
    createDemoCompany(folder->path());
  }
  static void TearDownTestSuite() {
    delete folder;
    folder = nullptr;
  }
  void SetUp() override {
    company = Company::open(folder->path());
    GlobalRequest = 0;
    GlobalResponse = 0;
    JOBFIELD.clear();
    EQUIPFIELD.clear();
    REPORTFILTER = "";
    TEST.clear();
    RXQUEUE.clear();
  }
  void TearDown() override { company.reset(); }

  // Opens a procedure as a form's lookup button does and waits for its window.
  void choose(ui::HeadlessDriver& person, void (*procedure)(), std::string_view title) {
    person.request(SelectRecord);
    person.start([procedure] { procedure(); }, std::string(title));
    person.expectWindow(title);
  }

  static TempFolder* folder;
  std::unique_ptr<Company> company;
};

inline TempFolder* DemoLookupTest::folder = nullptr;

}  // namespace crv::test
