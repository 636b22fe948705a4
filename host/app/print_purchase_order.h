// PrintPurchaseOrder: the host's window that prints one purchase order by
// its number, until the order list offers printing from its own rows.
//
// The person types the order's number (or picks it from a list of the
// company's orders); OK checks that the order exists and the window closes,
// then the module's print entry runs for that order with the previewer on,
// where the person prints, saves a PDF or e-mails the order.
#pragma once

#include <functional>

#include "host/framework/ui/window_manager.h"
#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crv {

class PrintPurchaseOrderWindow final : public ui::WindowManager {
 public:
  PrintPurchaseOrderWindow();

  // The order chosen on OK (its POID), 0 when cancelled.
  Id chosenOrder() const { return chosen_; }

 protected:
  ui::Level validate() override;

 private:
  void lookUp();

  Text<15> number_;
  Id chosen_ = 0;
};

// Asks for the order and runs `printEntry` (the module's
// PrintPurchaseOrderServer) for it with the previewer on.
void printPurchaseOrder(const std::function<void()>& printEntry);

}  // namespace crv
