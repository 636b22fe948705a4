// Record layouts and generic field access.
#include "host/framework/record/record.h"

#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>

namespace crv {
namespace {

bool equalNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

template <class T>
T load(const char* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

template <class T>
void store(char* p, T value) {
  std::memcpy(p, &value, sizeof value);
}

}  // namespace

RecordLayout::RecordLayout(std::vector<FieldDef> fields) : fields_(std::move(fields)) {}

int RecordLayout::indexOf(std::string_view name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (equalNoCase(fields_[i].name, name)) return static_cast<int>(i);
  return -1;
}

std::vector<int> RecordLayout::indexesOf(std::initializer_list<std::string_view> names) const {
  std::vector<int> indexes;
  for (std::string_view name : names) {
    const int index = indexOf(name);
    if (index < 0) throw std::out_of_range("no field " + std::string(name));
    indexes.push_back(index);
  }
  return indexes;
}

LayoutBuilder& LayoutBuilder::put(const char* name, FieldKind kind, std::uint32_t width, const void* member) {
  const auto offset = static_cast<const char*>(member) - reinterpret_cast<const char*>(base_);
  fields_.push_back(FieldDef{name, kind, width, offset});
  return *this;
}

FieldRef::FieldRef(Record& record, const FieldDef& def)
    : base_(reinterpret_cast<char*>(&record) + def.offset), def_(&def) {}

std::int64_t FieldRef::integer() const {
  switch (def_->kind) {
    case FieldKind::Id:
      return load<std::uint32_t>(base_);
    case FieldKind::UShort:
      return load<std::uint16_t>(base_);
    case FieldKind::Long:
      return load<std::int32_t>(base_);
    case FieldKind::Byte:
      return load<std::uint8_t>(base_);
    case FieldKind::Amount:
    case FieldKind::Quantity:
      return load<std::int64_t>(base_);
    case FieldKind::Date:
    case FieldKind::Time:
      return load<std::int32_t>(base_);
    case FieldKind::Real:
      return static_cast<std::int64_t>(load<double>(base_));
    case FieldKind::Text:
      break;
  }
  throw std::logic_error("field " + def_->name + " is not numeric");
}

void FieldRef::setInteger(std::int64_t value) {
  switch (def_->kind) {
    case FieldKind::Id:
      store(base_, static_cast<std::uint32_t>(value));
      return;
    case FieldKind::UShort:
      store(base_, static_cast<std::uint16_t>(value));
      return;
    case FieldKind::Long:
      store(base_, static_cast<std::int32_t>(value));
      return;
    case FieldKind::Byte:
      store(base_, static_cast<std::uint8_t>(value));
      return;
    case FieldKind::Amount:
    case FieldKind::Quantity:
      store(base_, value);
      return;
    case FieldKind::Date:
    case FieldKind::Time:
      store(base_, static_cast<std::int32_t>(value));
      return;
    case FieldKind::Real:
      store(base_, static_cast<double>(value));
      return;
    case FieldKind::Text:
      break;
  }
  throw std::logic_error("field " + def_->name + " is not numeric");
}

double FieldRef::real() const {
  if (def_->kind == FieldKind::Real) return load<double>(base_);
  if (def_->kind == FieldKind::Amount) return Amount::fromRaw(integer()).toDouble();
  if (def_->kind == FieldKind::Quantity) return Quantity::fromRaw(integer()).toDouble();
  return static_cast<double>(integer());
}

void FieldRef::setReal(double value) {
  if (def_->kind == FieldKind::Real)
    store(base_, value);
  else if (def_->kind == FieldKind::Amount)
    setInteger(Amount::fromDouble(value).raw());
  else if (def_->kind == FieldKind::Quantity)
    setInteger(Quantity::fromDouble(value).raw());
  else
    setInteger(static_cast<std::int64_t>(value));
}

std::string_view FieldRef::text() const {
  if (def_->kind != FieldKind::Text) throw std::logic_error("field " + def_->name + " is not text");
  std::size_t n = def_->width;
  while (n > 0 && base_[n - 1] == ' ') --n;
  return std::string_view(base_, n);
}

void FieldRef::setText(std::string_view value) {
  if (def_->kind != FieldKind::Text) throw std::logic_error("field " + def_->name + " is not text");
  const std::size_t n = std::min<std::size_t>(value.size(), def_->width);
  std::memcpy(base_, value.data(), n);
  std::memset(base_ + n, ' ', def_->width - n);
}

bool FieldRef::isBlank() const {
  switch (def_->kind) {
    case FieldKind::Text:
      return text().empty();
    case FieldKind::Real:
      return load<double>(base_) == 0.0;
    default:
      return integer() == 0;
  }
}

void FieldRef::clear() {
  if (def_->kind == FieldKind::Text)
    std::memset(base_, ' ', def_->width);
  else if (def_->kind == FieldKind::Real)
    store(base_, 0.0);
  else
    setInteger(0);
}

std::string FieldRef::toString() const {
  switch (def_->kind) {
    case FieldKind::Text:
      return std::string(text());
    case FieldKind::Real: {
      std::string s = std::to_string(real());
      return s;
    }
    case FieldKind::Amount:
      return Amount::fromRaw(integer()).toString();
    case FieldKind::Quantity:
      return Quantity::fromRaw(integer()).toString();
    default:
      return std::to_string(integer());
  }
}

bool FieldRef::assign(std::string_view plain) {
  switch (def_->kind) {
    case FieldKind::Text:
      setText(plain);
      return true;
    case FieldKind::Amount: {
      auto v = Amount::parse(plain);
      if (!v) return false;
      setInteger(v->raw());
      return true;
    }
    case FieldKind::Quantity: {
      auto v = Quantity::parse(plain);
      if (!v) return false;
      setInteger(v->raw());
      return true;
    }
    case FieldKind::Real: {
      try {
        std::size_t used = 0;
        const double v = std::stod(std::string(plain), &used);
        if (used != plain.size()) return false;
        setReal(v);
        return true;
      } catch (const std::exception&) {
        return false;
      }
    }
    default: {
      try {
        std::size_t used = 0;
        const long long v = std::stoll(std::string(plain), &used);
        if (used != plain.size()) return false;
        setInteger(v);
        return true;
      } catch (const std::exception&) {
        return false;
      }
    }
  }
}

void Record::clear() {
  for (std::size_t i = 0; i < layout().size(); ++i) field(i).clear();
}

FieldRef Record::field(std::string_view name) {
  const int index = layout().indexOf(name);
  if (index < 0) throw std::out_of_range("no field " + std::string(name));
  return field(static_cast<std::size_t>(index));
}

namespace {

// The bytes a field takes in its buffer.
std::size_t storedSize(const FieldDef& def) {
  switch (def.kind) {
    case FieldKind::Text:
      return def.width;
    case FieldKind::Amount:
    case FieldKind::Quantity:
    case FieldKind::Real:
      return 8;
    case FieldKind::UShort:
      return 2;
    case FieldKind::Byte:
      return 1;
    default:
      return 4;
  }
}

const char* bytesOf(const Record& record, const FieldDef& def) {
  return reinterpret_cast<const char*>(&record) + def.offset;
}

}  // namespace

void Record::copyFrom(const Record& other) {
  if (&other.layout() != &layout()) throw std::logic_error("copying between different record types");
  for (const auto& def : layout().fields())
    std::memcpy(reinterpret_cast<char*>(this) + def.offset, bytesOf(other, def), storedSize(def));
}

void Record::copyFields(const Record& other, const std::vector<int>& fields) {
  if (&other.layout() != &layout()) throw std::logic_error("copying fields between different record types");
  for (int index : fields) {
    const FieldDef& def = layout().at(static_cast<std::size_t>(index));
    std::memcpy(reinterpret_cast<char*>(this) + def.offset, bytesOf(other, def), storedSize(def));
  }
}

void Record::applyChanges(const Record& before, const Record& after) {
  if (&before.layout() != &layout() || &after.layout() != &layout())
    throw std::logic_error("applying changes between different record types");
  for (const auto& def : layout().fields()) {
    const std::size_t size = storedSize(def);
    if (std::memcmp(bytesOf(before, def), bytesOf(after, def), size) != 0)
      std::memcpy(reinterpret_cast<char*>(this) + def.offset, bytesOf(after, def), size);
  }
}

namespace {

bool isWholeNumber(FieldKind kind) {
  return kind != FieldKind::Text && kind != FieldKind::Real && kind != FieldKind::Amount &&
         kind != FieldKind::Quantity;
}

void copyValue(const FieldRef& from, FieldRef to) {
  if (from.kind() == FieldKind::Text && to.kind() == FieldKind::Text) {
    const std::string_view text = from.text();
    to.setText(text.substr(0, utf8CutLength(text, to.def().width)));
  } else if (from.kind() == to.kind() && to.kind() == FieldKind::Real) {
    to.setReal(from.real());
  } else if (from.kind() == to.kind() || (isWholeNumber(from.kind()) && isWholeNumber(to.kind()))) {
    to.setInteger(from.integer());
  } else {
    to.assign(from.toString());
  }
}

// For each field of `target`, the index of the field of the same name in
// `source`, or -1. Worked out once for each pair of layouts and kept, as
// batch runs copy many rows between the same two.
const std::vector<int>& fieldsByName(const RecordLayout& target, const RecordLayout& source) {
  static std::mutex mutex;
  static std::map<std::pair<const RecordLayout*, const RecordLayout*>, std::vector<int>> matches;
  std::lock_guard<std::mutex> lock(mutex);
  auto [it, added] = matches.try_emplace({&target, &source});
  if (added)
    for (const FieldDef& field : target.fields()) it->second.push_back(source.indexOf(field.name));
  return it->second;
}

}  // namespace

void Record::copyFieldsByName(const Record& other) {
  auto& source = const_cast<Record&>(other);
  const std::vector<int>& from = fieldsByName(layout(), source.layout());
  for (std::size_t i = 0; i < from.size(); ++i)
    if (from[i] >= 0) copyValue(source.field(static_cast<std::size_t>(from[i])), field(i));
}

bool Record::sameKeyValues(const Record& other, const KeyDef& key) const {
  auto& self = const_cast<Record&>(*this);
  auto& that = const_cast<Record&>(other);
  for (std::size_t i = 0; i < key.size(); ++i) {
    FieldRef a = self.field(key.fields[i]);
    FieldRef b = that.field(key.fields[i]);
    if (a.kind() == FieldKind::Text) {
      if (a.text() != b.text()) return false;
    } else if (a.kind() == FieldKind::Real) {
      if (a.real() != b.real()) return false;
    } else if (a.integer() != b.integer()) {
      return false;
    }
  }
  return true;
}

bool Record::sameValues(const Record& other) const {
  if (&other.layout() != &layout()) return false;
  auto& self = const_cast<Record&>(*this);
  auto& that = const_cast<Record&>(other);
  for (std::size_t i = 0; i < layout().size(); ++i)
    if (self.field(i).toString() != that.field(i).toString()) return false;
  return true;
}

}  // namespace crv
