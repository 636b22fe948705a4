// The lists of a preview.
#include "crvpo/importexport/import_preview.h"

namespace crvpo {

void ImportPreview::clear() {
  headers = {};
  details = {};
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
