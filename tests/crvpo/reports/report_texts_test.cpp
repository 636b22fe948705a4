// The report run's texts and the messages of a run that printed nothing:
// the texts of RPTPREVIEW.INI replace the defaults, and a preview names
// how many orders the limits left out.
#include "crvpo/reports/report_texts.h"

#include <fstream>

#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/purchase_order_print.h"
#include "tests/crvpo/reports/print_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

class ReportTextsTest : public test::PrintFixture {
 protected:
  void TearDown() override {
    IniPath.clear();
    GLO.PrintPreview = 0;
    test::PrintFixture::TearDown();
  }
};

TEST_F(ReportTextsTest, SettingsFileReplacesDefaultsAndEmptyRunsSaySo) {
  EXPECT_EQ(ReportTexts::load(folder / "missing.ini").NothingToPrntText, "Nothing to Print.");
  std::ofstream(folder / "RPTPREVIEW.INI") << "[DISPLAY STRINGS 2.0]\nNothingToPrntText=Rien a imprimer.\n";
  IniPath = folder.path().string();
  const ReportTexts texts = ReportTexts::loadDefault();
  EXPECT_EQ(texts.NothingToPrntText, "Rien a imprimer.");
  EXPECT_EQ(texts.NothingToPrntTitle, "NOTE...");

  addSystems();
  addOrder("1");
  addOrder("2");
  DecimalVariable = Amount(999);  // no such order: an empty batch
  CreatePOPrint();
  PrintPurchaseOrderStandard();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "NOTE...");
  EXPECT_EQ(messages.shown[0].text, "Rien a imprimer.");

  GLO.PrintPreview = 1;
  PrintPurchaseOrderStandard();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].title, "Nothing to Print...");
  EXPECT_EQ(messages.shown[1].text, "Your Limits have excluded both records!");
}

}  // namespace
}  // namespace crvpo
