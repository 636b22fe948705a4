// Paper, orientation and margins of a report's pages, in points (1/72 inch).
//
// Letter portrait with half-inch margins is the default; A4 and landscape
// are the other choices. Every coordinate of the report engine is in points
// from the top-left corner, y growing downwards, so nothing needs converting
// between the layout, the PDF page and the previewer's picture.
#pragma once

namespace crv {

enum class PaperSize { Letter, A4 };
enum class Orientation { Portrait, Landscape };

struct Margins {
  double left = 36;
  double top = 36;
  double right = 36;
  double bottom = 36;
};

struct PageSetup {
  PaperSize paper = PaperSize::Letter;
  Orientation orientation = Orientation::Portrait;
  Margins margins;

  // Page size after orientation.
  double width() const;
  double height() const;
  // The area inside the margins.
  double contentWidth() const { return width() - margins.left - margins.right; }
  double contentHeight() const { return height() - margins.top - margins.bottom; }
};

}  // namespace crv
