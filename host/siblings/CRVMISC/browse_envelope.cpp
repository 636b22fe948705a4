// Envelopes and labels.
#include "host/siblings/CRVMISC/browse_envelope.h"

#include <cstdlib>

#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"
#include "host/siblings/CRVMISC/report_document.h"

namespace crv::siblings {
namespace {

using ui::Binding;
using ui::ButtonRole;
using ui::ControlKind;
using ui::Level;

constexpr double inch = 72;

template <class R>
std::vector<std::string> addressOf(const R& rec, std::string_view name) {
  return addressBlock(
      {std::string(name), rec.Address.str(), rec.Address2.str(),
       rec.City.str() + (rec.City.empty() ? "" : ", ") + rec.State.str() + "  " + rec.Zip.str()});
}

void addLines(Band& band, double x, double y, const std::vector<std::string>& lines, double size) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    band.addText(x, y + static_cast<double>(i) * size * 1.3, 4 * inch, lines[i], Font{"DejaVu Sans", size});
}

}  // namespace

BrowseEnvelopeWindow::BrowseEnvelopeWindow() : WindowManager("BrowseEnvelope") {
  ui::Window& w = window();
  w.setTitle("Envelopes and Labels");
  w.setIcon("print");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "envelope_label");
  w.addPrompt("?Address:Prompt", "Address:");
  w.add(ControlKind::Text, "?Address").bind(Binding::local(shown_, "LOC:Address")).setReadOnly(true);
  ui::Control& kind = w.add(ControlKind::Option, "?Kind", "Print").bind(Binding::local(kind_, "LOC:Kind"));
  w.add(ControlKind::Radio, "?Kind:Envelope", "&Envelope (#10)").in(kind).setRadioValue("E");
  w.add(ControlKind::Radio, "?Kind:Label", "&Label").in(kind).setRadioValue("L");
  w.addButton("?Print", "&Print").setDefault();
  w.addButton("?Close", "Close", ButtonRole::Close);
  readAddress(REPORTFILTER.str());
  onAccepted("?Print", [this] { print(); });
}

Level BrowseEnvelopeWindow::opening() {
  if (address_.empty()) {
    shown_ = "There is no address for \"" + REPORTFILTER.str() + "\".";
    control("?Print").disable();
  }
  return Level::Benign;
}

void BrowseEnvelopeWindow::readAddress(const std::string& owner) {
  const std::string table(trim(std::string_view(owner).substr(0, std::min<std::size_t>(owner.size(), 10))));
  const Id number =
      owner.size() > 10 ? static_cast<Id>(std::strtoul(owner.c_str() + 10, nullptr, 10)) : Id{0};
  if (table == "APVendor") {
    PrivateTable<APVendorRecord> vendor(APVendor);
    vendor.rec.VendorID = number;
    if (vendor.fetch(APVendorRecord::KeyVendorID))
      address_ = addressOf(vendor.rec, vendor.rec.VendorName.view());
  } else if (table == "ARCust") {
    PrivateTable<ARCustRecord> customer(ARCust);
    customer.rec.CustomerID = number;
    if (customer.fetch(ARCustRecord::KeyCustomerID))
      address_ = addressOf(customer.rec, customer.rec.Name.view());
  }
  PrivateTable<SystemsRecord> company(Systems);
  if (company.isOpen() && company.table.set(SystemsRecord::KeySystemID) == TableStatus::Ok &&
      company.table.next() == TableStatus::Ok)
    returnAddress_ = addressBlock(
        {company.rec.CompanyName.str(), company.rec.Address1.str(), company.rec.Address2.str(),
         company.rec.City.str() + ", " + company.rec.State.str() + "  " + company.rec.Zip.str()});
  for (const std::string& line : address_) shown_ += (shown_.empty() ? "" : "\n") + line;
}

void BrowseEnvelopeWindow::print() {
  Report report;
  Band& piece = report.band("piece");
  if (kind_ == "L") {
    // One 2-5/8 by 1 inch label at the top left of a sheet of labels.
    report.page.margins = {0.19 * inch, 0.5 * inch, 0.19 * inch, 0.5 * inch};
    piece.setHeight(1 * inch);
    addLines(piece, 0.15 * inch, 0.1 * inch, address_, 8);
  } else {
    // A #10 envelope (9-1/2 by 4-1/8 inches) fed in landscape against the
    // top left corner of the page.
    report.page.orientation = Orientation::Landscape;
    report.page.margins = {0.25 * inch, 0.25 * inch, 0.25 * inch, 0.25 * inch};
    piece.setHeight(4.125 * inch - 0.5 * inch);
    addLines(piece, 0, 0, returnAddress_, 9);
    addLines(piece, 4 * inch, 1.75 * inch, address_, 12);
  }
  printReportDocument(report, kind_ == "L" ? "Label" : "Envelope",
                      [&](Paginator& pages) { pages.print(piece); });
}

}  // namespace crv::siblings

void BrowseEnvelope() { crv::siblings::BrowseEnvelopeWindow().run(); }
