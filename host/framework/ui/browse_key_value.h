// A value for one key field of a list's range: a constant or a callback read
// each time the list resets, so that a range can follow a window field (the
// vendor being shown, a "show reconciled" box) without being rebuilt.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "host/framework/record/record.h"
#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"

namespace crv::ui {

class KeyValue {
 public:
  KeyValue() = default;
  template <std::integral I>
  KeyValue(I value)
      : apply_([value](FieldRef field) { field.setInteger(static_cast<std::int64_t>(value)); }) {}
  KeyValue(double value) : apply_([value](FieldRef field) { field.setReal(value); }) {}
  KeyValue(Date value) : apply_([value](FieldRef field) { field.setInteger(value.day()); }) {}
  // Decimals go through their plain text so that the field's own places
  // apply, whatever the places of the value.
  template <int P>
  KeyValue(Decimal<P> value) : apply_([text = value.toString()](FieldRef field) { field.assign(text); }) {}
  KeyValue(std::string_view value)
      : apply_([text = std::string(value)](FieldRef field) { field.setText(text); }) {}
  KeyValue(const char* value) : KeyValue(std::string_view(value ? value : "")) {}
  KeyValue(const std::string& value) : KeyValue(std::string_view(value)) {}
  template <std::size_t N>
  KeyValue(const Text<N>& value) : KeyValue(value.view()) {}

  // A callback returning any of the above, called whenever the value is needed.
  template <class F>
  requires std::invocable<F&> &&(!std::is_convertible_v<F, std::string_view>)KeyValue(F source)
      : apply_([source = std::move(source)](FieldRef field) mutable { KeyValue(source()).apply(field); }) {}

  bool empty() const { return !apply_; }
  // Writes the value into a field of a record buffer.
  void apply(FieldRef field) const {
    if (apply_) apply_(field);
  }

 private:
  std::function<void(FieldRef)> apply_;
};

}  // namespace crv::ui
