// Writing the orders of a preview: one transaction that holds every
// accepted order with all its lines, or nothing.
//
// In order: the company settings are read inside the transaction; each
// header becomes a POMaster row (numbered from SYS:NextPONumber when its
// PO number is blank, the counter then moving on; the tax rate worked out
// from the tax and pre-tax amounts, or taken as written from the exchange
// file; the reconciliation state and sort fields as a save sets them; the
// job of its first job line as default job); a purchasing agent not yet in
// the "POM Purchasing Agent" drop list is added to it; the counter is
// saved; each detail becomes a PODetail row of its order, numbered in file
// order, inventory lines with their quantity in the item's stock unit;
// then the lines' committed costs and stock on order are posted as a save
// posts them, so the running figures equal a rebuild right after the
// import.
//
// Any failed write rolls everything back and says why ("Unable to Insert
// PODetail." and the table's error); so does a transaction that cannot be
// started within the wait, since an import that cannot be undone is not
// run. On success the preview's lists are emptied.
#pragma once

#include <chrono>
#include <string>

#include "crvpo/importexport/import_preview.h"
#include "crvpo/importexport/import_reader.h"
#include "crvpo/importexport/import_source.h"
#include "host/framework/table/transaction.h"

namespace crvpo {

struct ImportOutcome {
  bool done = false;
  std::string message;  // why nothing was imported
  std::size_t orders = 0;
  std::size_t lines = 0;
};

class PurchaseOrderImport {
 public:
  static constexpr const char* notImportedText = "No purchase orders were imported.";
  static constexpr const char* purchasingAgentList = "POM Purchasing Agent";
  // What a transaction that cannot begin or commit is named after.
  static constexpr const char* subject = "the import";

  PurchaseOrderImport(crv::Connection& connection, const ImportSource& source);

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }
  ImportOutcome run(ImportPreview& preview, ImportObserver* observer = nullptr);

 private:
  class Run;

  crv::Connection* connection_;
  bool exchange_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

}  // namespace crvpo
