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
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/framework/report/image_size.h"
#include "host/framework/report/paginator.h"
#include "host/framework/report/report.h"
#include "host/framework/services/message_box.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crv {
class Table;
struct PODetailRecord;
}  // namespace crv

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

  // The same a row at a time, for a run that shows its progress: open the
  // tables and gather the batch (answers its rows), print the next row
  // (false when none is left), store the running number and close.
  std::size_t beginBatch();
  bool printNext(crv::Paginator& paginator, const std::function<void()>& afterOrder = {});
  void endBatch();
  int ordersPrinted() const { return printed_; }

  // Where the lines for "Export This Report" go (none when null): a
  // heading, then per order a line with its number, date, vendor, ship-to,
  // job and terms, a line per order line and its total lines.
  void setExportLines(std::vector<std::string>* lines) { export_ = lines; }
  // The numbers of the orders printed so far, in order.
  const std::vector<std::string>& printedNumbers() const { return numbers_; }

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
  void exportOrder(const std::vector<crv::PODetailRecord>& lines);
  crv::TextItem& text(crv::Band& band, std::size_t index);
  static std::vector<crv::Table*> batchTables();

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

  // the batch being printed
  std::vector<crv::Id> rows_;
  std::size_t next_ = 0;
  int printed_ = 0;
  std::optional<crv::Id> limitId_;
  std::vector<std::string>* export_ = nullptr;
  std::vector<std::string> numbers_;
  // Failed writes of the numbering are shown and the run goes on.
  crv::StepFailureMessages failures_;
  crv::TableSteps steps_{failures_};
};

}  // namespace crvpo
