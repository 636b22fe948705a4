// The listing's report run and its command-line form.
#include "crvpo/reports/print_po_listing.h"

#include <algorithm>
#include <ostream>

#include "crvpo/reports/listing_description.h"
#include "crvpo/reports/listing_formats.h"
#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/po_listing_report.h"
#include "crvpo/reports/purchase_order_print.h"
#include "crvpo/reports/report_previewer.h"
#include "crvpo/reports/report_run.h"
#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"
#include "host/render/render_error.h"
#include "host/siblings/CRVMISC/report_export.h"

namespace crvpo {

namespace {

// The number at the start of a text ("12" of " 12 "), 0 when there is none.
crv::Id leadingNumber(std::string_view text) {
  text = crv::trim(text);
  crv::Id value = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || value > 400000000) break;
    value = value * 10 + static_cast<crv::Id>(c - '0');
  }
  return value;
}

bool isListingFormat(const crv::POLimitsRecord& limits) { return limits.Report.view() == listingReportName; }

std::optional<crv::POLimitsRecord> listingFormatTitled(std::string_view title) {
  crv::PrivateTable<crv::POLimitsRecord> formats(crv::POLimits);
  formats.rec.Report = listingReportName;
  if (!formats.isOpen() || formats.table.setRange(crv::POLimitsRecord::KeyReport, 1) != crv::TableStatus::Ok)
    return std::nullopt;
  while (formats.table.next() == crv::TableStatus::Ok)
    if (crv::equalsIgnoreCase(formats.rec.ReportTitle.view(), crv::trim(title))) return formats.rec;
  return std::nullopt;
}

}  // namespace

std::optional<crv::POLimitsRecord> listingFormat(crv::Id limitId) {
  crv::PrivateTable<crv::POLimitsRecord> formats(crv::POLimits);
  formats.rec.LimitID = limitId;
  if (limitId == 0 || !formats.fetch(crv::POLimitsRecord::KeyLimitID)) return std::nullopt;
  return formats.rec;
}

struct ListingRun::Parts {
  Parts(const crv::POLimitsRecord& format, std::vector<std::string>* exportLines)
      : selection(format, ListingLists::read(format.LimitID), crv::Date::today()),
        limitLines(listingLimitLines(selection.limits(), selection.lists(), crv::GENERIC != 0)),
        collector(selection, names),
        listing(selection, names, limitLines, exportLines) {}

  void layOutInto(const std::filesystem::path& file, std::vector<crv::LaidOutPage>* keep) {
    pdf.emplace(file);
    sink.emplace(*pdf, keep);
    paginator.emplace(listing.report(), measurer, *sink);
    listing.setPaginator(&*paginator);
  }

  ListingSelection selection;
  std::vector<std::string> limitLines;
  ListingNames names;
  ListingCollector collector;
  PurchaseOrderListing listing;
  crv::PangoTextMeasurer measurer;
  std::optional<crv::PdfRenderer> pdf;
  std::optional<crv::CopyingSink> sink;
  std::optional<crv::Paginator> paginator;
  std::vector<ListedOrder> listed;
  std::size_t next = 0;
  bool collected = false;
};

ListingRun::ListingRun(const crv::POLimitsRecord& format, const std::optional<std::filesystem::path>& pdf,
                       std::vector<crv::LaidOutPage>* keep, std::vector<std::string>* exportLines)
    : parts_(std::make_unique<Parts>(format, exportLines)) {
  if (pdf) parts_->layOutInto(*pdf, keep);
}

ListingRun::~ListingRun() = default;

std::int64_t ListingRun::records() const {
  const std::int64_t read = parts_->collector.ordersInTable();
  // Reading and printing are one step each; until the orders are gathered
  // every one of them is counted as printed too.
  return read + (parts_->collected ? static_cast<std::int64_t>(parts_->listed.size()) : read);
}

bool ListingRun::next() {
  Parts& p = *parts_;
  if (!p.collected) {
    if (p.collector.next()) return true;
    p.listed = p.collector.take();
    p.collected = true;
  }
  if (p.next >= p.listed.size()) return false;
  p.listing.printOrder(p.listed[p.next++]);
  return true;
}

int ListingRun::pages() const { return parts_->paginator ? parts_->paginator->pagesStarted() : 0; }

ListingResult ListingRun::finish() {
  Parts& p = *parts_;
  p.listing.printTotals();
  ListingResult result;
  result.orders = p.listing.ordersPrinted();
  result.limitLines = p.limitLines;
  if (!p.paginator) return result;
  p.paginator->finish();
  result.pages = p.pdf->pagesWritten();
  if (result.pages > 0) p.pdf->finish();
  return result;
}

}  // namespace crvpo

namespace crvpo {
namespace {

// The run of PrintPOListing; answers true when the listing was printed.
bool printListing() {
  crv::RXQUEUE.clear();
  crv::PDFFileName = (std::filesystem::path(crv::DataPath) / "Purchase Order Listing.pdf").string();
  DeliveryState& delivery = deliveryState();
  delivery.emailMe = false;
  delivery.exportMe = false;
  delivery.makePdf = false;
  const bool previewing = crv::GLO.PrintPreview != 0;
  const std::optional<crv::POLimitsRecord> format = listingFormat(leadingNumber(crv::REPORTFILTER.view()));
  if (!format || !isListingFormat(*format)) {
    tellNothingPrinted(previewing);
    return false;
  }
  const std::filesystem::path laidOut = temporaryReportFile("listing");
  std::vector<crv::LaidOutPage> pages;
  ListingResult result;
  try {
    ListingRun run(*format, laidOut, previewing ? &pages : nullptr, &crv::RXQUEUE);
    if (run.records() > 0 &&
        runWithProgress(run, previewing, ReportTexts::loadDefault()) == ReportRunEnd::Abandoned)
      return false;
    result = run.finish();
  } catch (const crv::RenderError& error) {
    crv::message(error.what(), "Printing Report", crv::Icon::Stop);
    return false;
  }
  if (result.pages == 0) {
    tellNothingPrinted(previewing);
    return false;
  }
  bool printed = false;
  if (previewing) {
    PreviewOptions options;
    options.title = "Purchase Order Listing";
    options.emailCaption = "Email Report (pdf)";
    options.offerExport = true;
    options.zoom = crv::GLO.PreviewZoom;
    printed = previewPages(std::move(pages), laidOut, options) == 1;
  } else {
    printed = printToDefaultPrinter(laidOut);
  }
  ReportMail mail;
  if (delivery.emailMe) mail = mailToSuiteAddress("Purchase Order Listing");
  deliverAfterPreview(laidOut, mail.subject, mail.body);
  exportAfterPreview(result.limitLines);
  std::error_code ignored;
  std::filesystem::remove(laidOut, ignored);
  return printed;
}

struct ConsoleOutputs {
  std::optional<std::filesystem::path> pdf;
  std::vector<std::filesystem::path> exports;
};

ConsoleOutputs consoleOutputs(const char* const* outputs, int count) {
  ConsoleOutputs chosen;
  for (int i = 0; i < count; ++i) {
    const std::filesystem::path file(outputs[i]);
    if (crv::toLowerAscii(file.extension().string()) == ".pdf")
      chosen.pdf = file;
    else
      chosen.exports.push_back(file);
  }
  return chosen;
}

// Export files that take the listing's lines as they are made, so that a
// long listing is never held whole and its files are written alongside.
class ExportFiles {
 public:
  explicit ExportFiles(const std::vector<std::filesystem::path>& files) : files_(files) {
    for (const std::filesystem::path& file : files)
      writers_.push_back(std::make_unique<crv::siblings::ReportFileWriter>(file));
  }
  std::vector<std::string>* lines() { return writers_.empty() ? nullptr : &lines_; }

  void handOver() {
    rows_ += lines_.size();
    for (const auto& writer : writers_)
      for (const std::string& line : lines_) writer->add(line);
    lines_.clear();
  }
  // The report parameters after the lines, then each file completed.
  void finish(const std::vector<std::string>& limitLines, std::ostream& said) {
    const std::size_t rows = rows_;
    lines_.emplace_back();
    lines_.emplace_back("Report Parameters:");
    lines_.insert(lines_.end(), limitLines.begin(), limitLines.end());
    handOver();
    for (std::size_t i = 0; i < writers_.size(); ++i) {
      writers_[i]->finish();
      said << "Exported " << rows << " line(s) to " << files_[i].string() << "\n";
    }
  }

 private:
  std::vector<std::filesystem::path> files_;
  std::vector<std::unique_ptr<crv::siblings::ReportFileWriter>> writers_;
  std::vector<std::string> lines_;
  std::size_t rows_ = 0;
};

int listToOutputs(const crv::POLimitsRecord& limits, const ConsoleOutputs& outputs, std::ostream& said) {
  try {
    ExportFiles exports(outputs.exports);
    ListingRun run(limits, outputs.pdf, nullptr, exports.lines());
    while (run.next()) exports.handOver();
    const ListingResult result = run.finish();
    exports.handOver();
    if (result.orders == 0) {
      said << "Nothing to print.\n";
      return 1;
    }
    if (outputs.pdf)
      said << "Listed " << result.orders << " order(s), " << result.pages << " page(s) to "
           << outputs.pdf->string() << "\n";
    exports.finish(result.limitLines, said);
  } catch (const std::exception& error) {
    said << "error: " << error.what() << "\n";
    return 2;
  }
  return 0;
}

}  // namespace
}  // namespace crvpo

void PrintPOListing() {
  const bool printed = crvpo::printListing();
  crv::GlobalResponse = printed ? crv::RequestCompleted : crv::RequestCancelled;
}

int PrintPOListingConsole(const char* format, const char* const* outputs, int count, std::ostream* out) {
  using namespace crvpo;
  std::ostream& said = *out;
  const std::string wanted(crv::trim(format ? std::string_view(format) : std::string_view()));
  const bool byNumber = !wanted.empty() && std::all_of(wanted.begin(), wanted.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
  std::optional<crv::POLimitsRecord> limits =
      byNumber ? listingFormat(leadingNumber(wanted)) : listingFormatTitled(wanted);
  if (!limits || !isListingFormat(*limits)) {
    said << "No listing format " << wanted << ".\n";
    return 1;
  }
  return listToOutputs(*limits, consoleOutputs(outputs, count), said);
}
