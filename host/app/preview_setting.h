// Runs a print entry with the previewer on or off as the host's window
// chose, and puts the person's own setting back afterwards, also when the
// entry throws.
#pragma once

#include <functional>

#include "host/data/shared_values.h"

namespace crv {

inline void runWithPreview(bool preview, const std::function<void()>& printEntry) {
  struct Restore {
    Flag saved = GLO.PrintPreview;
    ~Restore() { GLO.PrintPreview = saved; }
  } restore;
  GLO.PrintPreview = preview ? 1 : 0;
  printEntry();
}

}  // namespace crv
