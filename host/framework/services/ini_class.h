// Settings files: section/key values in INI text files.
//
// An INIClass is bound to one file. Every fetch reads the file as it is now,
// so that values written by another module or station are seen at once, and
// every update writes the file back immediately. Section and key names match
// without regard to case. A missing file reads as all defaults; the first
// update creates it.
//
// Updates keep everything else in the file as it was: other sections, other
// keys, comments (lines starting with ";" or "#"), blank lines and the line
// ending style. The new content goes to a temporary file beside the original
// that then replaces it, so a failed write (read-only file, full disk,
// missing folder) leaves the existing file whole; the update answers false
// and lastError() says why.
//
// Values are taken from after the first "=" with surrounding blanks removed;
// a value written with leading or trailing blanks, or one that starts with a
// double quote, is stored in double quotes, which reading removes again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

namespace crv {

class INIClass {
 public:
  INIClass() = default;
  virtual ~INIClass() = default;
  INIClass(const INIClass&) = delete;
  INIClass& operator=(const INIClass&) = delete;

  // Binds the object to a settings file; the file need not exist yet.
  void init(const std::filesystem::path& file);
  // Unbinds it: fetches answer their defaults and updates fail.
  void kill();
  bool isBound() const;
  std::filesystem::path file() const;

  std::string fetch(std::string_view section, std::string_view key, std::string_view defaultValue = {}) const;
  // The value as a whole number; the default when it is missing or is not
  // a number.
  std::int64_t fetchNumber(std::string_view section, std::string_view key,
                           std::int64_t defaultValue = 0) const;

  // Writes the value back to the file at once. False when it cannot be
  // written; the file is then unchanged and lastError() tells why.
  bool update(std::string_view section, std::string_view key, std::string_view value);
  bool updateNumber(std::string_view section, std::string_view key, std::int64_t value);

  std::string lastError() const;

 private:
  bool fail(std::string message);

  mutable std::mutex mutex_;
  std::filesystem::path file_;
  bool bound_ = false;
  std::string lastError_;
};

}  // namespace crv
