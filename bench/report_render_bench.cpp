// Lays out and renders purchase orders to one PDF file: by default 1,000
// orders of 10 lines, each order starting at page 1 (header blocks with
// company, vendor and ship-to, a boxed line table, totals, a footer with
// "Page N of M"). Prints pages per second and the peak resident memory
// (VmHWM) after 100, 500 and all orders, so that memory growing with the
// pages already written would show; then the rate of previewer pictures.
//
//   report_render_bench [orders] [pdf file]   (default 1000, a temporary file)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "host/framework/report/paginator.h"
#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"
#include "host/render/pango_text_measurer.h"
#include "host/render/pdf_renderer.h"
#include "host/render/png_renderer.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Line {
  std::string item;
  crv::Quantity quantity;
  std::string description;
  std::string unit;
  double unitPrice = 0;
  crv::Amount amount;
};

struct Order {
  std::string number;
  crv::Date issued;
  std::string vendor;
  std::string vendorLine1;
  std::string vendorLine2;
  std::string shipTo;
  std::string job;
  Line line;
  crv::Amount subtotal;
  crv::Amount tax;
  crv::Amount total;
};

crv::Font font(double size, bool bold = false) { return crv::Font{"DejaVu Sans", size, bold, false}; }

void buildForm(crv::Report& report, Order& order) {
  crv::Band& form = report.form;
  form.addText(340, 0, 200, "PURCHASE ORDER", font(16, true), crv::Align::Right);
  for (auto [x, caption] : {std::pair{0.0, "VENDOR"}, {280.0, "SHIP TO"}})
    form.addText(x, 70, 100, caption, font(7, true));
  form.addBox(0, 140, 540, 30, 0.5);
  const char* captions[] = {"PURCH. AGENT", "CONTACT", "DELIVERY DATE", "SHIP VIA", "F.O.B.", "TERMS"};
  for (int i = 0; i < 6; ++i) form.addText(4 + i * 90, 142, 86, captions[i], font(6, true));
  form.addBox(0, 178, 540, 470, 0.75);
  form.addBox(0, 178, 540, 16, 0.75, crv::Color::gray(230));
  form.addText(4, 182, 60, "ITEM", font(7, true));
  form.addText(70, 182, 60, "QUANTITY", font(7, true), crv::Align::Right);
  form.addText(140, 182, 220, "MATERIALS AND/OR SERVICES TO BE FURNISHED", font(7, true));
  form.addText(370, 182, 40, "UNIT", font(7, true));
  form.addText(410, 182, 60, "UNIT PRICE", font(7, true), crv::Align::Right);
  form.addText(476, 182, 60, "AMOUNT", font(7, true), crv::Align::Right);
  for (double x : {68.0, 136.0, 366.0, 406.0, 472.0}) form.addLine(x, 178, x, 648, 0.5);
  form.addText(0, 668, 270, "By_________________________________  Date_____________", font(8));
  form.addText(280, 668, 260, "By_________________________________  Date_____________", font(8));

  crv::Band& header = report.pageHeader;
  header.setHeight(196);
  header.addText(0, 0, 300, "Sample Contracting Ltd.", font(12, true));
  header.addText(0, 16, 300, "4100 Commerce Drive, Suite 200", font(8));
  header.addText(0, 26, 300, "Springfield, IL  62701", font(8));
  header.addText(0, 36, 300, "(217) 555-0100  FAX(217) 555-0101", font(8));
  header.addBound(
      340, 22, 200, [&order] { return "NUMBER: " + order.number; }, font(10, true), crv::Align::Right);
  header.addField(340, 36, 200, order.issued, "@d1B", font(9), crv::Align::Right);
  header.addField(0, 82, 260, order.vendor, "@s50", font(9, true));
  header.addField(0, 94, 260, order.vendorLine1, "@s40", font(9));
  header.addField(0, 106, 260, order.vendorLine2, "@s40", font(9));
  header.addField(280, 82, 260, order.shipTo, "@s30", font(9, true));
  header.addField(280, 94, 260, order.vendorLine1, "@s40", font(9));
  header.addField(280, 106, 260, order.job, "@s50", font(9));
  header.addText(4, 152, 86, "J. Doe", font(8));
  header.addText(94, 152, 86, "Site office", font(8));
  header.addField(184, 152, 86, order.issued, "@d01b", font(8));
  header.addText(274, 152, 86, "Truck", font(8));
  header.addText(364, 152, 86, "Destination", font(8));
  header.addText(454, 152, 86, "Net 30", font(8));

  crv::Band& detail = report.band("PODetail", crv::BandKind::Detail, 13);
  detail.addField(4, 1, 62, order.line.item, "@s15", font(8));
  detail.addField(70, 1, 62, order.line.quantity, "@n-12.4B", font(8));
  detail.addField(140, 1, 224, order.line.description, "@s60", font(8)).wrap = true;
  detail.addField(370, 1, 34, order.line.unit, "@s4", font(8));
  detail.addField(410, 1, 60, order.line.unitPrice, "@n-15.4", font(8));
  detail.addField(476, 1, 60, order.line.amount, "@n-15.2", font(8));

  crv::Band& totals = report.band("Totals", crv::BandKind::GroupFooter, 48);
  totals.addLine(340, 4, 536, 4);
  totals.addText(340, 8, 100, "Subtotal:", font(8));
  totals.addField(440, 8, 96, order.subtotal, "@n-17.2b", font(8));
  totals.addText(340, 20, 100, "Tax (   6.250%):", font(8));
  totals.addField(440, 20, 96, order.tax, "@n-17.2b", font(8));
  totals.addText(340, 32, 100, "TOTAL SUM OF", font(9, true));
  totals.addField(440, 32, 96, order.total, "@n-17.2b", font(9, true));

  crv::Band& footer = report.pageFooter;
  footer.setHeight(36);
  footer.addText(0, 4, 540, "All deliveries must reference the purchase order number.", font(7));
  footer.addText(0, 20, 200, "Sample Contracting Ltd.", font(7));
  footer.addField(200, 20, 200, order.vendor, "@s50", font(7));
  footer.addPageNumber(400, 20, 140, "Page {page} of {pages}", font(7), crv::Align::Right);
}

void fillOrder(Order& order, int number) {
  order.number = std::to_string(24000 + number);
  order.issued = crv::Date::compose(7, 4, 2024);
  order.vendor = "Vendor " + std::to_string(number % 313) + " Building Supply";
  order.vendorLine1 = std::to_string(100 + number % 900) + " Industrial Way";
  order.vendorLine2 = "Springfield, IL  62701";
  order.shipTo = "Job site " + std::to_string(number % 41);
  order.job = "(2024-" + std::to_string(number % 41) + ") Riverside Clinic";
}

}  // namespace

int main(int argc, char** argv) {
  int orders = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::filesystem::path file = argc > 2 ? std::filesystem::path(argv[2])
                                        : std::filesystem::temp_directory_path() / "report_render_bench.pdf";
  constexpr int linesPerOrder = 10;

  crv::Report report;
  Order order;
  buildForm(report, order);
  crv::PangoTextMeasurer measurer;
  crv::PdfRenderer pdf(file);
  crv::Paginator paginator(report, measurer, pdf);

  // CPU time too: on a busy machine the wall clock also counts waiting.
  std::printf("%7s %6s %8s %8s %11s %11s %10s %10s\n", "orders", "pages", "wall s", "cpu s", "pages/s",
              "pages/cpu-s", "VmHWM KiB", "VmRSS KiB");
  Clock::time_point start = Clock::now();
  double cpuStart = bench::cpuSeconds();
  auto report_line = [&](int done) {
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    double cpu = bench::cpuSeconds() - cpuStart;
    std::printf("%7d %6d %8.2f %8.2f %11.1f %11.1f %10ld %10ld\n", done, pdf.pagesWritten(), seconds, cpu,
                pdf.pagesWritten() / seconds, pdf.pagesWritten() / cpu, bench::statusKiB("VmHWM:"),
                bench::statusKiB("VmRSS:"));
  };
  for (int n = 1; n <= orders; ++n) {
    fillOrder(order, n);
    crv::Amount subtotal;
    for (int i = 1; i <= linesPerOrder; ++i) {
      order.line.item = "BLK-" + std::to_string(800 + i);
      order.line.quantity = crv::Quantity::fromRaw(120000L * i);
      order.line.description = "Concrete block 8x8x16 standard weight, pallet " + std::to_string(n * 10 + i);
      order.line.unit = "EA";
      order.line.unitPrice = 1.85;
      order.line.amount = crv::Amount::fromRaw(2220L * i);
      subtotal += order.line.amount;
      paginator.print("PODetail");
    }
    order.subtotal = subtotal;
    order.tax = crv::multiply(subtotal, 0.0625);
    order.total = order.subtotal + order.tax;
    paginator.print("Totals");
    paginator.restartPageNumbers();
    if (n == 100 || n == 500) report_line(n);
  }
  paginator.finish();
  pdf.finish();
  report_line(orders);
  std::printf("PDF: %s, %.1f MiB\n", file.c_str(), std::filesystem::file_size(file) / 1048576.0);

  // The previewer's pictures: the first pages again at 96 dpi.
  crv::PageCollector preview;
  crv::Paginator again(report, measurer, preview);
  for (int n = 1; n <= 20; ++n) {
    fillOrder(order, n);
    for (int i = 0; i < linesPerOrder; ++i) again.print("PODetail");
    again.print("Totals");
    again.restartPageNumbers();
  }
  again.finish();
  crv::PngRenderer png(96);
  Clock::time_point pngStart = Clock::now();
  std::size_t bytes = 0;
  for (const crv::LaidOutPage& page : preview.pages()) bytes += png.render(page).bytes.size();
  double pngSeconds = std::chrono::duration<double>(Clock::now() - pngStart).count();
  std::printf("PNG at 96 dpi: %zu pages, %.1f pages/s, %.0f KiB a page\n", preview.pages().size(),
              preview.pages().size() / pngSeconds, bytes / 1024.0 / preview.pages().size());
  return 0;
}
