// Type-ahead completion: what people typed into registered fields, offered
// again as they type.
//
// Values are kept per section (usually the procedure) and field, most
// recent first, without repeats (compared without regard to case), blank
// values not kept, at most valuesKept per field. They live in a store: the
// in-memory one by default, the company database's when the data layer
// installs one.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace crv::ui {

class TypeAheadStore {
 public:
  virtual ~TypeAheadStore() = default;
  // The values of a field, most recent first.
  virtual std::vector<std::string> load(std::string_view section, std::string_view field) = 0;
  virtual void save(std::string_view section, std::string_view field,
                    const std::vector<std::string>& values) = 0;
};

class MemoryTypeAheadStore final : public TypeAheadStore {
 public:
  std::vector<std::string> load(std::string_view section, std::string_view field) override;
  void save(std::string_view section, std::string_view field,
            const std::vector<std::string>& values) override;

 private:
  std::mutex mutex_;
  std::map<std::string, std::vector<std::string>> values_;
};

class TypeAhead {
 public:
  static constexpr std::size_t valuesKept = 20;

  // nullptr goes back to the in-memory store. Returns the previous store.
  TypeAheadStore* setStore(TypeAheadStore* store);
  // While off, nothing is remembered or offered.
  bool enabled() const;
  void setEnabled(bool on);

  void remember(std::string_view section, std::string_view field, std::string_view value);
  // Remembered values starting with the typed text (without regard to
  // case), most recent first; all of them for blank text.
  std::vector<std::string> completions(std::string_view section, std::string_view field,
                                       std::string_view typed) const;
  // The first completion, or empty.
  std::string complete(std::string_view section, std::string_view field, std::string_view typed) const;

 private:
  TypeAheadStore& store() const;

  mutable std::mutex mutex_;
  mutable MemoryTypeAheadStore memory_;
  TypeAheadStore* store_ = nullptr;
  bool enabled_ = true;
};

// The process's type-ahead service.
TypeAhead& typeAhead();

}  // namespace crv::ui
