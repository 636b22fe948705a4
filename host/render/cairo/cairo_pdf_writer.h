// PDF output through cairo's PDF surface. Pages are drawn on a thread of the
// writer's own, a few behind the caller; a failure there is thrown by the
// next addPage() or by finish(). The file is written under a temporary name
// and moved into place by finish(); a writer destroyed without finish()
// removes the partial file and leaves any existing file of that name
// untouched.
#pragma once

#include <filesystem>
#include <memory>

#include "host/render/render_engine.h"

namespace crv::render {

class CairoPdfWriter final : public PdfWriter {
 public:
  // Throws RenderError when the file cannot be created.
  explicit CairoPdfWriter(const std::filesystem::path& file);
  ~CairoPdfWriter() override;
  CairoPdfWriter(const CairoPdfWriter&) = delete;
  CairoPdfWriter& operator=(const CairoPdfWriter&) = delete;

  void addPage(LaidOutPage page) override;
  void finish() override;
  int pagesWritten() const override;
  int imagesMissing() const override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace crv::render
