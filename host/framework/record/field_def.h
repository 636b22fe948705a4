// Field and key descriptions of a record buffer.
//
// A record buffer is a plain struct of value-typed members. Its layout lists
// every field with its name, kind, width and byte offset so that generic code
// (storage backends, window bindings, import and export) can read and write
// fields by name without knowing the struct.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

// GCC warns that scoped enumerators shadow the value types of the same
// name (Id, Amount, ...), which they cannot: they are always qualified.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
enum class FieldKind : std::uint8_t {
  Id,        // unsigned 32-bit identifier
  UShort,    // unsigned 16-bit whole number
  Long,      // signed 32-bit whole number
  Byte,      // one byte: flags and small codes
  Amount,    // fixed point, 2 places, raw value in 8 bytes
  Quantity,  // fixed point, 4 places, raw value in 8 bytes
  Real,      // binary floating point: unit prices and rates
  Date,      // day number, 0 = none
  Time,      // hundredths of a second since midnight plus one, 0 = none
  Text,      // fixed-width text padded with spaces
};
#pragma GCC diagnostic pop

std::string_view fieldKindName(FieldKind kind);

// Whole-number kinds are stored and exchanged as 64-bit integers; decimals
// as their raw scaled integer.
bool isIntegerKind(FieldKind kind);

// Decimal places carried by a kind (0 for everything but Amount and Quantity).
int decimalPlaces(FieldKind kind);

struct FieldDef {
  std::string name;
  FieldKind kind;
  std::uint32_t width;  // characters of a Text field, 0 otherwise
  std::ptrdiff_t offset;
};

// A key orders and finds the rows of a table. Defined as constant data so
// that keys can be named as static members of record types.
struct KeyDef {
  static constexpr std::size_t maxParts = 6;

  const char* name;
  std::array<const char*, maxParts> fields{};
  bool unique = false;
  // Rows whose key fields are all blank (spaces or zero) are left out of the
  // key: lists running on it do not show them.
  bool excludeBlank = false;
  // Text parts compare without regard to case.
  bool noCase = false;

  constexpr std::size_t size() const {
    std::size_t n = 0;
    while (n < maxParts && fields[n] != nullptr) ++n;
    return n;
  }
  bool sameAs(const KeyDef& other) const;
};

}  // namespace crv
