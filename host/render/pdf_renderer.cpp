// PDF files through the drawing engine.
#include "host/render/pdf_renderer.h"

#include "host/render/render_engine.h"

namespace crv {

struct PdfRenderer::State {
  std::filesystem::path file;
  std::unique_ptr<render::PdfWriter> writer;
};

PdfRenderer::PdfRenderer(std::filesystem::path file) : state_(std::make_unique<State>()) {
  state_->file = std::move(file);
  state_->writer = render::engine().pdf(state_->file);
}

PdfRenderer::~PdfRenderer() = default;  // an unfinished file is abandoned with its writer

void PdfRenderer::addPage(LaidOutPage page) { state_->writer->addPage(std::move(page)); }
void PdfRenderer::finish() { state_->writer->finish(); }
int PdfRenderer::pagesWritten() const { return state_->writer->pagesWritten(); }
int PdfRenderer::imagesMissing() const { return state_->writer->imagesMissing(); }
const std::filesystem::path& PdfRenderer::file() const { return state_->file; }

}  // namespace crv
