// The plain-text dump of laid-out pages against a stored copy: two sample
// purchase orders, the second running over two pages. Set
// CRV_UPDATE_GOLDEN=1 to rewrite the stored copy after an intended change.
#include "host/framework/report/laid_out_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/framework/report/fixed_width_measurer.h"
#include "support/sample_order_report.h"

namespace crv {
namespace {

TEST(LaidOutPage, DumpsSampleOrdersAsStored) {
  test::SampleOrderReport sample;
  FixedWidthMeasurer measurer;
  PageCollector pages;
  Paginator paginator(sample.report(), measurer, pages);
  test::SampleOrder first = test::makeSampleOrder(1001, 2);
  first.lines[0].description = "A description long enough that it wraps onto a second line of the table";
  first.lines.push_back({"", {}, "Deliver to the north gate before 7 am.", "", {}, true});
  sample.print(paginator, first);
  sample.print(paginator, test::makeSampleOrder(1002, 40));
  paginator.finish();

  std::string dump;
  for (const LaidOutPage& page : pages.pages()) dump += page.dump();
  const std::string stored = CRV_SOURCE_DIR "/tests/host/framework/report/golden/sample_orders.txt";
  if (std::getenv("CRV_UPDATE_GOLDEN")) std::ofstream(stored, std::ios::binary) << dump;
  std::ifstream in(stored, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << stored;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(dump, expected.str());
  EXPECT_EQ(pages.pages().size(), 3u);
}

}  // namespace
}  // namespace crv
