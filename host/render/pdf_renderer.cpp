// PDF output through cairo's PDF surface, written through our own stream so
// that write failures carry the system's reason.
#include "host/render/pdf_renderer.h"

#include <cairo-pdf.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

#include "host/render/image_cache.h"
#include "host/render/page_painter.h"

namespace crv {

struct PdfRenderer::State {
  std::filesystem::path file;
  std::filesystem::path partial;
  std::FILE* out = nullptr;
  int writeErrno = 0;
  cairo_surface_t* surface = nullptr;
  cairo_t* cairo = nullptr;
  render::ImageCache images;
  std::optional<render::PagePainter> painter;
  int pages = 0;
  bool finished = false;

  ~State() {
    painter.reset();
    if (cairo) cairo_destroy(cairo);
    if (surface) cairo_surface_destroy(surface);
    if (out) std::fclose(out);
  }

  [[noreturn]] void fail(const std::string& what) {
    std::string message = "Cannot write PDF file " + file.string() + ": " + what;
    if (writeErrno) message += " (" + std::string(std::strerror(writeErrno)) + ")";
    throw RenderError(message);
  }

  static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length) {
    auto* state = static_cast<State*>(closure);
    if (std::fwrite(data, 1, length, state->out) != length) {
      state->writeErrno = errno;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }

  void check() {
    cairo_status_t status = cairo_surface_status(surface);
    if (status == CAIRO_STATUS_SUCCESS && cairo) status = cairo_status(cairo);
    if (status != CAIRO_STATUS_SUCCESS) fail(cairo_status_to_string(status));
  }
};

PdfRenderer::PdfRenderer(std::filesystem::path file) : state_(std::make_unique<State>()) {
  state_->file = std::move(file);
  state_->partial = state_->file;
  state_->partial += ".part";
  state_->out = std::fopen(state_->partial.c_str(), "wb");
  if (!state_->out) {
    state_->writeErrno = errno;
    state_->fail("the file cannot be created");
  }
  try {
    // Letter until the first page gives its own size.
    state_->surface = cairo_pdf_surface_create_for_stream(State::write, state_.get(), 612, 792);
    state_->check();
    cairo_pdf_surface_restrict_to_version(state_->surface, CAIRO_PDF_VERSION_1_5);
    state_->cairo = cairo_create(state_->surface);
    state_->check();
    state_->painter.emplace(state_->cairo, state_->images);
  } catch (...) {
    std::filesystem::path partial = state_->partial;
    state_.reset();
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    throw;
  }
}

PdfRenderer::~PdfRenderer() {
  if (state_->finished) return;
  // Tear down cairo before removing the partial file it writes into.
  std::filesystem::path partial = state_->partial;
  bool opened = state_->out != nullptr;
  state_.reset();
  std::error_code ignored;
  if (opened) std::filesystem::remove(partial, ignored);
}

void PdfRenderer::addPage(LaidOutPage page) {
  if (state_->finished) throw RenderError("PDF file " + state_->file.string() + " is already complete");
  cairo_pdf_surface_set_size(state_->surface, page.width, page.height);
  state_->painter->paint(page);
  cairo_show_page(state_->cairo);
  state_->check();
  ++state_->pages;
}

void PdfRenderer::finish() {
  if (state_->finished) return;
  if (state_->pages == 0) state_->fail("the report has no pages");
  state_->painter.reset();
  cairo_destroy(state_->cairo);
  state_->cairo = nullptr;
  cairo_surface_finish(state_->surface);
  state_->check();
  std::FILE* out = state_->out;
  state_->out = nullptr;
  if (std::fflush(out) != 0 || std::fclose(out) != 0) {
    state_->writeErrno = errno;
    std::error_code ignored;
    std::filesystem::remove(state_->partial, ignored);
    state_->fail("the file cannot be completed");
  }
  std::error_code error;
  std::filesystem::rename(state_->partial, state_->file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(state_->partial, ignored);
    state_->fail(error.message());
  }
  state_->finished = true;
}

int PdfRenderer::pagesWritten() const { return state_->pages; }
int PdfRenderer::imagesMissing() const { return state_->images.missing(); }
const std::filesystem::path& PdfRenderer::file() const { return state_->file; }

}  // namespace crv
