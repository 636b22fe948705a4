// Set-up shared by the list tests: a company with purchase orders, and a
// POMaster table reached through a connection that counts the rows the
// storage hands out, so tests can check how much a list really reads.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/browse_class.h"
#include "support/temp_folder.h"

namespace crv::test {

class CountingCursor : public Cursor {
 public:
  CountingCursor(std::unique_ptr<Cursor> inner, long& rows) : inner_(std::move(inner)), rows_(&rows) {}
  TableError next(Record& out, RowRef& row) override {
    TableError error = inner_->next(out, row);
    if (!error.failed()) ++*rows_;
    return error;
  }

 private:
  std::unique_ptr<Cursor> inner_;
  long* rows_;
};

class CountingStore : public TableStore {
 public:
  CountingStore(TableStore& inner, long& rows) : inner_(&inner), rows_(&rows) {}
  TableError insert(Record& record, RowRef& row) override { return inner_->insert(record, row); }
  TableError update(RowRef& row, const Record& record) override { return inner_->update(row, record); }
  TableError remove(RowId row) override { return inner_->remove(row); }
  TableError fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) override {
    ++*rows_;
    return inner_->fetch(key, values, out, row);
  }
  TableError fetchRow(RowRef& row, Record& out) override {
    ++*rows_;
    return inner_->fetchRow(row, out);
  }
  std::unique_ptr<Cursor> scan(const ScanRequest& request) override {
    return std::make_unique<CountingCursor>(inner_->scan(request), *rows_);
  }
  TableError count(const ScanRequest& request, std::int64_t& rows) override {
    return inner_->count(request, rows);
  }

 private:
  TableStore* inner_;
  long* rows_;
};

class CountingConnection : public Connection {
 public:
  explicit CountingConnection(Connection& inner) : inner_(&inner) {}
  TableStore& store(const TableDef& def) override {
    auto& slot = stores_[def.name()];
    if (!slot) slot = std::make_unique<CountingStore>(inner_->store(def), rowsRead);
    return *slot;
  }
  TableError begin(std::chrono::milliseconds wait) override { return inner_->begin(wait); }
  TableError commit() override { return inner_->commit(); }
  TableError rollback() override { return inner_->rollback(); }
  int transactionDepth() const override { return inner_->transactionDepth(); }
  std::uint64_t writeGeneration() const override { return inner_->writeGeneration(); }
  std::string location() const override { return inner_->location(); }
  int schemaVersion() const override { return inner_->schemaVersion(); }
  void setStation(std::string name) override { inner_->setStation(std::move(name)); }

  long rowsRead = 0;

 private:
  Connection* inner_;
  std::map<std::string, std::unique_ptr<CountingStore>> stores_;
};

class BrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    company = Company::open(folder.path(), true);
    POMaster.open();
    counting = std::make_unique<CountingConnection>(company->connection());
    list.attach(counting.get());
    list.open();
  }
  void TearDown() override {
    list.attach(nullptr);
    company.reset();
  }

  // Adds an order with the sort fields the header form would set.
  Id addOrder(std::string_view number, Id vendor = 1, Flag reconciled = 0) {
    POM.clear();
    POM.PONumber = number;
    POM.VendorID = vendor;
    POM.Reconciled = reconciled;
    POM.RecTF = reconciled == 2;
    POM.SortPONumber = reconciled == 2 ? std::string_view() : number;
    POM.SortVendorID = reconciled == 2 ? 0 : vendor;
    EXPECT_EQ(POMaster.insert(), TableStatus::Ok);
    return POM.POID;
  }

  // Orders "PO-0001" to "PO-<count>", vendor = number modulo `vendors` + 1.
  void addNumbered(int count, int vendors = 1) {
    Transaction transaction(POMaster);
    for (int i = 1; i <= count; ++i) addOrder(number(i), static_cast<Id>(i % vendors + 1));
    transaction.commit();
  }

  static std::string number(int i) {
    std::string digits = std::to_string(i);
    return "PO-" + std::string(4 - std::min<std::size_t>(4, digits.size()), '0') + digits;
  }

  // The PO numbers of the loaded page, in order.
  static std::vector<std::string> page(const ui::BrowseClass& browse, int column = 0) {
    std::vector<std::string> numbers;
    for (int row = 0; row < browse.rowCount(); ++row)
      numbers.emplace_back(trim(browse.cell(row, column).text));
    return numbers;
  }
  static std::string highlighted(const ui::BrowseClass& browse, int column = 0) {
    return browse.selected() < 0 ? std::string()
                                 : std::string(trim(browse.cell(browse.selected(), column).text));
  }
  static std::vector<std::string> numbers(int from, int to) {
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i) out.push_back(number(i));
    return out;
  }

  TempFolder folder;
  std::unique_ptr<Company> company;
  std::unique_ptr<CountingConnection> counting;
  POMasterRecord rec;
  Table list{POMasterRecord::table(), rec};
};

// A list of PO numbers, the usual first column.
inline void addNumberColumn(ui::BrowseClass& browse) { browse.addColumn("PO Number", "PONumber"); }

}  // namespace crv::test
