// The sample purchase-order layout, in points on a Letter page.
#include "support/sample_order_report.h"

namespace crv::test {

namespace {

Font bold(double size) { return Font{"DejaVu Sans", size, true, false}; }

}  // namespace

SampleOrder makeSampleOrder(int number, int lines) {
  SampleOrder order;
  order.number = std::to_string(number);
  order.issued = Date::compose(7, 4, 2024);
  order.vendor = "Vendor " + std::to_string(number % 97) + " Supply Co.";
  order.vendorLines = {"120 Industrial Way", "Springfield, IL  62701"};
  Amount total;
  for (int i = 1; i <= lines; ++i) {
    SampleLine line;
    line.item = "ITEM-" + std::to_string(i);
    line.quantity = Quantity::fromRaw(10000L * i);
    line.description = "Concrete block 8x8x16, lot " + std::to_string(i);
    line.unit = "EA";
    line.amount = Amount::fromRaw(1850L * i);
    total += line.amount;
    order.lines.push_back(line);
  }
  order.total = total;
  return order;
}

SampleOrderReport::SampleOrderReport() {
  Band& form = report_.form;
  form.addText(360, 0, 180, "PURCHASE ORDER", bold(16), Align::Right);
  form.addText(0, 70, 100, "VENDOR", bold(8));
  form.addText(280, 70, 100, "SHIP TO", bold(8));
  form.addBox(0, 150, 540, 520, 0.75);
  form.addBox(0, 150, 540, 20, 0.75, Color::gray(230));
  form.addText(4, 155, 60, "ITEM", bold(8));
  form.addText(70, 155, 70, "QUANTITY", bold(8), Align::Right);
  form.addText(150, 155, 230, "MATERIALS AND/OR SERVICES TO BE FURNISHED", bold(8));
  form.addText(390, 155, 40, "UNIT", bold(8));
  form.addText(440, 155, 96, "AMOUNT", bold(8), Align::Right);
  form.addText(0, 690, 300, "By_________________________________  Date_____________");

  Band& header = report_.pageHeader;
  header.setHeight(175);
  header.addText(0, 0, 300, "Sample Contracting Ltd.", bold(12));
  header.addBound(
      360, 22, 180, [this] { return "NUMBER: " + order_.number; }, {}, Align::Right);
  header.addField(360, 36, 180, order_.issued, "@d1B", {}, Align::Right);
  header.addField(0, 84, 260, order_.vendor, "@s50");
  header.addBound(0, 98, 260, [this] { return order_.vendorLines.size() > 0 ? order_.vendorLines[0] : ""; });
  header.addBound(0, 112, 260, [this] { return order_.vendorLines.size() > 1 ? order_.vendorLines[1] : ""; });

  Band& detail = report_.band("Detail", BandKind::Detail, 14);
  detail.addField(4, 2, 64, line_.item, "@s15");
  detail.addField(70, 2, 70, line_.quantity, "@n-12.4B");
  detail.addField(150, 2, 230, line_.description, "@s60").wrap = true;
  detail.addField(390, 2, 40, line_.unit, "@s4");
  detail.addField(440, 2, 96, line_.amount, "@n-15.2");

  Band& text = report_.band("TextLine", BandKind::Detail, 14);
  text.addBound(150, 2, 230, [this] { return line_.description; }).wrap = true;

  Band& totals = report_.band("Totals", BandKind::GroupFooter, 30);
  totals.addLine(300, 4, 536, 4);
  totals.addText(300, 10, 120, "TOTAL SUM OF", bold(10));
  totals.addField(420, 10, 116, order_.total, "@n-17.2b", bold(10));

  Band& footer = report_.pageFooter;
  footer.setHeight(40);
  footer.addText(0, 20, 250, "Sample Contracting Ltd.", Font{"DejaVu Sans", 8, false, true});
  footer.addField(250, 20, 150, order_.vendor, "@s50", Font{"DejaVu Sans", 8, false, false});
  footer.addPageNumber(400, 20, 140, "Page {page} of {pages}", Font{"DejaVu Sans", 8, false, false},
                       Align::Right);
}

void SampleOrderReport::print(Paginator& paginator, const SampleOrder& order) {
  order_ = order;
  for (const SampleLine& line : order.lines) {
    line_ = line;
    paginator.print(line.textLine ? "TextLine" : "Detail");
  }
  paginator.print("Totals");
  paginator.restartPageNumbers();
}

}  // namespace crv::test
