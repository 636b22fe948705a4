// A report drawn in the report designer: what the report file holds
// (docs/REPORT-FILES.md) and what the designer edits. The designer runtime
// turns it into a Report for the paginator and prints it over the records
// its procedure feeds.
//
// A definition names its report type (the procedure that may run it), its
// page, how its procedure's view is sorted and filtered, and its bands. A
// band is printed at a fixed moment of the run (kind) and holds items in
// band coordinates (points from the band's top-left corner, which sits on
// the left margin). Fields are read from the procedure's published names
// ("POP:PONumber", "CompanyName") under a picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/report/band_item.h"
#include "host/framework/report/color.h"
#include "host/framework/report/font.h"
#include "host/framework/report/page_setup.h"

namespace crv {

// When a band prints. Header and Footer print once per record of the
// primary table, before and after its child records; Detail once per child
// record; Summary once after the last record.
enum class DefinedBandKind { Form, PageHeader, Header, Detail, Footer, Summary, PageFooter };

enum class DefinedItemKind { Text, Field, PageNumber, Line, Box, Image };

struct DefinedItem {
  DefinedItemKind kind = DefinedItemKind::Text;
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double x2 = 0;  // a line's end
  double y2 = 0;
  std::string text;        // a caption; a page-number pattern ("Page {page} of {pages}")
  std::string name;        // a field: the published name it shows
  std::string picture;     // a field: how it shows ("@n-15.2")
  std::string expression;  // a field computed by an expression instead of a name
  Font font;
  Color color;
  Align align = Align::Left;
  bool wrap = false;
  double thickness = 0.5;
  std::optional<Color> fill;
  std::string file;  // an image: the picture file, relative to the report file's folder
  ImageFit fit = ImageFit::KeepAspect;

  bool isTextual() const {
    return kind == DefinedItemKind::Text || kind == DefinedItemKind::Field ||
           kind == DefinedItemKind::PageNumber;
  }
};

struct DefinedBand {
  DefinedBandKind kind = DefinedBandKind::Detail;
  std::string name;  // optional; detail bands of one kind are told apart by it
  double height = 0;
  // Prints only when the condition holds: "NAME=VALUE", "NAME<>VALUE", or
  // "=" followed by an expression. Blank: always.
  std::string when;
  bool newPage = false;             // a Header: each record starts on a new page
  bool restartPageNumbers = false;  // ... numbered from 1
  std::vector<DefinedItem> items;
};

struct ReportDefinition {
  // The version of the file format this program writes and reads.
  static constexpr int formatVersion = 1;

  std::string type;  // "PrintPurchaseOrder", "PrintPOListFM"
  std::string name;
  PageSetup page;
  std::string order;         // the view's sort: published names, "-" before one for descending
  std::string filter;        // the view's filter; "=" first: an expression that gives the filter
  bool printDialog = false;  // ask for the destination before the run
  std::vector<DefinedBand> bands;

  // The band of that kind (and name, when given), or nullptr.
  DefinedBand* find(DefinedBandKind kind, std::string_view bandName = {});
  // The band of that kind, added at its place in the run order when missing.
  DefinedBand& band(DefinedBandKind kind);
};

// "PageHeader", "Detail", ...; the parsers answer nullopt for other text.
std::string_view bandKindName(DefinedBandKind kind);
std::optional<DefinedBandKind> bandKindNamed(std::string_view name);
std::string_view itemKindName(DefinedItemKind kind);
std::optional<DefinedItemKind> itemKindNamed(std::string_view name);

}  // namespace crv
