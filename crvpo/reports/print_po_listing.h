// PrintPOListing: the purchase-order listing of one saved format, through
// the report run the module's reports share (progress window with Cancel,
// previewer or default printer, "Nothing to Print..." for an empty run,
// PDF file, e-mail and "Export This Report").
//
// The format is the POLimits row whose LimitID is the number in
// REPORTFILTER. RXQUEUE is emptied and filled with the export lines of the
// bands printed; after the preview, "Export This Report" adds the format's
// limit lines and saves them. The PDF is named "Purchase Order
// Listing.pdf" in the data folder; e-mail goes to the suite's single
// address (MM).
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "crvpo/reports/report_progress.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/report/laid_out_page.h"
#include "host/framework/services/module_export.h"

namespace crvpo {

// The format with this LimitID, if there is one.
std::optional<crv::POLimitsRecord> listingFormat(crv::Id limitId);

struct ListingResult {
  int orders = 0;
  int pages = 0;  // 0: nothing printed, no PDF written
  std::vector<std::string> limitLines;
};

// One run of the listing: the orders are gathered, then printed, one order
// a step. Pages go to `pdf` (none written when empty) and, with `keep`,
// are kept for the previewer; without a PDF nothing is laid out (an export
// alone). The export lines go to `exportLines` when given.
class ListingRun final : public ReportWork {
 public:
  ListingRun(const crv::POLimitsRecord& format, const std::optional<std::filesystem::path>& pdf,
             std::vector<crv::LaidOutPage>* keep, std::vector<std::string>* exportLines);
  ~ListingRun() override;
  ListingRun(const ListingRun&) = delete;
  ListingRun& operator=(const ListingRun&) = delete;

  std::int64_t records() const override;
  bool next() override;
  int pages() const override;
  // Prints the totals and writes the PDF (when any page was made).
  ListingResult finish();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace crvpo

extern "C" {
// The listing of the format in REPORTFILTER; GlobalResponse is
// RequestCompleted when it was printed.
CRV_EXPORT void PrintPOListing();
// Without a window: the listing of the format `format` (its LimitID, or its
// report title) written to each of `outputs` (count of them): a ".pdf"
// file gets the pages, an ".xlsx" or ".csv" file the export lines with the
// report parameters. Says what it did on `out`; answers 0 when written, 1
// when nothing was listed or no such format exists, 2 on a failure.
CRV_EXPORT int PrintPOListingConsole(const char* format, const char* const* outputs, int count,
                                     std::ostream* out);
}
