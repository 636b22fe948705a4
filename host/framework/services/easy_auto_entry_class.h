// The type-ahead completion store: remembers what users typed into entry
// fields so that the next entry can be completed from it.
//
// The store is bound by init() to its file and an optional second name and
// can be switched off; while it is off it neither remembers nor completes.
// Values are kept per section (usually the window) and field, most recent
// first, without repeats (repeats compare without regard to case) and at most
// valuesKept per field. Keeping them in the store file between sessions is
// not done yet: the file location is held for when it is.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

class EasyAutoEntryClass {
 public:
  static constexpr std::size_t valuesKept = 20;

  // Binds the store to a file; a store bound to another file starts empty.
  void init(std::string fileName, std::string secondName, bool enabled);
  // Unbinds the store and forgets its values.
  void kill();
  bool isInitialised() const;

  bool enabled() const;
  void setEnabled(bool on);
  std::string storeFile() const;
  std::string secondName() const;

  // Remembers a value typed into a field; blank values are not kept.
  void remember(std::string_view section, std::string_view field, std::string_view value);
  // The remembered values of a field, most recent first.
  std::vector<std::string> recentValues(std::string_view section, std::string_view field) const;
  // The most recent value of the field that begins with the typed text
  // (without regard to case), or empty.
  std::string complete(std::string_view section, std::string_view field, std::string_view typed) const;

 private:
  static std::string slot(std::string_view section, std::string_view field);

  mutable std::mutex mutex_;
  bool initialised_ = false;
  bool enabled_ = false;
  std::string storeFile_;
  std::string secondName_;
  std::map<std::string, std::vector<std::string>> values_;
};

}  // namespace crv
