// The field dictionary a report procedure hands to the designer runtime:
// the tables it feeds and the names it publishes, each with a label and a
// picture, so that the designer can offer them and a report can use them.
//
// Its text form is a run of "|"-separated items: "@ProcessedFiles|1|0|"
// and the report type; per table its quoted name, its kind (2 the primary
// table, 4 a child table, 3 a lookup table), its level (-1 primary, -2
// related) and its name; per field its label, 5, its level (2 in the
// primary table, 3 in related ones), its name and its picture
// ("User ID|5|2|POP:UserID|@s3|"); then "@Data|2|-1|" with the procedure's
// own values as fields of level 2, and "@Others|1|0|" at the end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/record/record.h"

namespace crv {

enum class DictionaryTableKind { Primary = 2, Lookup = 3, Child = 4 };

struct DictionaryField {
  std::string label;
  std::string name;  // "POP:UserID", or an own value's name ("CompanyName")
  std::string picture;
  int level = 2;
};

struct DictionaryTable {
  std::string name;  // "POPrint"
  DictionaryTableKind kind = DictionaryTableKind::Primary;
  std::vector<DictionaryField> fields;

  int level() const { return kind == DictionaryTableKind::Primary ? -1 : -2; }
  int fieldLevel() const { return kind == DictionaryTableKind::Primary ? 2 : 3; }
};

struct FieldDictionary {
  std::string reportType;
  std::vector<DictionaryTable> tables;
  std::vector<DictionaryField> data;  // the procedure's own values

  std::string text() const;
  // Nullopt for text that is not a dictionary.
  static std::optional<FieldDictionary> parse(std::string_view text);

  // Every published name, tables first.
  std::vector<const DictionaryField*> allFields() const;
  const DictionaryField* find(std::string_view name) const;
};

// A table's fields as published: "PREFIX:Field" names, labels made from the
// field names ("ShipToName" becomes "Ship To Name") and the pictures the
// field kinds show with. `only`, when not empty, picks and orders the fields.
DictionaryTable dictionaryTable(std::string name, DictionaryTableKind kind, std::string_view prefix,
                                const RecordLayout& layout, const std::vector<std::string>& only = {});

// "ShipToName" -> "Ship To Name", "POID" -> "POID", "UD1" -> "UD1".
std::string fieldLabel(std::string_view fieldName);
// The picture a field of that kind and width shows with.
std::string defaultPicture(const FieldDef& field);

}  // namespace crv
