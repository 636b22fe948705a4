// Small procedures over the purchase-order tables that the window
// framework's tests and example scripts drive: a form for one order, a
// list of orders that calls it, a pick list of vendors, a notes form
// opened from the order form, and a timed process.
#pragma once

#include <string>

#include "host/framework/ui/headless/script_runner.h"

namespace crv::test {

// What the procedures tell a test about their runs.
struct OrderProcedureLog {
  int vendorLookups = 0;      // vendor handler runs that did their work
  int vendorSkips = 0;        // vendor handler runs skipped in the accept-all pass
  unsigned pickedVendor = 0;  // vendor chosen in PickVendor
  int processSteps = 0;       // timer steps of RunCount
  void clear() { *this = OrderProcedureLog(); }
};

OrderProcedureLog& orderLog();

// "UpdateOrder": the form for one POMaster row, by request.
void updateOrder();
// "BrowseOrders": the orders in a list with Insert, Change, Delete, View.
void browseOrders();
// "PickVendor": a list of vendors to choose from (SelectRecord).
void pickVendor();
// "UpdateNote": a form opened from UpdateOrder's Notes button, with a
// vendor lookup of its own.
void updateNote();
// "RunCount": a process window counting to ten on its timer.
void runCount();

// The procedures above by name.
ui::ProcedureMap orderProcedures();

}  // namespace crv::test
