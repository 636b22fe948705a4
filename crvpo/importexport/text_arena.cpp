// Texts in blocks.
#include "crvpo/importexport/text_arena.h"

#include <cstring>

namespace crvpo {

TextArena::Ref TextArena::add(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > maxLength) text = text.substr(0, maxLength);
  if (blockSize - used_ < text.size()) {
    blocks_.push_back(std::make_unique<char[]>(blockSize));
    used_ = 0;
  }
  const std::uint64_t block = blocks_.size() - 1;
  std::memcpy(blocks_.back().get() + used_, text.data(), text.size());
  Ref ref{(block << 40) | (static_cast<std::uint64_t>(used_) << 20) | text.size()};
  used_ += text.size();
  return ref;
}

std::string_view TextArena::get(Ref ref) const {
  const std::size_t length = ref.bits & maxLength;
  if (length == 0) return {};
  const std::size_t offset = (ref.bits >> 20) & maxLength;
  const std::size_t block = ref.bits >> 40;
  return std::string_view(blocks_[block].get() + offset, length);
}

void TextArena::clear() {
  blocks_.clear();
  used_ = blockSize;
}

}  // namespace crvpo
