// The demo company for the import and export tests: created once per test
// suite and copied afresh for every test, with the suite's switches of a
// job-cost company and helpers to write import files, read them with a
// source, import them and look at the orders that came of it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "crvpo/importexport/import_reader.h"
#include "crvpo/importexport/import_source.h"
#include "crvpo/importexport/purchase_order_import.h"
#include "host/app/demo_company.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "support/independent_rebuild.h"
#include "support/temp_folder.h"

namespace crvpo::test {

class ImportFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    demo = new crv::test::TempFolder;
    crv::createDemoCompany(demo->path());
  }
  static void TearDownTestSuite() {
    delete demo;
    demo = nullptr;
  }
  void SetUp() override {
    std::filesystem::copy(demo->path(), folder.path() / "company", std::filesystem::copy_options::recursive);
    company = crv::Company::open(folder.path() / "company");
    crv::DataPath = (folder.path() / "company").string();
    crv::UserID = "ADM";
    crv::GENERIC = 0;
    crv::CostCodeLen = 6;
    crv::TAGQUE.clear();
  }
  void TearDown() override { company.reset(); }

  std::filesystem::path companyFolder() const { return folder.path() / "company"; }

  std::filesystem::path write(const std::string& name, std::string_view text) {
    const auto path = folder.path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // A one-file comma-delimited source of this layout, dates MM/DD/YYYY.
  static ImportSource commaSource(std::string_view layout, const std::filesystem::path& file) {
    ImportSource source;
    source.title = "Test source";
    source.dateFormat = "MM/DD/YYYY";
    source.headerFile = file;
    source.layout = ImportLayout::parse(layout);
    return source;
  }
  static ImportSource exchangeSource(const std::filesystem::path& file) {
    ImportSource source = builtInSource();
    source.headerFile = file;
    return source;
  }

  ReadOutcome read(const ImportSource& source, ImportPreview& preview) {
    return ImportReader(company->connection(), source).read(preview);
  }
  ImportOutcome import(const ImportSource& source, ImportPreview& preview) {
    return PurchaseOrderImport(company->connection(), source).run(preview);
  }
  // "12: Bad Account#: 9999-99", one per error.
  static std::vector<std::string> errors(const ImportPreview& preview) {
    std::vector<std::string> out;
    for (const ImportError& e : preview.errors) out.push_back(std::to_string(e.record) + ": " + e.text);
    return out;
  }

  // The last order with this number.
  crv::POMasterRecord order(std::string_view number) {
    crv::PrivateTable<crv::POMasterRecord> orders(company->connection());
    orders.rec.PONumber = number;
    orders.table.setRange(crv::POMasterRecord::KeyPONumber, 1);
    crv::POMasterRecord last;
    bool found = false;
    while (orders.table.next() == crv::TableStatus::Ok) {
      last = orders.rec;
      found = true;
    }
    EXPECT_TRUE(found) << "no order " << number;
    return last;
  }
  std::vector<crv::PODetailRecord> lines(crv::Id poid) {
    crv::PrivateTable<crv::PODetailRecord> table(company->connection());
    table.rec.POID = poid;
    table.table.setRange(crv::PODetailRecord::KeyPOID, 1);
    std::vector<crv::PODetailRecord> out;
    while (table.table.next() == crv::TableStatus::Ok) out.push_back(table.rec);
    return out;
  }
  std::int64_t orderCount() {
    crv::PrivateTable<crv::POMasterRecord> orders(company->connection());
    return orders.table.records();
  }
  std::vector<std::string> figureDifferences() { return crv::test::figureDifferences(companyFolder()); }

  static inline crv::test::TempFolder* demo = nullptr;
  crv::test::TempFolder folder;
  std::unique_ptr<crv::Company> company;
};

}  // namespace crvpo::test
