// BrowseEnvelope: prints an envelope or a mailing label for the owner named
// in REPORTFILTER: a table name padded to 10 characters followed by the
// record's number ("APVendor  103" for vendor 103, "ARCust    201" for a
// customer). The window shows the address and, on Print, lays out the
// envelope (the company's return address top left, the address in the
// middle of a #10 envelope fed in landscape) or one label, and opens it
// for printing.
#pragma once

#include <string>
#include <vector>

#include "host/framework/services/module_export.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class BrowseEnvelopeWindow final : public ui::WindowManager {
 public:
  BrowseEnvelopeWindow();

  // The address lines of the owner, empty when it is not found.
  const std::vector<std::string>& address() const { return address_; }

 protected:
  ui::Level opening() override;

 private:
  void readAddress(const std::string& owner);
  void print();

  std::vector<std::string> address_;
  std::vector<std::string> returnAddress_;
  std::string shown_;
  std::string kind_ = "E";
};

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void BrowseEnvelope();
}
