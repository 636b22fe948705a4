// Paper sizes in points: Letter 8.5 x 11 in, A4 210 x 297 mm.
#include "host/framework/report/page_setup.h"

namespace crv {

namespace {

double portraitWidth(PaperSize paper) { return paper == PaperSize::A4 ? 595.2756 : 612.0; }
double portraitHeight(PaperSize paper) { return paper == PaperSize::A4 ? 841.8898 : 792.0; }

}  // namespace

double PageSetup::width() const {
  return orientation == Orientation::Portrait ? portraitWidth(paper) : portraitHeight(paper);
}

double PageSetup::height() const {
  return orientation == Orientation::Portrait ? portraitHeight(paper) : portraitWidth(paper);
}

}  // namespace crv
