// Draws a laid-out page onto a cairo context whose user space is in points
// with the origin at the page's top-left corner; the PDF and PNG renderers
// differ only in the surface under the context.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>

#include "host/framework/report/laid_out_page.h"
#include "host/render/cairo/font_layouts.h"
#include "host/render/cairo/glyph_fonts.h"
#include "host/render/cairo/image_cache.h"

namespace crv::render {

class PagePainter {
 public:
  // The context and the image cache must outlive the painter.
  PagePainter(cairo_t* context, ImageCache& images);
  ~PagePainter();
  PagePainter(const PagePainter&) = delete;
  PagePainter& operator=(const PagePainter&) = delete;

  void paint(const LaidOutPage& page);

 private:
  void draw(const PlacedText& text);
  void draw(const PlacedLine& line);
  void draw(const PlacedBox& box);
  void draw(const PlacedImage& image);
  void setColor(const Color& color);
  // Latin texts of one font and colour that follow each other are drawn as
  // one run of glyphs; anything else drawn first ends the run.
  bool addToRun(const PlacedText& text);
  void flushRun();

  cairo_t* cairo_;
  ImageCache& images_;
  FontLayouts layouts_;
  GlyphFonts glyphFonts_;
  struct Run {
    Font font;
    Color color;
    std::vector<cairo_glyph_t> glyphs;
    std::string utf8;
    std::vector<cairo_text_cluster_t> clusters;
    bool readBack = true;  // every glyph reads back as its character
  } run_;
};

}  // namespace crv::render
