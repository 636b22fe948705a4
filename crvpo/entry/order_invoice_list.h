// The header form's tab "Reconciliation": the payables invoices that
// reconcile the order (APInv by POID), with the quantity and amount each
// reconciled (the sums over the invoice's detail lines).
#pragma once

#include <functional>

#include "host/framework/ui/browse_class.h"

namespace crvpo {

class OrderInvoiceList final : public crv::ui::BrowseClass {
 public:
  static constexpr int pageRows = 8;

  explicit OrderInvoiceList(std::function<crv::Id()> order);

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override;

 private:
  int quantity_ = 0;
  int amount_ = 0;
};

}  // namespace crvpo
