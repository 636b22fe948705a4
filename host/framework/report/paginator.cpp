// Band layout and page flow.
#include "host/framework/report/paginator.h"

#include <algorithm>
#include <stdexcept>

#include "host/framework/report/text_wrapper.h"

namespace crv {

namespace {

// Float sums of band heights may miss a page's exact body height by a hair.
constexpr double slack = 1e-6;

struct ShiftDown {
  double dy;
  void operator()(PlacedText& t) const { t.y += dy; }
  void operator()(PlacedLine& l) const {
    l.y1 += dy;
    l.y2 += dy;
  }
  void operator()(PlacedBox& b) const { b.y += dy; }
  void operator()(PlacedImage& i) const { i.y += dy; }
};

std::string replaceAll(std::string text, std::string_view token, const std::string& value) {
  for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
    text.replace(at, token.size(), value);
  return text;
}

}  // namespace

Paginator::Paginator(const Report& report, const TextMeasurer& measurer, PageSink& sink)
    : report_(report), measurer_(measurer), sink_(sink) {}

void Paginator::print(std::string_view bandName) {
  const Band* band = report_.findBand(bandName);
  if (!band) throw std::invalid_argument("report has no band named \"" + std::string(bandName) + "\"");
  print(*band);
}

void Paginator::print(const Band& band) {
  keptWithNext_.push_back(layOut(band));
  if (band.keepWithNext()) return;
  place(keptWithNext_);
  keptWithNext_.clear();
}

void Paginator::pageBreak() {
  flushPending();
  closePage();
}

void Paginator::restartPageNumbers() {
  pageBreak();
  restartNext_ = true;
}

void Paginator::finish() {
  pageBreak();
  flushNumbering();
  restartNext_ = false;
}

double Paginator::remainingHeight() const {
  return open_ ? bodyBottom() - cursor_ : bodyBottom() - bodyTop();
}

double Paginator::bodyTop() const { return report_.page.margins.top + report_.pageHeader.height(); }

double Paginator::bodyBottom() const {
  return report_.page.height() - report_.page.margins.bottom - report_.pageFooter.height();
}

void Paginator::flushPending() {
  if (keptWithNext_.empty()) return;
  place(keptWithNext_);
  keptWithNext_.clear();
}

void Paginator::place(std::vector<Block>& blocks) {
  if (!open_) openPage();
  double total = 0;
  for (const Block& block : blocks) total += block.height;
  if (cursor_ + total > bodyBottom() + slack && !bodyEmpty_) {
    closePage();
    openPage();
  }
  for (Block& block : blocks) {
    if (cursor_ + block.height > bodyBottom() + slack) {
      if (!bodyEmpty_) {
        closePage();
        openPage();
      }
      if (cursor_ + block.height > bodyBottom() + slack) ++overflows_;
    }
    placeAt(block, cursor_);
    cursor_ += block.height;
    bodyEmpty_ = false;
  }
}

void Paginator::placeAt(Block& block, double top) {
  std::vector<PagePrimitive>& primitives = open_->page.primitives;
  std::size_t base = primitives.size();
  for (PagePrimitive& primitive : block.primitives) {
    std::visit(ShiftDown{top}, primitive);
    primitives.push_back(std::move(primitive));
  }
  for (NumberedText& text : block.numbered) {
    text.index += base;
    open_->numbered.push_back(std::move(text));
  }
}

void Paginator::openPage() {
  if (restartNext_) {
    flushNumbering();
    restartNext_ = false;
  }
  open_.emplace();
  open_->page.width = report_.page.width();
  open_->page.height = report_.page.height();
  open_->page.sequence = ++sequence_;
  Block form = layOut(report_.form);
  placeAt(form, report_.page.margins.top);
  Block header = layOut(report_.pageHeader);
  placeAt(header, report_.page.margins.top);
  cursor_ = std::max(bodyTop(), report_.page.margins.top + header.height);
  bodyEmpty_ = true;
}

void Paginator::closePage() {
  if (!open_) return;
  Block footer = layOut(report_.pageFooter);
  placeAt(footer, bodyBottom());
  numbering_.push_back(std::move(*open_));
  open_.reset();
  // Pages that never print their count need not wait for the rest of their
  // numbering: they go out as they close, so a long report keeps no pages.
  if (!printsPageCount(numbering_.back())) flushNumbering(false);
}

bool Paginator::printsPageCount(const PendingPage& page) {
  return std::any_of(page.numbered.begin(), page.numbered.end(), [](const NumberedText& text) {
    return text.pattern.find("{pages}") != std::string::npos;
  });
}

void Paginator::flushNumbering(bool complete) {
  const int count = complete ? handedOn_ + static_cast<int>(numbering_.size()) : 0;
  for (PendingPage& pending : numbering_) {
    const int number = ++handedOn_;
    pending.page.number = number;
    pending.page.count = count;
    for (const NumberedText& numbered : pending.numbered) {
      auto& text = std::get<PlacedText>(pending.page.primitives[numbered.index]);
      text.text = replaceAll(replaceAll(numbered.pattern, "{page}", std::to_string(number)), "{pages}",
                             std::to_string(count));
      text.x = alignedX(numbered.boxX, numbered.boxWidth, numbered.align, text.font, text.text);
    }
    sink_.addPage(std::move(pending.page));
  }
  numbering_.clear();
  if (complete) handedOn_ = 0;
}

Paginator::Block Paginator::layOut(const Band& band) {
  Block block;
  block.height = band.height();
  double originX = report_.page.margins.left;
  for (const BandItem& item : band.items()) {
    if (const auto* text = std::get_if<TextItem>(&item)) {
      layOutText(*text, originX, block);
    } else if (const auto* line = std::get_if<LineItem>(&item)) {
      block.primitives.emplace_back(PlacedLine{originX + line->x1, line->y1, originX + line->x2, line->y2,
                                               line->thickness, line->color});
    } else if (const auto* box = std::get_if<BoxItem>(&item)) {
      block.primitives.emplace_back(PlacedBox{originX + box->x, box->y, box->width, box->height,
                                              box->thickness, box->color, box->fill});
    } else if (const auto* image = std::get_if<ImageItem>(&item)) {
      if (image->visible) block.primitives.emplace_back(layOutImage(*image, originX));
    }
  }
  return block;
}

void Paginator::layOutText(const TextItem& item, double originX, Block& block) const {
  if (!item.visible) return;
  double boxX = originX + item.x;
  if (item.pageNumbers) {
    block.numbered.push_back({block.primitives.size(), item.text, boxX, item.width, item.align});
    block.primitives.emplace_back(PlacedText{boxX, item.y, item.text, item.font, item.color});
    return;
  }
  std::string text = item.source ? item.source() : item.text;
  if (text.empty()) return;
  std::vector<std::string> lines;
  bool oneLine = text.find('\n') == std::string::npos &&
                 (!item.wrap || measurer_.textWidth(item.font, text) <= item.width);
  if (oneLine) {
    lines.push_back(std::move(text));
  } else {
    lines = item.wrap ? wrapText(measurer_, item.font, text, item.width) : splitLines(text);
  }
  double lineHeight = lines.size() > 1 ? measurer_.metrics(item.font).lineHeight : 0;
  double y = item.y;
  for (std::string& line : lines) {
    if (!line.empty()) {
      double x = alignedX(boxX, item.width, item.align, item.font, line);
      block.primitives.emplace_back(PlacedText{x, y, std::move(line), item.font, item.color});
    }
    y += lineHeight;
  }
  if (lines.size() > 1) block.height = std::max(block.height, y);
}

double Paginator::alignedX(double boxX, double boxWidth, Align align, const Font& font,
                           std::string_view text) const {
  if (align == Align::Left) return boxX;
  double width = measurer_.textWidth(font, text);
  return align == Align::Right ? boxX + boxWidth - width : boxX + (boxWidth - width) / 2;
}

PlacedImage Paginator::layOutImage(const ImageItem& item, double originX) {
  PlacedImage placed{originX + item.x, item.y, item.width, item.height, item.path, item.bytes};
  if (item.fit != ImageFit::KeepAspect) return placed;
  std::optional<ImageSize> size;
  if (item.bytes) {
    auto [at, added] = byteSizes_.try_emplace(item.bytes);
    if (added) at->second = imageSize(std::span<const std::uint8_t>(*item.bytes));
    size = at->second;
  } else {
    auto [at, added] = pathSizes_.try_emplace(item.path);
    if (added) at->second = imageSize(std::filesystem::path(item.path));
    size = at->second;
  }
  if (!size) return placed;
  double scale = std::min(item.width / size->width, item.height / size->height);
  placed.width = size->width * scale;
  placed.height = size->height * scale;
  return placed;
}

}  // namespace crv
