// The header form on the demo company, played through the headless
// driver: the line-form fixture's company and switches, the entry values
// blank, and what the tests read back from the tables afterwards (orders,
// lines, notes, attachments, the counter, and every running figure against
// an independent rebuild).
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "crvpo/entry/update_po_master.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "line_form_fixture.h"
#include "support/independent_rebuild.h"

namespace crvpo::test {

class OrderFormTest : public LineFormTest {
 protected:
  void SetUp() override {
    LineFormTest::SetUp();
    crv::UserID = crv::demo::purchasingAgent;
    crv::DataPath = folder.path().string();
    crv::IniPath = folder.path().string();
    crv::GLO.TempPath = folder.path().string();
    crv::GLO.LogUserActivity = 0;
  }

  // Opens the form; for a change or view the order numbered `number` is
  // in POM first.
  void open(crv::ui::HeadlessDriver& person, int request, std::string_view number = {}) {
    if (!number.empty()) loadOrder(number);
    person.request(request);
    person.start([] { updatePOMaster(); }, "UpdatePOMaster");
  }

  std::vector<std::string> differences() { return crv::test::figureDifferences(folder.path()); }

  // The order numbered `number` as stored; POID 0 when there is none.
  crv::POMasterRecord order(std::string_view number) {
    crv::PrivateTable<crv::POMasterRecord> orders(crv::POMaster);
    orders.rec.PONumber = number;
    if (!orders.fetch(crv::POMasterRecord::KeyPONumber)) orders.rec.clear();
    return orders.rec;
  }

  std::vector<crv::PODetailRecord> lines(crv::Id poid) {
    std::vector<crv::PODetailRecord> out;
    crv::PrivateTable<crv::PODetailRecord> rows(crv::PODetail);
    rows.rec.POID = poid;
    if (rows.table.setRange(crv::PODetailRecord::KeyPOID, 1) == crv::TableStatus::Ok)
      while (rows.table.next() == crv::TableStatus::Ok) out.push_back(rows.rec);
    return out;
  }

  // Rows hung on an order: lines, notes and attachments.
  int rowsOf(crv::Id poid) {
    int count = static_cast<int>(lines(poid).size());
    crv::PrivateTable<crv::NotesRecord> notes(crv::Notes);
    notes.rec.EntityID = std::to_string(poid);
    notes.rec.Filename = "POMaster";
    if (notes.table.setRange(crv::NotesRecord::KeyEntityID, 2) == crv::TableStatus::Ok)
      while (notes.table.next() == crv::TableStatus::Ok) ++count;
    crv::PrivateTable<crv::ImagesRecord> images(crv::Images);
    images.rec.Type = "POMaster";
    images.rec.NumericID = poid;
    if (images.table.setRange(crv::ImagesRecord::KeyTypeNumericID, 2) == crv::TableStatus::Ok)
      while (images.table.next() == crv::TableStatus::Ok) ++count;
    return count;
  }

  // A trigger that makes the database refuse a write to PODetail: `when`
  // is "UPDATE" or "DELETE", `condition` the row's ("NEW.Description =
  // 'x'"). A new line is written over its reserved row, so an insert is
  // refused as an update.
  void refuseLines(std::string_view when, std::string_view condition) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder.path() / "company.db").c_str(), &db), SQLITE_OK);
    const std::string sql = "CREATE TRIGGER refuse_line BEFORE " + std::string(when) + " ON PODetail WHEN " +
                            std::string(condition) + " BEGIN SELECT RAISE(ABORT, 'refused'); END;";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }

  crv::Id counter() {
    crv::PrivateTable<crv::SystemsRecord> systems(crv::Systems);
    systems.table.set(crv::SystemsRecord::KeySystemID);
    return systems.table.next() == crv::TableStatus::Ok ? systems.rec.NextPONumber : 0;
  }

  // The header's amounts agree with its stored lines.
  void expectAmountsMatchLines(const crv::POMasterRecord& header) {
    crv::Amount subtotal;
    for (const auto& line : lines(header.POID)) subtotal += line.TotalAmount;
    EXPECT_EQ(header.PreTaxAmount, subtotal) << header.PONumber.str();
  }

  // A job line typed into the line form the header opened.
  void addJobLine(crv::ui::HeadlessDriver& person, std::string_view description, std::string_view quantity,
                  std::string_view price) {
    person.press("?LineAdd");
    person.expectWindow("Adding Purchase Order Detail");
    person.type("?POD:Description", description);
    person.type("?POD:JobID", crv::demo::mainJob);
    person.type("?POD:CostCode", "06-100M");
    person.type("?POD:QtyOrdered", quantity);
    person.type("?POD:UnitPrice", price);
    person.press("?OK");
  }
};

}  // namespace crvpo::test
