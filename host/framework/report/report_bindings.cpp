// Published names and how their values print.
#include "host/framework/report/report_bindings.h"

#include "host/framework/report/field_dictionary.h"
#include "host/framework/values/text.h"

namespace crv {

std::string ReportBindings::key(std::string_view name) { return toUpperAscii(name); }

double numberOf(const FieldRef& value) {
  switch (value.kind()) {
    case FieldKind::Text:
      return 0;
    case FieldKind::Real:
      return value.real();
    case FieldKind::Amount:
      return Amount::fromRaw(value.integer()).toDouble();
    case FieldKind::Quantity:
      return Quantity::fromRaw(value.integer()).toDouble();
    default:
      return static_cast<double>(value.integer());
  }
}

void ReportBindings::bind(std::string_view name, FieldRef value) {
  values_.insert_or_assign(key(name), Bound{std::string(name), value});
}

void ReportBindings::bindTable(const DictionaryTable& table, Record& record) {
  for (const DictionaryField& field : table.fields) {
    const auto colon = field.name.find(':');
    bind(field.name, record.field(colon == std::string::npos ? field.name : field.name.substr(colon + 1)));
  }
}

const FieldRef* ReportBindings::find(std::string_view name) const {
  auto it = values_.find(key(name));
  return it == values_.end() ? nullptr : &it->second.value;
}

std::string ReportBindings::formatted(const FieldRef& value, std::string_view picture) {
  if (picture.empty()) return formatted(value, nullptr);
  const Picture parsed = Picture::parse(picture);
  return formatted(value, &parsed);
}

std::string ReportBindings::formatted(const FieldRef& value, const Picture* picture) {
  if (!picture) return std::string(value.kind() == FieldKind::Text ? value.text() : value.toString());
  const Picture& shown = *picture;
  if (value.kind() == FieldKind::Text && shown.kind() != PictureKind::String)
    return std::string(value.text());
  switch (value.kind()) {
    case FieldKind::Text:
      return shown.formatTrimmed(value.text());
    case FieldKind::Amount:
      return shown.formatTrimmed(Amount::fromRaw(value.integer()));
    case FieldKind::Quantity:
      return shown.formatTrimmed(Quantity::fromRaw(value.integer()));
    case FieldKind::Real:
      return shown.formatTrimmed(value.real());
    case FieldKind::Date:
      return shown.formatTrimmed(Date::fromDay(static_cast<std::int32_t>(value.integer())));
    default:
      return shown.formatTrimmed(value.integer());
  }
}

}  // namespace crv
