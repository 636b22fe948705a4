// The value behind a control: a field of a record buffer or a value local
// to the procedure.
//
// A binding shows its value the way a person sees it under the control's
// picture and reads text a person typed back into the value; text that
// does not fit the picture or the value's range is refused and the value
// stays as it was. Local values are bound by reference: the variable must
// outlive the window (procedures keep them as members).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/framework/record/record.h"
#include "host/framework/values/picture.h"
#include "host/framework/values/scalars.h"

namespace crv::ui {

class Binding {
 public:
  Binding() = default;  // bound to nothing

  // A field of a record buffer, or any FieldRef whose definition lives on.
  static Binding field(FieldRef ref);
  // The buffer member `member` of `record`: bind(POM, POM.PONumber).
  template <class T>
  static Binding field(Record& record, T& member) {
    return field(record, static_cast<const void*>(&member));
  }

  // Values local to a procedure. The name is what the change history and
  // error texts call the value ("LOC:Total").
  static Binding local(Amount& value, std::string name = {}) {
    return make(&value, FieldKind::Amount, 0, name);
  }
  static Binding local(Quantity& value, std::string name = {}) {
    return make(&value, FieldKind::Quantity, 0, name);
  }
  static Binding local(Date& value, std::string name = {}) { return make(&value, FieldKind::Date, 0, name); }
  static Binding local(Time& value, std::string name = {}) { return make(&value, FieldKind::Time, 0, name); }
  static Binding local(std::uint32_t& value, std::string name = {}) {
    return make(&value, FieldKind::Id, 0, name);
  }
  static Binding local(std::uint16_t& value, std::string name = {}) {
    return make(&value, FieldKind::UShort, 0, name);
  }
  static Binding local(std::uint8_t& value, std::string name = {}) {
    return make(&value, FieldKind::Byte, 0, name);
  }
  static Binding local(std::int32_t& value, std::string name = {}) {
    return make(&value, FieldKind::Long, 0, name);
  }
  static Binding local(double& value, std::string name = {}) {
    return make(&value, FieldKind::Real, 0, name);
  }
  template <std::size_t N>
  static Binding local(Text<N>& value, std::string name = {}) {
    return make(value.data(), FieldKind::Text, static_cast<std::uint32_t>(N), name);
  }
  static Binding local(std::string& value, std::string name = {});

  bool bound() const { return ref_.has_value() || string_ != nullptr; }
  // The kind of value; a std::string counts as text.
  FieldKind kind() const;
  const std::string& name() const;
  // The record field behind the binding, when there is one.
  std::optional<FieldRef> fieldRef() const { return ref_; }

  // The storage form: "-12.50", "1234", a date as its day number, text
  // without trailing spaces.
  std::string plain() const;
  // Stores a storage-form value; false when it does not fit the kind.
  bool setPlain(std::string_view plain);
  bool isBlank() const;
  void clear();

  // The value as a person sees it under the picture (nullptr: the kind's
  // plain form, dates as MM/DD/YYYY, times as HH:MM), without the padding
  // the picture adds.
  std::string format(const Picture* picture) const;
  // Reads typed text under the picture into the value; false (value
  // unchanged) when the text is not a value of the picture or the kind.
  bool parse(std::string_view typed, const Picture* picture);

 private:
  static Binding field(Record& record, const void* member);
  static Binding make(void* address, FieldKind kind, std::uint32_t width, std::string& name);

  std::shared_ptr<const FieldDef> ownDef_;  // the definition of a local value
  std::optional<FieldRef> ref_;
  std::string* string_ = nullptr;
  std::string stringName_;
};

// Times as a person types and reads them: "H:MM", "H:MM:SS".
std::string formatTime(Time time);
std::optional<Time> parseTime(std::string_view typed);

}  // namespace crv::ui
