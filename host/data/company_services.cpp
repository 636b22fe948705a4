// Type-ahead values and change history kept in the company database.
#include "host/data/company_services.h"

#include "host/data/tables/host_tables.h"
#include "host/framework/services/error_class.h"
#include "host/framework/table/transaction.h"
#include "host/framework/ui/error_reporter.h"

namespace crv {
namespace {

// Opens a table for the length of one service call.
class Using {
 public:
  explicit Using(Table& table) : table_(table) { opened_ = table_.open() == TableStatus::Ok; }
  ~Using() {
    if (opened_) table_.close();
  }
  bool opened() const { return opened_; }

 private:
  Table& table_;
  bool opened_;
};

// The values are a convenience: a failure to keep them is told plainly and
// the form the person is in goes on.
void reportFailure(std::string_view field, TableError error, TableOp op) {
  error.table = TypeAheadTable.name();
  if (ErrorClass* errors = ui::errorReporter())
    errors->reportError("Typed Values Not Kept", "The values typed in " + std::string(field) +
                                                     " could not be kept to be offered again (" +
                                                     error.describe() + errorContext(op, error.table) +
                                                     "). What you entered in the form is not affected.");
}

}  // namespace

std::vector<std::string> CompanyTypeAheadStore::load(std::string_view section, std::string_view field) {
  std::vector<std::string> values;
  Using use(TypeAheadTable);
  if (!use.opened()) return values;
  TAH.clear();
  TAH.Section = section;
  TAH.Field = field;
  TypeAheadTable.setRange(TAH.KeySectionField, 2);
  while (TypeAheadTable.next() == TableStatus::Ok) values.push_back(TAH.Value.str());
  return values;
}

void CompanyTypeAheadStore::save(std::string_view section, std::string_view field,
                                 const std::vector<std::string>& values) {
  Using use(TypeAheadTable);
  if (!use.opened()) return;
  Transaction transaction(TypeAheadTable);
  if (!transaction.started()) return;  // another station is writing; the values stay in memory
  TAH.clear();
  TAH.Section = section;
  TAH.Field = field;
  TypeAheadTable.setRange(TAH.KeySectionField, 2);
  while (TypeAheadTable.next() == TableStatus::Ok) {
    if (TypeAheadTable.tryRemove() != TableStatus::Ok)
      return reportFailure(field, TypeAheadTable.lastError(), TableOp::Deleting);
  }
  Byte rank = 0;
  for (const std::string& value : values) {
    if (rank == 255) break;
    TAH.clear();
    TAH.Section = section;
    TAH.Field = field;
    TAH.Rank = ++rank;
    TAH.Value = value;
    if (TypeAheadTable.tryInsert() != TableStatus::Ok)
      return reportFailure(field, TypeAheadTable.lastError(), TableOp::Inserting);
  }
  if (transaction.commit() != TableStatus::Ok) reportFailure(field, transaction.error(), TableOp::Saving);
}

TableError CompanyChangeHistory::record(const ui::HistoryEntry& entry) {
  Using use(ChangeLog);
  if (!use.opened()) return ChangeLog.lastError();
  CHG.clear();
  CHG.Procedure = entry.procedure;
  CHG.Field = entry.field;
  CHG.OldValue = entry.oldValue;
  CHG.NewValue = entry.newValue;
  CHG.UserID = entry.user;
  CHG.ChangeDate = entry.date;
  CHG.ChangeTime = entry.time;
  if (ChangeLog.tryInsert() != TableStatus::Ok) return ChangeLog.lastError();
  return {};
}

CompanyServices::CompanyServices() {
  ui::typeAhead().setStore(&typeAhead_);
  ui::changeHistory().setSink(&history_);
}

CompanyServices::~CompanyServices() {
  ui::typeAhead().setStore(nullptr);
  ui::changeHistory().setSink(nullptr);
}

}  // namespace crv
