// Record buffers: the in-memory copy of one row of a table.
//
// Every table has a record type deriving from Record whose members are the
// table's fields (`POM.VendorID`). The layout, built once per type from a
// prototype, lets generic code reach the fields by name or position through
// FieldRef. Copying one buffer into another of the same type is plain
// assignment.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/framework/record/field_def.h"
#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/text.h"
#include "host/framework/values/time.h"

namespace crv {

class Record;

class RecordLayout {
 public:
  explicit RecordLayout(std::vector<FieldDef> fields);

  const std::vector<FieldDef>& fields() const { return fields_; }
  std::size_t size() const { return fields_.size(); }
  // Index of the named field (case-insensitive), or -1.
  int indexOf(std::string_view name) const;
  // Indexes of the named fields; throws std::out_of_range for a name the
  // layout does not have.
  std::vector<int> indexesOf(std::initializer_list<std::string_view> names) const;
  const FieldDef& at(std::size_t index) const { return fields_.at(index); }

 private:
  std::vector<FieldDef> fields_;
};

// Collects the fields of a record type; see CRV_FIELD.
class LayoutBuilder {
 public:
  explicit LayoutBuilder(const Record& prototype) : base_(&prototype) {}

  LayoutBuilder& add(const char* name, const Id& member) { return put(name, FieldKind::Id, 0, &member); }
  LayoutBuilder& add(const char* name, const std::uint16_t& member) {
    return put(name, FieldKind::UShort, 0, &member);
  }
  LayoutBuilder& add(const char* name, const std::int32_t& member) {
    return put(name, FieldKind::Long, 0, &member);
  }
  LayoutBuilder& add(const char* name, const Byte& member) { return put(name, FieldKind::Byte, 0, &member); }
  LayoutBuilder& add(const char* name, const Amount& member) {
    return put(name, FieldKind::Amount, 0, &member);
  }
  LayoutBuilder& add(const char* name, const Quantity& member) {
    return put(name, FieldKind::Quantity, 0, &member);
  }
  LayoutBuilder& add(const char* name, const Real& member) { return put(name, FieldKind::Real, 0, &member); }
  LayoutBuilder& add(const char* name, const Date& member) { return put(name, FieldKind::Date, 0, &member); }
  LayoutBuilder& add(const char* name, const Time& member) { return put(name, FieldKind::Time, 0, &member); }
  template <std::size_t N>
  LayoutBuilder& add(const char* name, const Text<N>& member) {
    static_assert(sizeof(Text<N>) == N && std::is_standard_layout_v<Text<N>>,
                  "Text must be exactly its characters");
    return put(name, FieldKind::Text, N, &member);
  }

  std::vector<FieldDef> take() { return std::move(fields_); }

 private:
  LayoutBuilder& put(const char* name, FieldKind kind, std::uint32_t width, const void* member);

  const Record* base_;
  std::vector<FieldDef> fields_;
};

#define CRV_FIELD(member) .add(#member, member)

// A view of one field of one buffer. Values cross it in their storage form:
// whole numbers, dates, times and decimals as 64-bit integers (decimals
// scaled by their places), reals as double, text clipped of trailing spaces.
class FieldRef {
 public:
  FieldRef(Record& record, const FieldDef& def);
  // A value outside any record (a procedure's local value); `def` must
  // outlive the reference and its offset is ignored.
  FieldRef(void* address, const FieldDef& def) : base_(static_cast<char*>(address)), def_(&def) {}

  const FieldDef& def() const { return *def_; }
  const std::string& name() const { return def_->name; }
  FieldKind kind() const { return def_->kind; }

  std::int64_t integer() const;
  void setInteger(std::int64_t value);
  double real() const;
  void setReal(double value);
  std::string_view text() const;                 // clipped
  void setText(std::string_view value);          // cut at the width
  const char* rawText() const { return base_; }  // the padded characters

  // Zero, no date or all spaces.
  bool isBlank() const;
  void clear();

  // Plain text form ("-12.50", "1234", "Acme", a date as its day number) and
  // its parser, for generic copying and settings. Returns false when the text
  // does not fit the field's kind.
  std::string toString() const;
  bool assign(std::string_view plain);

 private:
  char* base_;
  const FieldDef* def_;
};

class Record {
 public:
  virtual ~Record() = default;

  virtual const RecordLayout& layout() const = 0;

  // Every field to zero, no date, or all spaces.
  void clear();
  FieldRef field(std::string_view name);  // throws std::out_of_range
  FieldRef field(std::size_t index) { return FieldRef(*this, layout().at(index)); }
  bool hasField(std::string_view name) const { return layout().indexOf(name) >= 0; }
  // Copies the fields of another buffer of the same layout.
  void copyFrom(const Record& other);
  // Copies the fields at the layout positions `fields` of another buffer
  // of the same layout; the others keep their values.
  void copyFields(const Record& other, const std::vector<int>& fields);
  // Takes from `after` every field whose value differs from `before` (all
  // three of one layout); the other fields keep this buffer's values. For
  // writing back only what a person changed over a row read again since.
  void applyChanges(const Record& before, const Record& after);
  // Copies, from a buffer of another layout, every field whose name this
  // buffer has too; the others keep their values. Texts are cut at this
  // buffer's width (never inside a UTF-8 character) or padded, whole
  // numbers keep their low bits when the field is narrower, and values of
  // different kinds go through their plain text form.
  void copyFieldsByName(const Record& other);
  // True when every field of the key holds the same value in both buffers.
  bool sameKeyValues(const Record& other, const KeyDef& key) const;
  // True when every field holds the same value in both buffers of one type.
  bool sameValues(const Record& other) const;

 protected:
  Record() = default;
  Record(const Record&) = default;
  Record& operator=(const Record&) = default;
};

// Builds the layout of a record type once, from a default-constructed
// prototype whose describe() lists the fields.
template <class R>
const RecordLayout& layoutOf() {
  static const RecordLayout layout = [] {
    auto prototype = std::make_unique<R>();
    LayoutBuilder builder(*prototype);
    prototype->describe(builder);
    return RecordLayout(builder.take());
  }();
  return layout;
}

}  // namespace crv
