// Where laid-out pages go: a renderer that writes each page as it comes
// (a PDF file), a PageCollector that keeps them (the previewer, tests), or
// a CopyingSink that does both.
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

// Passes each page on and, when given a list, keeps a copy there too (a
// PDF written while the previewer gets the same pages).
class CopyingSink final : public PageSink {
 public:
  CopyingSink(PageSink& next, std::vector<LaidOutPage>* copies) : next_(next), copies_(copies) {}
  void addPage(LaidOutPage page) override {
    if (copies_) copies_->push_back(page);
    next_.addPage(std::move(page));
  }

 private:
  PageSink& next_;
  std::vector<LaidOutPage>* copies_;
};

}  // namespace crv
