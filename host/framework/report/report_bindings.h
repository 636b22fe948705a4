// The names a report procedure publishes to its designer reports, each
// bound to the field or value it reads ("POP:PONumber" to the batch row's
// number, "CompanyName" to the company heading). Names are matched without
// regard to case. A bound value is read when a report prints or evaluates
// it, so it always shows what the buffer holds at that moment.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "host/framework/record/record.h"
#include "host/framework/values/picture.h"

namespace crv {

struct DictionaryTable;

// A number value as floating point (decimals by their places, dates as day
// numbers); 0 for text.
double numberOf(const FieldRef& value);

class ReportBindings {
 public:
  void bind(std::string_view name, FieldRef value);
  // Binds every field a dictionary table publishes ("POP:PONumber") to the
  // field of that name in `record`.
  void bindTable(const DictionaryTable& table, Record& record);
  // Nullptr when the name is not bound.
  const FieldRef* find(std::string_view name) const;
  bool empty() const { return values_.empty(); }
  // Calls f(name, value) for every bound name, as it was bound.
  template <class F>
  void forEach(F&& f) const {
    for (const auto& [key, bound] : values_) f(bound.name, bound.value);
  }

  // The value under a picture without its padding; plain text without one.
  // A picture of another kind (a number picture on a text) shows the plain
  // text rather than failing.
  static std::string formatted(const FieldRef& value, std::string_view picture);
  // The same with a parsed picture (nullptr: plain text), for values shown
  // again and again.
  static std::string formatted(const FieldRef& value, const Picture* picture);

 private:
  struct Bound {
    std::string name;
    FieldRef value;
  };
  static std::string key(std::string_view name);
  std::map<std::string, Bound, std::less<>> values_;
};

}  // namespace crv
