// Building the print batch: the signed-in user's rows of POPrint for the
// request in DecimalVariable (create_po_print.h lists the codes), and the
// company heading.
//
// Building a row may number the order in POMaster, by the module's print
// settings. A failed table operation is reported to the
// observer, named after its table and step (" Saving POMaster"), and the
// build goes on; nothing already written is undone. The whole build is
// written in one transaction, committed at its end: should the commit
// fail, that is reported too (" Saving POPrint") and the build leaves
// nothing behind: the orders' numbers and the running number are as they
// were, and the caller's previous batch is cleared so that no order
// printed earlier is printed again in its place.
//
// The batch lives in the company database with every other table, shared by
// all users and told apart by UserID: a build replaces the caller's rows and
// leaves other users' batches alone.
#pragma once

#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

#include "host/data/tables/payables_tables.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

// Told about what went wrong while the batch was built.
class PrintBatchObserver : public crv::StepFailureSink {
 public:
  // A table the build needs could not be opened.
  virtual void cannotAccess(std::string_view table) = 0;
};

class POPrintBatchBuilder {
 public:
  explicit POPrintBatchBuilder(PrintBatchObserver& observer) : observer_(observer), steps_(observer) {}

  void build();

 private:
  void openTables(std::initializer_list<crv::Table*> tables);
  void buildRows();
  void clearUserRows();
  void buildCompanyHeading();
  void buildSingleOrder(crv::Id poid);
  void buildFromLimits();
  std::vector<crv::Id> chosenOrders();
  void buildBlankForm();
  void readVendor(crv::Id vendorId);
  void addRowForOrder(bool fromLimits);
  void takeCounterNumber();
  void handOutNumber();
  bool readGenerateRecord();

  PrintBatchObserver& observer_;
  crv::TableSteps steps_;
  std::vector<crv::Table*> opened_;
  std::map<crv::Id, crv::APVendorRecord> vendors_;
};

// Marks the orders of the signed-in user's batch printed in POMaster, when
// the print settings ask for it, in one transaction. Called once the batch
// was printed, saved as a PDF or e-mailed; the sample and the blank form
// have no order to mark.
void markBatchOrdersPrinted(crv::StepFailureSink& failures);

}  // namespace crvpo
