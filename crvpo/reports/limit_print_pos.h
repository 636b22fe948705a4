// LimitPrintPOs: "Purchase Order Printing Limits", the window from which
// purchase orders are printed in bulk.
//
// It edits the shared "Generate POs" record (which it keeps single and
// opens with its PO-number range cleared) and the module's print settings:
// which orders to print (unprinted, printed, all), whether to flag them
// printed, how to number them and the beginning number (the running number
// stored in the record). "Print" saves the range and prints through the
// print entry; "Print a Dummy PO" prints the sample order.
//
// A PO number typed into From or To must be an order's number; when no
// order has it the orders are offered to pick from, and without a pick the
// field is selected again.
#pragma once

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {

class LimitPrintPOsWindow final : public crv::ui::WindowManager {
 public:
  LimitPrintPOsWindow();

 protected:
  crv::ui::Level opening() override;

 private:
  void build();
  void rangeSwitched();
  crv::ui::Level numberAccepted(const char* equate);
  crv::ui::Level lookUpNumber(const char* equate);
  void printDummy();
  void playTraining();
  void print();

  // A copy of the "Generate POs" record: printing from the window (the
  // dummy order, the batch) reads and rewrites the shared buffer POL.
  crv::POLimitsRecord limits_;
};

}  // namespace crvpo

extern "C" {
// Answers RequestCompleted after printing, RequestCancelled on Cancel.
CRV_EXPORT void LimitPrintPOs();
}
