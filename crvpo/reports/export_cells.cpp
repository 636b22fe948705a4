// Export cells.
#include "crvpo/reports/export_cells.h"

#include "host/framework/values/picture.h"

namespace crvpo {

namespace {

const crv::Picture& twoPlaces() {
  static const crv::Picture picture = crv::Picture::parse("@n-18.2");
  return picture;
}
const crv::Picture& fourPlaces() {
  static const crv::Picture picture = crv::Picture::parse("@n-18.4");
  return picture;
}

}  // namespace

std::string amountCell(crv::Amount value) { return twoPlaces().formatTrimmed(value); }
std::string quantityCell(crv::Quantity value) { return fourPlaces().formatTrimmed(value); }
std::string priceCell(double value) { return fourPlaces().formatTrimmed(value); }

std::string dateCell(crv::Date value) {
  static const crv::Picture picture = crv::Picture::parse("@d1b");
  return picture.formatTrimmed(value);
}

std::string tabbed(std::initializer_list<std::string_view> cells) {
  std::string line;
  bool first = true;
  for (std::string_view cell : cells) {
    if (!first) line += '\t';
    line += cell;
    first = false;
  }
  return line;
}

}  // namespace crvpo
