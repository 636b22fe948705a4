// Formatting table fields for list columns.
#include "host/framework/ui/browse_column.h"

namespace crv::ui {

std::string formatField(FieldRef field, const std::optional<Picture>& picture) {
  if (!picture) return field.toString();
  switch (field.kind()) {
    case FieldKind::Text:
      return picture->format(field.text());
    case FieldKind::Amount:
      return picture->format(Amount::fromRaw(field.integer()));
    case FieldKind::Quantity:
      return picture->format(Quantity::fromRaw(field.integer()));
    case FieldKind::Real:
      return picture->format(field.real());
    case FieldKind::Date:
      return picture->format(Date::fromDay(static_cast<std::int32_t>(field.integer())));
    default:
      if (picture->kind() == PictureKind::String) return picture->format(field.toString());
      return picture->format(field.integer());
  }
}

}  // namespace crv::ui
