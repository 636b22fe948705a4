// Names and properties of field kinds.
#include "host/framework/record/field_def.h"

#include <cstring>

namespace crv {

std::string_view fieldKindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::Id:
      return "identifier";
    case FieldKind::UShort:
      return "ushort";
    case FieldKind::Long:
      return "long";
    case FieldKind::Byte:
      return "byte";
    case FieldKind::Amount:
      return "amount";
    case FieldKind::Quantity:
      return "quantity";
    case FieldKind::Real:
      return "real";
    case FieldKind::Date:
      return "date";
    case FieldKind::Time:
      return "time";
    case FieldKind::Text:
      return "text";
  }
  return "unknown";
}

bool isIntegerKind(FieldKind kind) { return kind != FieldKind::Real && kind != FieldKind::Text; }

int decimalPlaces(FieldKind kind) {
  if (kind == FieldKind::Amount) return 2;
  if (kind == FieldKind::Quantity) return 4;
  return 0;
}

bool KeyDef::sameAs(const KeyDef& other) const {
  return this == &other || std::strcmp(name, other.name) == 0;
}

}  // namespace crv
