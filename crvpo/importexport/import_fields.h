// Where the fields of an import line go and how their text is read.
//
// Each field code names a member of a header or detail entry; its value
// kind says how the text becomes that member: text cut to its width (never
// inside a UTF-8 character), whole numbers, amounts, quantities, prices and
// dates (import_values.h). A field that is not a value of its kind answers
// the text of the rejection; a date that is not one is a warning.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crvpo/importexport/import_layout.h"
#include "crvpo/importexport/import_preview.h"
#include "crvpo/importexport/import_values.h"

namespace crvpo {

// The member a field's value goes to; exactly one pointer is set, none for
// a field that is read and ignored.
struct FieldTarget {
  std::string* text = nullptr;
  ImportDetail::Ref* ref = nullptr;
  crv::Date* date = nullptr;
  crv::Amount* amount = nullptr;
  crv::Quantity* quantity = nullptr;
  crv::Id* number = nullptr;
  std::uint8_t* flag = nullptr;
  double* real = nullptr;
};

FieldTarget headerTarget(HeaderField field, ImportHeader& header);
FieldTarget detailTarget(DetailField field, ImportDetail& detail);

class FieldReader {
 public:
  // Warnings go to `warnings`; detail texts are kept in `texts`.
  FieldReader(const std::optional<DateFormat>& dates, std::vector<std::string>& warnings,
              ImportPreview* texts = nullptr)
      : dates_(dates), warnings_(warnings), texts_(texts) {}

  // Places quantities are rounded to.
  void setQuantityPlaces(int places) { quantityPlaces_ = places; }

  // Reads one field; the rejection text when its value cannot be read.
  std::optional<std::string> read(std::string_view value, ValueKind kind, std::string_view contents,
                                  int width, const FieldTarget& target);

 private:
  const std::optional<DateFormat>& dates_;
  std::vector<std::string>& warnings_;
  ImportPreview* texts_;
  int quantityPlaces_ = crv::Quantity::places;
};

// The type code of a detail line: "J", "E", "G" or "I" in either case, and
// in the exchange file also "Job", "Equipment", "G/L Account" and
// "Inventory"; 0 for anything else.
char detailTypeCode(std::string_view value, bool exchange);
// The stored detail type of a code: "Job", "Equipment", "G/L Account",
// "Inventory", or blank.
std::string_view detailTypeName(char code);

// Text cut to `width` bytes without splitting a character.
std::string_view cutText(std::string_view text, int width);

std::string quoteNotClosedText(std::string_view contents);

}  // namespace crvpo
