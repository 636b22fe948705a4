// The standard purchase-order form: the signed-in user's print batch laid
// out one order after another, each starting on a new page numbered from 1.
//
// The form reads the batch row, the order's lines, vendor and job, and the
// company settings, and prints the header blocks (company, vendor, ship-to),
// the line table and the totals. Printing may still number a batch row that
// has no number (the number lives in the batch row only) and mark it
// printed, by the module's print settings; the running number is stored in
// the "Generate POs" record after the batch.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "host/framework/report/image_size.h"
#include "host/framework/report/paginator.h"
#include "host/framework/report/report.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/text.h"

namespace crvpo {

// A logo's printed size in 1/1000 inch.
struct LogoSize {
  double width = 0;
  double height = 0;
};

// The picture's size at 96 pixels per inch, cut to 850 high keeping its
// proportions, then scaled by `scalePercent` (taken as 100 outside 50..250).
LogoSize logoSize(crv::ImageSize pixels, int scalePercent);

// "Stone; Bob" prints as "Bob Stone": the part after the first ";" (less
// the one character after it), a space, then the part before it.
std::string swappedVendorName(std::string_view name);

// The caption and amounts of the three total lines.
struct TotalLines {
  std::array<crv::Text<15>, 3> captions;
  std::array<crv::Amount, 3> amounts{};
};

// US tax: subtotal and "Tax (rate%):" when the tax on the taxable lines is
// not 0. Canadian tax: subtotal, GST and PST lines by the amounts kept on
// the order.
TotalLines totalLines(bool canadian, crv::Amount taxableSubtotal, double taxRate, crv::Amount preTax,
                      crv::Amount gst, crv::Amount pst, std::string_view gstLabel, std::string_view province);

class PurchaseOrderForm {
 public:
  PurchaseOrderForm();
  PurchaseOrderForm(const PurchaseOrderForm&) = delete;
  PurchaseOrderForm& operator=(const PurchaseOrderForm&) = delete;

  const crv::Report& report() const { return report_; }

  // Prints the signed-in user's batch; answers the number of orders printed.
  // `afterOrder` runs after each order with the batch row still in POP.
  int printBatch(crv::Paginator& paginator, const std::function<void()>& afterOrder = {});

  // Folder for the extracted logo (default: the system's temporary folder).
  void setWorkFolder(std::filesystem::path folder) { workFolder_ = std::move(folder); }

 private:
  void design();
  void prepareCompany();
  void placeLogo();
  void printOrder(crv::Paginator& paginator);
  void buildShipTo();
  void numberRow();
  void loadVendor();
  void loadJob();
  crv::TextItem& text(crv::Band& band, std::size_t index);

  crv::Report report_;
  std::filesystem::path workFolder_;

  crv::Text<25> LocalPONumber;
  std::array<crv::Text<40>, 4> BillTo;
  std::array<crv::Text<40>, 3> VendorBlock;
  std::array<crv::Text<40>, 3> ShipToBlock;
  crv::Text<15> CatalogPrompt;
  TotalLines totals_;
  crv::Text<100> ReportFooterMessage;

  // positions of items moved or hidden per run
  std::size_t jobCaption_ = 0;
  std::size_t logo_ = 0;
  std::vector<std::size_t> companyBlock_;
  std::vector<double> companyBlockX_;
};

}  // namespace crvpo
