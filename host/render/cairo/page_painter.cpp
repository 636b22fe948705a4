// Texts are real text with their glyphs' Unicode in a PDF, so they can be
// searched and copied: Latin text as runs of glyphs (GlyphFonts), the rest
// through reused pango layouts. Rules and boxes are cairo paths; images
// are scaled surfaces.
#include "host/render/cairo/page_painter.h"

#include "host/render/cairo/pango_support.h"

namespace crv::render {

PagePainter::PagePainter(cairo_t* context, ImageCache& images)
    : cairo_(context), images_(images), layouts_(context) {}

PagePainter::~PagePainter() = default;

void PagePainter::paint(const LaidOutPage& page) {
  for (const PagePrimitive& primitive : page.primitives) {
    if (const auto* text = std::get_if<PlacedText>(&primitive); text && addToRun(*text)) continue;
    flushRun();
    std::visit([this](const auto& shape) { draw(shape); }, primitive);
  }
  flushRun();
}

bool PagePainter::addToRun(const PlacedText& text) {
  if (!run_.glyphs.empty() && (!(run_.font == text.font) || !(run_.color == text.color))) flushRun();
  const std::size_t before = run_.glyphs.size();
  double width = 0;
  bool readBack = true;
  if (!glyphFonts_.glyphs(text.font, text.text, text.x, text.y, run_.glyphs, width, readBack)) return false;
  if (before == 0) {
    run_.font = text.font;
    run_.color = text.color;
  }
  run_.readBack = run_.readBack && readBack;
  // One glyph per character: each character is a cluster of its own.
  for (std::size_t at = 0; at < text.text.size();) {
    const int bytes = static_cast<unsigned char>(text.text[at]) < 0x80 ? 1 : 2;
    run_.clusters.push_back(cairo_text_cluster_t{bytes, 1});
    at += static_cast<std::size_t>(bytes);
  }
  run_.utf8 += text.text;
  return true;
}

void PagePainter::flushRun() {
  if (run_.glyphs.empty()) return;
  cairo_set_scaled_font(cairo_, glyphFonts_.scaledFont(run_.font));
  setColor(run_.color);
  // Glyphs that read back as their characters make the same document
  // without their text, and cairo draws them much faster that way.
  if (run_.readBack)
    cairo_show_glyphs(cairo_, run_.glyphs.data(), static_cast<int>(run_.glyphs.size()));
  else
    cairo_show_text_glyphs(cairo_, run_.utf8.data(), static_cast<int>(run_.utf8.size()), run_.glyphs.data(),
                           static_cast<int>(run_.glyphs.size()), run_.clusters.data(),
                           static_cast<int>(run_.clusters.size()), cairo_text_cluster_flags_t{});
  run_.readBack = true;
  run_.glyphs.clear();
  run_.utf8.clear();
  run_.clusters.clear();
}

void PagePainter::setColor(const Color& color) {
  cairo_set_source_rgb(cairo_, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

void PagePainter::draw(const PlacedText& text) {
  PangoLayout* layout = layouts_.layout(text.font, validUtf8(text.text));
  setColor(text.color);
  cairo_move_to(cairo_, text.x, text.y);
  pango_cairo_show_layout(cairo_, layout);
}

void PagePainter::draw(const PlacedLine& line) {
  if (line.thickness <= 0) return;
  setColor(line.color);
  cairo_set_line_width(cairo_, line.thickness);
  cairo_move_to(cairo_, line.x1, line.y1);
  cairo_line_to(cairo_, line.x2, line.y2);
  cairo_stroke(cairo_);
}

void PagePainter::draw(const PlacedBox& box) {
  cairo_rectangle(cairo_, box.x, box.y, box.width, box.height);
  if (box.fill) {
    setColor(*box.fill);
    cairo_fill_preserve(cairo_);
  }
  if (box.thickness > 0) {
    setColor(box.color);
    cairo_set_line_width(cairo_, box.thickness);
    cairo_stroke(cairo_);
  } else {
    cairo_new_path(cairo_);
  }
}

void PagePainter::draw(const PlacedImage& image) {
  cairo_surface_t* surface = images_.surface(image);
  if (!surface || image.width <= 0 || image.height <= 0) return;
  int pixelsWide = cairo_image_surface_get_width(surface);
  int pixelsHigh = cairo_image_surface_get_height(surface);
  if (pixelsWide <= 0 || pixelsHigh <= 0) return;
  cairo_save(cairo_);
  cairo_translate(cairo_, image.x, image.y);
  cairo_scale(cairo_, image.width / pixelsWide, image.height / pixelsHigh);
  cairo_set_source_surface(cairo_, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cairo_), CAIRO_FILTER_GOOD);
  cairo_rectangle(cairo_, 0, 0, pixelsWide, pixelsHigh);
  cairo_fill(cairo_);
  cairo_restore(cairo_);
}

}  // namespace crv::render
