// A file written whole or not at all: the text goes to a temporary file in
// the target's folder, which is flushed to the disk and then renamed over
// the target, so a reader never meets half a file and a failed run leaves
// the old file (or none) in place.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace crvpo {

class ReplacementFile {
 public:
  explicit ReplacementFile(std::filesystem::path target);
  ~ReplacementFile();  // abandons an uncommitted file
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Each answers the system's reason when it failed ("No space left on
  // device"), or nothing.
  // Makes the temporary file.
  std::optional<std::string> open();
  std::optional<std::string> write(std::string_view text);
  // Flushes, syncs and renames over the target.
  std::optional<std::string> commit();

 private:
  void abandon();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
};

}  // namespace crvpo
