// The field dictionary and its text form.
#include "host/framework/report/field_dictionary.h"

#include <cctype>
#include <charconv>

namespace crv {
namespace {

constexpr std::string_view processedFiles = "@ProcessedFiles|1|0|";
constexpr std::string_view dataSection = "@Data|2|-1|";
constexpr std::string_view othersSection = "@Others|1|0|";

std::string fieldText(const DictionaryField& field) {
  return field.label + "|5|" + std::to_string(field.level) + "|" + field.name + "|" + field.picture + "|";
}

std::vector<std::string> items(std::string_view text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '|') continue;
    out.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  if (start < text.size()) out.emplace_back(text.substr(start));
  return out;
}

std::optional<int> integer(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool quotedName(const std::string& item) {
  return item.size() >= 2 && item.front() == '"' && item.back() == '"';
}

}  // namespace

std::string FieldDictionary::text() const {
  std::string out(processedFiles);
  out += reportType + "|";
  for (const DictionaryTable& table : tables) {
    out += "\"" + table.name + "\"|" + std::to_string(static_cast<int>(table.kind)) + "|" +
           std::to_string(table.level()) + "|" + table.name + "|";
    for (const DictionaryField& field : table.fields) out += fieldText(field);
  }
  out += dataSection;
  for (const DictionaryField& field : data) out += fieldText(field);
  out += othersSection;
  return out;
}

std::optional<FieldDictionary> FieldDictionary::parse(std::string_view text) {
  if (!text.starts_with(processedFiles)) return std::nullopt;
  const std::vector<std::string> all = items(text.substr(processedFiles.size()));
  if (all.empty()) return std::nullopt;
  FieldDictionary dictionary;
  dictionary.reportType = all[0];
  std::vector<DictionaryField>* fields = nullptr;
  const auto have = [&all](std::size_t count, std::size_t at) { return at + count <= all.size(); };
  for (std::size_t at = 1; at < all.size();) {
    const std::string& item = all[at];
    if (item == "@Others") return dictionary;
    if (item == "@Data" && have(3, at)) {
      fields = &dictionary.data;
      at += 3;
    } else if (quotedName(item) && have(4, at)) {
      const auto kind = integer(all[at + 1]);
      if (!kind || (*kind != 2 && *kind != 3 && *kind != 4)) return std::nullopt;
      DictionaryTable& table = dictionary.tables.emplace_back();
      table.name = all[at + 3];
      table.kind = static_cast<DictionaryTableKind>(*kind);
      fields = &table.fields;
      at += 4;
    } else if (fields && have(5, at) && all[at + 1] == "5" && integer(all[at + 2])) {
      fields->push_back(DictionaryField{item, all[at + 3], all[at + 4], *integer(all[at + 2])});
      at += 5;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;  // no closing "@Others"
}

std::vector<const DictionaryField*> FieldDictionary::allFields() const {
  std::vector<const DictionaryField*> out;
  for (const DictionaryTable& table : tables)
    for (const DictionaryField& field : table.fields) out.push_back(&field);
  for (const DictionaryField& field : data) out.push_back(&field);
  return out;
}

const DictionaryField* FieldDictionary::find(std::string_view name) const {
  for (const DictionaryField* field : allFields())
    if (field->name == name) return field;
  return nullptr;
}

std::string fieldLabel(std::string_view fieldName) {
  std::string label;
  for (std::size_t i = 0; i < fieldName.size(); ++i) {
    const char c = fieldName[i];
    const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
    const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(fieldName[i - 1])) != 0;
    const bool beforeLower = i + 1 < fieldName.size() &&
                             std::islower(static_cast<unsigned char>(fieldName[i + 1])) && i > 0 &&
                             std::isupper(static_cast<unsigned char>(fieldName[i - 1]));
    if (upper && (afterLower || beforeLower)) label += ' ';
    label += c;
  }
  return label;
}

std::string defaultPicture(const FieldDef& field) {
  switch (field.kind) {
    case FieldKind::Text:
      return "@s" + std::to_string(field.width);
    case FieldKind::Amount:
      return "@n-15.2";
    case FieldKind::Quantity:
      return "@n-15.4";
    case FieldKind::Real:
      return "@n-15.4";
    case FieldKind::Date:
      return "@d1";
    case FieldKind::Id:
      return "@n13";
    case FieldKind::Long:
      return "@n-11";
    case FieldKind::UShort:
      return "@n5";
    case FieldKind::Byte:
      return "@n3";
    case FieldKind::Time:
      return "@n8";
  }
  return "@s20";
}

DictionaryTable dictionaryTable(std::string name, DictionaryTableKind kind, std::string_view prefix,
                                const RecordLayout& layout, const std::vector<std::string>& only) {
  DictionaryTable table;
  table.name = std::move(name);
  table.kind = kind;
  auto add = [&](const FieldDef& field) {
    table.fields.push_back(DictionaryField{fieldLabel(field.name), std::string(prefix) + ":" + field.name,
                                           defaultPicture(field), table.fieldLevel()});
  };
  if (only.empty()) {
    for (const FieldDef& field : layout.fields()) add(field);
  } else {
    for (const std::string& wanted : only)
      if (const int index = layout.indexOf(wanted); index >= 0)
        add(layout.at(static_cast<std::size_t>(index)));
  }
  return table;
}

}  // namespace crv
