// Replacing a file safely: readers, other processes and a crash see the old
// file or the new one whole, never a part of either.
//
// The new contents are written to a temporary file in the target's folder
// (so that the rename below stays within one file system), flushed to the
// disk (fsync), renamed over the target in one step, and the folder is
// flushed too so that the rename itself survives a crash. A replacement
// that is abandoned, by failing or by going out of scope before commit(),
// removes its temporary file and leaves the target as it was.
//
// The temporary file is "<name>.part" beside the target, or
// "<name>.XXXXXX.part" when another writer holds that name.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace crv {

class FileReplacement {
 public:
  // What commit() does when the target already exists.
  enum class Existing { Replace, Keep };

  // Opens the temporary file; ok() tells whether that worked. A new file
  // gets `mode`; a replaced one keeps the target's permissions.
  explicit FileReplacement(std::filesystem::path target, mode_t mode = 0644);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  bool ok() const { return error_.empty(); }
  // Why the replacement failed, from the system ("No space left on device").
  const std::string& error() const { return error_; }
  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporary() const { return temporary_; }

  // Buffered writes to the temporary file; false once anything failed.
  bool write(std::string_view bytes);
  bool write(const void* bytes, std::size_t size);
  // Copies a file's bytes.
  bool writeFile(const std::filesystem::path& source);

  // Flushes, renames over the target (with Keep: fails when the target
  // exists instead) and flushes the folder. False, with the reason in
  // error(), when anything failed; the target is then as it was.
  bool commit(Existing existing = Existing::Replace);
  // Removes the temporary file; the target stays as it was.
  void abandon();

 private:
  bool fail(int error);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* out_ = nullptr;
  std::string error_;
  bool done_ = false;
};

// Writes `contents` as the whole of `target`; the reason when it failed,
// empty when it went through.
std::string replaceFile(const std::filesystem::path& target, std::string_view contents, mode_t mode = 0644);
// Copies `source` over `target` the same way.
std::string copyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace crv
