// Writes laid-out pages to a PDF file as they arrive: vector drawing, real
// text (searchable, copyable) and the fonts embedded as subsets, so the file
// reads the same on any machine.
//
// The PdfRenderer is a PageSink: give it to a Paginator and each page is
// drawn and written out as soon as its page numbers are known, so memory
// does not grow with the pages already written. Drawing and writing happen
// on a thread of the renderer's own, a few pages behind the caller, so a
// long report is laid out and written at the same time; a failure there is
// thrown by the next addPage() or by finish(). The file is written under a
// temporary name beside the target and moved into place by finish(); a
// renderer destroyed without finish() (an error, a cancelled run) removes the
// partial file and leaves any existing file of that name untouched.
#pragma once

#include <filesystem>
#include <memory>

#include "host/framework/report/page_sink.h"
#include "host/render/render_error.h"

namespace crv {

class PdfRenderer final : public PageSink {
 public:
  // Throws RenderError when the file cannot be created.
  explicit PdfRenderer(std::filesystem::path file);
  ~PdfRenderer() override;
  PdfRenderer(const PdfRenderer&) = delete;
  PdfRenderer& operator=(const PdfRenderer&) = delete;

  // Throws RenderError when an earlier page could not be written (disk
  // full, ...).
  void addPage(LaidOutPage page) override;
  // Completes the document and moves it into place. A document without pages
  // is an error (a PDF must have one). Throws RenderError.
  void finish();

  // The pages given so far; once finish() returns, all of them are written.
  int pagesWritten() const;
  // Images that could not be read and were left out (known after finish()).
  int imagesMissing() const;
  const std::filesystem::path& file() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace crv
