// Values behind controls: showing them under a picture and reading typed
// text back.
#include "host/framework/ui/binding.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "host/framework/values/deformat.h"

namespace crv::ui {
namespace {

const Picture& defaultDatePicture() {
  static const Picture picture = Picture::parse("@d2");
  return picture;
}

// The range a whole-number kind can hold.
std::pair<std::int64_t, std::int64_t> rangeOf(FieldKind kind) {
  switch (kind) {
    case FieldKind::Id:
      return {0, std::numeric_limits<std::uint32_t>::max()};
    case FieldKind::UShort:
      return {0, std::numeric_limits<std::uint16_t>::max()};
    case FieldKind::Byte:
      return {0, std::numeric_limits<std::uint8_t>::max()};
    case FieldKind::Long:
    case FieldKind::Date:
    case FieldKind::Time:
      return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    default:
      return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};
  }
}

std::string shortest(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string cutToPicture(std::string_view typed, const Picture* picture) {
  if (picture && picture->kind() == PictureKind::String &&
      typed.size() > static_cast<std::size_t>(picture->width()))
    return std::string(typed.substr(0, utf8CutLength(typed, static_cast<std::size_t>(picture->width()))));
  return std::string(typed);
}

// Stores decimal text (already free of pictures) into a numeric field.
bool storeNumber(FieldRef& ref, std::string_view plain) {
  if (ref.kind() == FieldKind::Real) {
    double value = 0;
    const auto text = trim(plain);
    if (text.empty()) {
      ref.setReal(0);
      return true;
    }
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    ref.setReal(value);
    return true;
  }
  auto scaled = detail::parseScaled(plain, decimalPlaces(ref.kind()));
  if (!scaled) return false;
  const auto [low, high] = rangeOf(ref.kind());
  if (*scaled < low || *scaled > high) return false;
  ref.setInteger(static_cast<std::int64_t>(*scaled));
  return true;
}

}  // namespace

std::string formatTime(Time time) {
  if (!time.isValid()) return {};
  char buffer[16];
  if (time.second() == 0 && time.hundredths() == 0)
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", time.hour(), time.minute());
  else
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.hour(), time.minute(), time.second());
  return buffer;
}

std::optional<Time> parseTime(std::string_view typed) {
  const auto text = trim(typed);
  if (text.empty()) return Time();
  int parts[3] = {0, 0, 0};
  int count = 0;
  std::size_t at = 0;
  for (;;) {
    const std::size_t colon = text.find(':', at);
    const auto piece = text.substr(at, colon == std::string_view::npos ? text.npos : colon - at);
    if (count == 3 || piece.empty() || piece.size() > 2) return std::nullopt;
    auto result = std::from_chars(piece.data(), piece.data() + piece.size(), parts[count]);
    if (result.ec != std::errc() || result.ptr != piece.data() + piece.size()) return std::nullopt;
    ++count;
    if (colon == std::string_view::npos) break;
    at = colon + 1;
  }
  if (count < 2) return std::nullopt;
  Time time = Time::compose(parts[0], parts[1], parts[2]);
  if (time.isNone()) return std::nullopt;
  return time;
}

Binding Binding::field(FieldRef ref) {
  Binding b;
  b.ref_ = ref;
  return b;
}

Binding Binding::field(Record& record, const void* member) {
  const auto offset = static_cast<const char*>(member) - reinterpret_cast<const char*>(&record);
  for (const FieldDef& def : record.layout().fields())
    if (def.offset == offset) return field(FieldRef(record, def));
  throw std::invalid_argument("Binding: the member is not a field of the record");
}

Binding Binding::make(void* address, FieldKind kind, std::uint32_t width, std::string& name) {
  Binding b;
  auto def = std::make_shared<FieldDef>(FieldDef{std::move(name), kind, width, 0});
  b.ref_ = FieldRef(address, *def);
  b.ownDef_ = std::move(def);
  return b;
}

Binding Binding::local(std::string& value, std::string name) {
  Binding b;
  b.string_ = &value;
  b.stringName_ = std::move(name);
  return b;
}

FieldKind Binding::kind() const { return ref_ ? ref_->kind() : FieldKind::Text; }

const std::string& Binding::name() const { return ref_ ? ref_->name() : stringName_; }

std::string Binding::plain() const {
  if (string_) return *string_;
  if (!ref_) return {};
  if (ref_->kind() == FieldKind::Real) return shortest(ref_->real());
  return ref_->toString();
}

bool Binding::setPlain(std::string_view plain) {
  if (string_) {
    *string_ = std::string(plain);
    return true;
  }
  if (!ref_) return false;
  if (ref_->kind() == FieldKind::Text) {
    ref_->setText(plain);
    return true;
  }
  return storeNumber(*ref_, plain);
}

bool Binding::isBlank() const {
  if (string_) return clip(*string_).empty();
  return !ref_ || ref_->isBlank();
}

void Binding::clear() {
  if (string_)
    string_->clear();
  else if (ref_)
    ref_->clear();
}

std::string Binding::format(const Picture* picture) const {
  if (string_) return picture ? std::string(clip(picture->format(*string_))) : *string_;
  if (!ref_) return {};
  const FieldRef& r = *ref_;
  switch (r.kind()) {
    case FieldKind::Text:
      return picture ? std::string(clip(picture->format(r.text()))) : std::string(r.text());
    case FieldKind::Amount:
      return picture ? picture->formatTrimmed(Amount::fromRaw(r.integer()))
                     : Amount::fromRaw(r.integer()).toString();
    case FieldKind::Quantity:
      return picture ? picture->formatTrimmed(Quantity::fromRaw(r.integer()))
                     : Quantity::fromRaw(r.integer()).toString();
    case FieldKind::Real:
      return picture ? picture->formatTrimmed(r.real()) : shortest(r.real());
    case FieldKind::Date: {
      const Date date = Date::fromDay(static_cast<std::int32_t>(r.integer()));
      return (picture ? picture : &defaultDatePicture())->formatTrimmed(date);
    }
    case FieldKind::Time: {
      if (picture && picture->kind() == PictureKind::Number) return picture->formatTrimmed(r.integer());
      return formatTime(Time::fromRaw(static_cast<std::int32_t>(r.integer())));
    }
    default:
      return picture ? picture->formatTrimmed(r.integer()) : std::to_string(r.integer());
  }
}

bool Binding::parse(std::string_view typed, const Picture* picture) {
  if (string_) {
    *string_ = cutToPicture(typed, picture);
    return true;
  }
  if (!ref_) return false;
  FieldRef& r = *ref_;
  const PictureKind pictureKind = picture ? picture->kind() : PictureKind::String;
  if (r.kind() == FieldKind::Text) {
    if (pictureKind == PictureKind::Number) {
      auto number = picture->parseNumber(typed);
      if (!number) return false;
      r.setText(*number);
      return true;
    }
    if (pictureKind == PictureKind::Date) {
      auto date = picture->parseDate(typed);
      if (!date) return false;
      r.setText(picture->formatTrimmed(*date));
      return true;
    }
    r.setText(cutToPicture(typed, picture));
    return true;
  }
  if (r.kind() == FieldKind::Time && pictureKind != PictureKind::Number) {
    auto time = parseTime(typed);
    if (!time) return false;
    r.setInteger(time->raw());
    return true;
  }
  if (r.kind() == FieldKind::Date || pictureKind == PictureKind::Date) {
    if (pictureKind == PictureKind::Number) {
      auto number = picture->parseNumber(typed);
      return number && storeNumber(r, *number);
    }
    const Picture& datePicture = pictureKind == PictureKind::Date ? *picture : defaultDatePicture();
    auto date = datePicture.parseDate(typed);
    if (!date) return false;
    if (r.kind() == FieldKind::Date) {
      r.setInteger(date->day());
      return true;
    }
    return storeNumber(r, std::to_string(date->day()));
  }
  auto number = pictureKind == PictureKind::Number ? picture->parseNumber(typed) : readNumber(typed);
  return number && storeNumber(r, *number);
}

}  // namespace crv::ui
