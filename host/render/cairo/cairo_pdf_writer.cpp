// PDF output through cairo's PDF surface, written through our own stream so
// that write failures carry the system's reason.
#include "host/render/cairo/cairo_pdf_writer.h"

#include <cairo-pdf.h>

#include <exception>
#include <optional>
#include <thread>

#include "host/framework/services/file_replacement.h"
#include "host/framework/services/hand_over_queue.h"
#include "host/render/cairo/image_cache.h"
#include "host/render/cairo/page_painter.h"
#include "host/render/render_error.h"

namespace crv::render {

struct CairoPdfWriter::State {
  // Pages waiting for the writer thread; a few are enough to keep both
  // threads busy while memory stays flat.
  static constexpr std::size_t pagesAhead = 4;

  std::filesystem::path file;
  std::optional<FileReplacement> out;
  cairo_surface_t* surface = nullptr;
  cairo_t* cairo = nullptr;
  ImageCache images;
  int pages = 0;
  bool finished = false;

  HandOverQueue<LaidOutPage> waiting{pagesAhead};
  std::thread writer;

  ~State() {
    waiting.closeAndJoin(writer);
    if (cairo) cairo_destroy(cairo);
    if (surface) cairo_surface_destroy(surface);
  }

  [[noreturn]] void fail(const std::string& what) {
    std::string message = "Cannot write PDF file " + file.string() + ": " + what;
    if (out && !out->ok()) message += " (" + out->error() + ")";
    throw RenderError(message);
  }

  static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length) {
    auto* state = static_cast<State*>(closure);
    return state->out->write(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
  }

  void check() {
    cairo_status_t status = cairo_surface_status(surface);
    if (status == CAIRO_STATUS_SUCCESS && cairo) status = cairo_status(cairo);
    if (status != CAIRO_STATUS_SUCCESS) fail(cairo_status_to_string(status));
  }

  // The writer thread: draws each page handed over and, once told to close,
  // completes the document. Everything that touches the surface happens
  // here, and the painter's fonts come from this thread's own font map, so
  // the caller may go on measuring text with its own meanwhile.
  void writePages() {
    try {
      PagePainter painter(cairo, images);
      while (std::optional<LaidOutPage> page = waiting.take()) {
        cairo_pdf_surface_set_size(surface, page->width, page->height);
        painter.paint(*page);
        cairo_show_page(cairo);
        check();
      }
    } catch (...) {
      waiting.fail(std::current_exception());
      return;
    }
    completeDocument();
  }

  void completeDocument() {
    try {
      if (!finished) return;  // abandoned: the partial file goes with `out`
      cairo_destroy(cairo);
      cairo = nullptr;
      cairo_surface_finish(surface);
      check();
    } catch (...) {
      waiting.fail(std::current_exception());
    }
  }
};

CairoPdfWriter::CairoPdfWriter(const std::filesystem::path& file) : state_(std::make_unique<State>()) {
  state_->file = file;
  state_->out.emplace(state_->file);
  if (!state_->out->ok()) state_->fail("the file cannot be created");
  try {
    // Letter until the first page gives its own size.
    state_->surface = cairo_pdf_surface_create_for_stream(State::write, state_.get(), 612, 792);
    state_->check();
    cairo_pdf_surface_restrict_to_version(state_->surface, CAIRO_PDF_VERSION_1_5);
    state_->cairo = cairo_create(state_->surface);
    state_->check();
    state_->writer = std::thread([state = state_.get()] { state->writePages(); });
  } catch (...) {
    state_.reset();
    throw;
  }
}

CairoPdfWriter::~CairoPdfWriter() = default;  // an unfinished file is abandoned with its state

void CairoPdfWriter::addPage(LaidOutPage page) {
  if (state_->finished) throw RenderError("PDF file " + state_->file.string() + " is already complete");
  state_->waiting.give(std::move(page));
  ++state_->pages;
}

void CairoPdfWriter::finish() {
  if (state_->finished) return;
  if (state_->pages == 0) state_->fail("the report has no pages");
  state_->finished = true;
  state_->waiting.closeAndJoin(state_->writer);
  if (const std::exception_ptr failure = state_->waiting.failure()) {
    state_->finished = false;
    std::rethrow_exception(failure);
  }
  if (!state_->out->commit()) {
    state_->finished = false;
    state_->fail("the file cannot be completed");
  }
}

int CairoPdfWriter::pagesWritten() const { return state_->pages; }
int CairoPdfWriter::imagesMissing() const { return state_->images.missing(); }

}  // namespace crv::render
