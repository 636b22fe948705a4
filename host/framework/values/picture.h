// Display pictures: how a value is shown in a window, a list or a report,
// and how text the user typed under that picture is read back.
//
// Grammar (letters in any case, the leading '@' optional, spaces around the
// picture ignored):
//
//   @s<w>                       text of w bytes (1..65535), left-aligned,
//                               cut at w without splitting a UTF-8 character
//   @n[-][_]<w>[.<p>][~lit~][b] number
//   @d<style>[b]                date; style 1 or 01, 2 or 02, 17 or 017
//
// Numbers: w (1..255) is the width of the number part including its sign,
// separators and decimal point; p (0..18) the decimal places (default 0).
// The value is rounded half away from zero to p places and shown
// right-aligned in w characters; a whole part of 0 shows as "0" ("0.50").
//   '-'    signed picture. A negative value always shows a leading '-',
//          with or without this flag, so that a value is never shown with
//          the wrong sign; the flag only documents the field.
//   '_'    no thousands separator (without it, ',' groups the whole part).
//   ~lit~  literal text appended after the number part, e.g. "~%~".
//   'b'    a value that rounds to zero shows blank.
// A value whose text needs more than w characters shows as '#' across the
// whole display width, never with digits cut off. The display width is w
// plus the length of the literal. Flags may come in either order.
//
// Dates: style 1 shows MM/DD/YY (8 wide, "07/04/24"); styles 2 and 17 (the
// system's short date) show MM/DD/YYYY (10 wide); the '0' forms are the same
// pictures written with an explicit leading zero. A date of 0 ("no date")
// shows blank with or without 'b'. A day number that is not a calendar date
// shows as '#' across the width.
//
// Mixed uses: a whole number under a date picture is a day number; a Date
// under a number picture is its day number; numbers and dates under a text
// picture show as their plain text ("-12.50", the day number). Text under a
// number or date picture is a programming error (std::logic_error), as is
// parsing a number with a date picture or the reverse.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/deformat.h"
#include "host/framework/values/text.h"

namespace crv {

enum class PictureKind { String, Number, Date };

class Picture {
 public:
  // Throws std::invalid_argument for text that is not a picture above.
  static Picture parse(std::string_view picture);

  PictureKind kind() const { return kind_; }
  // Characters of formatted output (format() always returns exactly this).
  int displayWidth() const;
  // Text width, number-part width or date width.
  int width() const { return width_; }
  int places() const { return places_; }
  bool blankWhenZero() const { return blank_; }
  bool isSigned() const { return signed_; }
  bool grouped() const { return grouped_; }
  const std::string& literal() const { return literal_; }
  const std::string& source() const { return source_; }

  // Formatting returns exactly displayWidth() characters (bytes for text).
  template <std::integral I>
  requires(!std::same_as<I, bool>) std::string format(I value)
  const { return formatScaled(detail::Int128(value), 0); }
  template <int P>
  std::string format(Decimal<P> value) const {
    return formatScaled(value.raw(), P);
  }
  std::string format(double value) const;
  std::string format(Date value) const;
  std::string format(std::string_view value) const;
  template <std::size_t N>
  std::string format(const Text<N>& value) const {
    return format(value.view());
  }

  // The same without leading and trailing spaces ("left-aligned, clipped").
  template <class T>
  std::string formatTrimmed(const T& value) const {
    return std::string(trim(format(value)));
  }

  // Reads a number typed under a number picture: the picture's literal, '$'
  // and thousands separators are dropped, then readNumber() applies.
  // Returns plain decimal text, not rounded to the picture's places.
  std::optional<std::string> parseNumber(std::string_view shown) const;
  // parseNumber() read into a Decimal, rounded half away from zero to P.
  template <int P>
  std::optional<Decimal<P>> parseDecimal(std::string_view shown) const {
    auto text = parseNumber(shown);
    if (!text) return std::nullopt;
    return Decimal<P>::parse(*text);
  }

  // Reads a date typed under a date picture, month first whatever the
  // style: "7/4/24", "07/04/2024", "7-4-24", "7.4.24", "070424",
  // "07042024". Blank text is Date() (no date); anything that is not a
  // calendar date in range is nullopt. Two-digit years follow
  // Date::compose.
  std::optional<Date> parseDate(std::string_view shown) const;

 private:
  Picture() = default;

  std::string formatScaled(detail::Int128 value, int valuePlaces) const;
  std::string formatNumber(std::optional<detail::Int128> scaled) const;
  std::string formatDate(std::int64_t day) const;
  std::string fit(std::string_view text) const;  // pads or cuts to the width
  std::string hashes() const;
  void requireKind(PictureKind kind, const char* what) const;

  PictureKind kind_ = PictureKind::String;
  std::string source_;
  std::string literal_;
  int width_ = 0;
  int places_ = 0;
  int dateStyle_ = 0;
  bool blank_ = false;
  bool signed_ = false;
  bool grouped_ = true;
};

}  // namespace crv
