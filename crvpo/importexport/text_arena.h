// Many short texts kept back to back in large blocks, each known by an
// 8-byte reference.
//
// An import preview holds every detail line of a file until the user says
// whether to import it; with a std::string per field a line would cost some
// 300 bytes before its text. Here a field costs its characters and the
// reference. Blocks are never moved or resized, so growing the arena does
// not copy what it holds, and a text stays valid until clear().
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace crvpo {

class TextArena {
 public:
  // The longest text a reference can carry; longer texts are cut.
  static constexpr std::size_t maxLength = (1u << 20) - 1;

  struct Ref {
    std::uint64_t bits = 0;  // block (24 bits), offset (20 bits), length (20 bits)
  };

  Ref add(std::string_view text);
  std::string_view get(Ref ref) const;
  void clear();
  // Bytes of the blocks, used or not.
  std::size_t capacity() const { return blocks_.size() * blockSize; }

 private:
  static constexpr std::size_t blockSize = 1u << 20;

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = blockSize;  // of the last block; full when there is none
};

}  // namespace crvpo
