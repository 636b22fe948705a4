// Where laid-out pages go: a renderer that writes each page as it comes
// (a PDF file), or a PageCollector that keeps them (the previewer, tests).
// Pages arrive in order, each once, after their page numbers are known.
#pragma once

#include <vector>

#include "host/framework/report/laid_out_page.h"

namespace crv {

class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void addPage(LaidOutPage page) = 0;
};

class PageCollector final : public PageSink {
 public:
  void addPage(LaidOutPage page) override { pages_.push_back(std::move(page)); }
  const std::vector<LaidOutPage>& pages() const { return pages_; }
  std::vector<LaidOutPage> take() { return std::move(pages_); }

 private:
  std::vector<LaidOutPage> pages_;
};

}  // namespace crv
