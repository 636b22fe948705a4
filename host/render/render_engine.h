// The drawing engine behind the renderers: cairo and pango, in a library of
// their own (libcrvcairo.so) that the renderers load the first time a page is
// drawn or a text measured. Runs that render nothing (a company summary, a
// recalculation, an import) never load cairo, pango, fontconfig or glib.
#pragma once

#include <filesystem>
#include <memory>

#include "host/framework/report/laid_out_page.h"
#include "host/framework/report/text_measurer.h"
#include "host/framework/services/module_export.h"
#include "host/render/png_renderer.h"

namespace crv::render {

// One PDF file being written; PdfRenderer's work (see pdf_renderer.h).
class PdfWriter {
 public:
  virtual ~PdfWriter() = default;
  virtual void addPage(LaidOutPage page) = 0;
  virtual void finish() = 0;
  virtual int pagesWritten() const = 0;
  virtual int imagesMissing() const = 0;
};

// Draws pages to PNG pictures; PngRenderer's work (see png_renderer.h).
class PngPainter {
 public:
  virtual ~PngPainter() = default;
  virtual PngPicture render(const LaidOutPage& page, double dpi) = 0;
};

class Engine {
 public:
  virtual ~Engine() = default;
  // Throws RenderError when the file cannot be created.
  virtual std::unique_ptr<PdfWriter> pdf(const std::filesystem::path& file) = 0;
  virtual std::unique_ptr<PngPainter> png() = 0;
  virtual std::unique_ptr<TextMeasurer> measurer() = 0;
};

// The engine, loaded the first time; throws RenderError when its library
// cannot be loaded.
Engine& engine();

}  // namespace crv::render

// The engine of the process, exported by libcrvcairo.so; called once, before
// anything is drawn. `fontconfigShared` says that another part of the
// process uses fontconfig and owns its configuration.
extern "C" CRV_EXPORT crv::render::Engine* crvRenderEngine(bool fontconfigShared);
