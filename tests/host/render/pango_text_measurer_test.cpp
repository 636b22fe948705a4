// Measurement with the installed fonts: proportional widths that scale with
// the size, bold wider than regular, sane line metrics, and bad bytes.
#include "host/render/pango_text_measurer.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(PangoTextMeasurer, MeasuresProportionalTextInPoints) {
  PangoTextMeasurer measurer;
  Font regular;
  Font large{"DejaVu Sans", 20, false, false};
  Font bold{"DejaVu Sans", 10, true, false};
  EXPECT_EQ(measurer.textWidth(regular, ""), 0);
  double wide = measurer.textWidth(regular, "WWWW");
  EXPECT_GT(wide, 1.5 * measurer.textWidth(regular, "iiii"));
  EXPECT_GT(wide, 20);
  EXPECT_LT(wide, 60);
  EXPECT_NEAR(measurer.textWidth(large, "Purchase Order"), 2 * measurer.textWidth(regular, "Purchase Order"),
              0.5);
  EXPECT_GT(measurer.textWidth(bold, "Purchase Order"), measurer.textWidth(regular, "Purchase Order"));
  EXPECT_EQ(measurer.textWidth(regular, "cached"), measurer.textWidth(regular, "cached"));
  EXPECT_GT(measurer.textWidth(regular, std::string("bad \xff\xfe bytes")), 0);

  FontMetrics metrics = measurer.metrics(regular);
  EXPECT_GT(metrics.ascent, 7);
  EXPECT_GT(metrics.descent, 1);
  EXPECT_NEAR(metrics.ascent + metrics.descent, metrics.lineHeight, 1e-9);
  EXPECT_GT(metrics.lineHeight, 10);
  EXPECT_LT(metrics.lineHeight, 14);
}

}  // namespace
}  // namespace crv
