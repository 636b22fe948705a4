// Prints a Report's bands onto pages: the report run's layout step.
//
// A report procedure reads its records and prints bands one after another;
// the paginator stacks them down the page between the page header and the
// page footer. A band that does not fit in what is left of the page goes to
// the next page, which opens with the form and the page header again. A
// band kept with the next one moves together with it. A band taller than an
// empty page is placed anyway, running past the footer (counted in
// overflows()), rather than being lost or pushing pages forever.
//
// When values are read: bound texts are read when their band is printed;
// the form and the page header when the page opens (the first band placed
// on it), the page footer when the page closes. So a procedure that calls
// pageBreak() after an order, before it loads the next one, gets the order's
// own values in the footer of its last page and the next order's values in
// the header of the next page.
//
// Page numbers: pages are numbered from 1 in a numbering; restartPageNumbers()
// ends the current page and begins a new numbering with the next page (so
// every order of a batch can run "Page 1 of 2", "Page 2 of 2"). The pages of
// a numbering are handed to the sink once the numbering ends, when "{pages}"
// is known; memory therefore holds at most one numbering's pages. A report
// whose pages print no "{pages}" hands each page on as soon as it closes
// (its count stays 0), so however long it runs it keeps no pages.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/report/image_size.h"
#include "host/framework/report/page_sink.h"
#include "host/framework/report/report.h"
#include "host/framework/report/text_measurer.h"

namespace crv {

class Paginator {
 public:
  // The report, measurer and sink must outlive the paginator.
  Paginator(const Report& report, const TextMeasurer& measurer, PageSink& sink);
  Paginator(const Paginator&) = delete;
  Paginator& operator=(const Paginator&) = delete;

  // Prints the report's named band; std::invalid_argument for an unknown
  // name.
  void print(std::string_view bandName);
  void print(const Band& band);
  // Ends the current page; the next band printed opens a new one. Nothing
  // happens when no page is open (no blank pages).
  void pageBreak();
  // Ends the current page and starts a new numbering at the next page.
  void restartPageNumbers();
  // Ends the last page and hands every remaining page to the sink. Printing
  // after finish() starts a new numbering.
  void finish();

  // Pages opened so far (whether handed to the sink yet or not).
  int pagesStarted() const { return sequence_; }
  // Bands that were taller than an empty page.
  int overflows() const { return overflows_; }
  // Room left on the open page for bands, or the whole body of a new page.
  double remainingHeight() const;

 private:
  struct NumberedText {
    std::size_t index = 0;  // into the page's primitives
    std::string pattern;
    double boxX = 0;
    double boxWidth = 0;
    Align align = Align::Left;
  };
  struct Block {
    double height = 0;
    std::vector<PagePrimitive> primitives;  // y from the band's top
    std::vector<NumberedText> numbered;
  };
  struct PendingPage {
    LaidOutPage page;
    std::vector<NumberedText> numbered;
  };

  Block layOut(const Band& band);
  void layOutText(const TextItem& item, double originX, Block& block) const;
  PlacedImage layOutImage(const ImageItem& item, double originX);
  double alignedX(double boxX, double boxWidth, Align align, const Font& font, std::string_view text) const;
  void place(std::vector<Block>& blocks);
  void placeAt(Block& block, double top);
  void openPage();
  void closePage();
  void flushPending();
  // Hands the waiting pages on; `complete` when their numbering ends (the
  // count is known), else they go out with a count of 0.
  void flushNumbering(bool complete = true);
  static bool printsPageCount(const PendingPage& page);
  double bodyTop() const;
  double bodyBottom() const;

  const Report& report_;
  const TextMeasurer& measurer_;
  PageSink& sink_;
  std::optional<PendingPage> open_;
  double cursor_ = 0;
  bool bodyEmpty_ = true;
  bool restartNext_ = false;
  std::vector<Block> keptWithNext_;
  std::vector<PendingPage> numbering_;
  int handedOn_ = 0;  // pages of the current numbering already handed on
  int sequence_ = 0;
  int overflows_ = 0;
  std::map<std::string, std::optional<ImageSize>> pathSizes_;
  std::map<ImageBytes, std::optional<ImageSize>> byteSizes_;  // holds the bytes: no reused address
};

}  // namespace crv
