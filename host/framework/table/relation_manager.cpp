// Relation-aware deletion.
#include "host/framework/table/relation_manager.h"

#include "host/framework/services/error_class.h"
#include "host/framework/table/transaction.h"

namespace crv {
namespace {

void copyField(FieldRef from, FieldRef to) {
  if (from.kind() == FieldKind::Text)
    to.setText(from.text());
  else if (from.kind() == FieldKind::Real)
    to.setReal(from.real());
  else
    to.setInteger(from.integer());
}

TableStatus removeDependents(Table& parent, TableError& failure) {
  for (const Dependent& dependent : parent.def().dependents()) {
    const TableDef& childDef = dependent.child();
    auto childBuffer = childDef.newRecord();
    Table child(childDef, *childBuffer);
    child.attach(parent.connection());
    child.open();
    for (const auto& [parentField, childField] : dependent.link)
      copyField(parent.buffer().field(parentField), childBuffer->field(childField));
    child.setRange(*dependent.childKey, dependent.link.size());
    for (;;) {
      const TableStatus read = child.next();
      if (read == TableStatus::EndOfFile) break;
      if (read != TableStatus::Ok || removeDependents(child, failure) != TableStatus::Ok ||
          child.tryRemove() != TableStatus::Ok) {
        if (!failure.failed()) failure = child.lastError();
        return TableStatus::Failed;
      }
    }
  }
  return TableStatus::Ok;
}

}  // namespace

TableStatus RelationManager::removeWithDependents(Table& table, bool quiet) {
  if (!table.isOpen() || table.currentRow() == 0) return table.tryRemove();
  Transaction transaction(table);
  TableError failure = transaction.error();
  TableStatus status = transaction.started() ? removeDependents(table, failure) : TableStatus::Locked;
  if (status == TableStatus::Ok) {
    status = table.tryRemove();
    if (status != TableStatus::Ok) failure = table.lastError();
  }
  if (status == TableStatus::Ok) status = transaction.commit();
  if (status != TableStatus::Ok) {
    transaction.rollback();
    if (!failure.failed()) failure = transaction.error();
    RuntimeErrors::set(failure);
    if (!quiet && table.errorReporter()) table.errorReporter()->reportTableError(failure, TableOp::Deleting);
  }
  return status;
}

}  // namespace crv
