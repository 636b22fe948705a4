// The lists of a preview.
#include "crvpo/importexport/import_preview.h"

namespace crvpo {

void ImportPreview::clear() {
  headers.clear();
  headers.shrink_to_fit();
  details.clear();
  details.shrink_to_fit();
  errors.clear();
  tiedByNumber = false;
  texts_.clear();
  rejected_ = 0;
}

void ImportPreview::error(std::uint32_t record, std::string text, bool inDetailFile, bool rejects) {
  errors.push_back({record, std::move(text), inDetailFile});
  if (rejects) ++rejected_;
}

}  // namespace crvpo
