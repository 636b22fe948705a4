// Layout and printing of the purchase-order listing. Coordinates are points
// on a portrait Letter page inside 36pt margins (540 wide).
#include "crvpo/reports/po_listing_report.h"

#include "crvpo/reports/address_lines.h"
#include "crvpo/reports/export_cells.h"
#include "host/data/shared_values.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/values/picture.h"

namespace crvpo {

using crv::Align;
using crv::BandKind;
using crv::TableStatus;

namespace {

constexpr double landscapeStretch = 1.3;
const crv::Color overReconciledColour{192, 0, 0};

crv::Font plain(double size) { return crv::Font{"DejaVu Sans", size, false, false}; }
crv::Font bold(double size) { return crv::Font{"DejaVu Sans", size, true, false}; }

const crv::Font data = plain(6.5);
const crv::Font caption = bold(6.5);

// Every horizontal position, and every width above 10 points, stretched.
void stretch(crv::Band& band, double factor) {
  auto width = [factor](double w) { return w > 10 ? w * factor : w; };
  for (crv::BandItem& item : band.items()) {
    if (auto* text = std::get_if<crv::TextItem>(&item)) {
      text->x *= factor;
      text->width = width(text->width);
    } else if (auto* line = std::get_if<crv::LineItem>(&item)) {
      line->x1 *= factor;
      line->x2 *= factor;
    } else if (auto* box = std::get_if<crv::BoxItem>(&item)) {
      box->x *= factor;
      box->width = width(box->width);
    } else if (auto* image = std::get_if<crv::ImageItem>(&item)) {
      image->x *= factor;
      image->width = width(image->width);
    }
  }
}

// Columns of the order lines: item, catalogue number, description, last
// receipt, unit, ordered, received, unit cost, amount, account.
constexpr double itemX = 0, catalogX = 36, descriptionX = 98, receiptX = 250, unitX = 284, orderedX = 312,
                 receivedX = 358, costX = 404, amountX = 446, accountX = 498;
constexpr double numberWidth = 44;

}  // namespace

PurchaseOrderListing::PurchaseOrderListing(ListingSelection& selection, ListingNames& names,
                                           const std::vector<std::string>& limitLines,
                                           std::vector<std::string>* exportLines)
    : selection_(selection),
      names_(names),
      export_(exportLines),
      orders_(crv::POMaster),
      lines_(crv::PODetail),
      reconciled_(crv::POREC),
      invoices_(crv::APInv) {
  const crv::POLimitsRecord& limits = selection.limits();
  format_ = limits.SelectedCat == 2   ? ListingFormat::Summary
            : limits.SelectedCat == 1 ? ListingFormat::OmitLineItems
                                      : ListingFormat::Detailed;
  generic_ = crv::GENERIC != 0;
  companyName_ = crv::CompanyName.str();
  reportTitle_ = limits.ReportTitle.str();
  printed_on_ = crv::Date::today();
  design(limitLines);
  exportHeading();
}

void PurchaseOrderListing::design(const std::vector<std::string>& limitLines) {
  designHeader();
  if (format_ == ListingFormat::Summary)
    designSummaryBands();
  else
    designStandardBands();
  designFooter(limitLines);
  if (selection_.limits().Orientation == 'L') {
    report_.page.orientation = crv::Orientation::Landscape;
    stretch(report_.pageHeader, landscapeStretch);
    stretch(report_.pageFooter, landscapeStretch);
    for (const char* name : {"VendorInfo", "PODetail", "Text", "ReconcileDetail", "ReconcileTotal", "Blank",
                             "SalesTaxLine", "Total", "GrandTotal", "Summary", "SummaryGrandTotal"})
      if (report_.findBand(name)) stretch(report_.band(name), landscapeStretch);
  }
}

void PurchaseOrderListing::designHeader() {
  crv::Band& header = report_.pageHeader;
  header.setHeight(62);
  header.addField(0, 0, 340, companyName_, "@s40", bold(10));
  header.addText(0, 13, 340, "Purchase Order Listing", bold(12));
  header.addField(0, 29, 340, reportTitle_, "@s40", plain(8));
  header.addField(400, 0, 140, printed_on_, "@d2", plain(7), Align::Right);
  if (format_ == ListingFormat::Summary) {
    const std::pair<double, const char*> captions[] = {
        {0, "Ref #"}, {36, "PO #"}, {98, "Issue Date"}, {140, "Vendor"}, {286, generic_ ? "" : "Job"}};
    for (auto [x, text] : captions) header.addText(x, 50, 100, text, caption);
    header.addText(432, 50, 52, "PO Amount", caption, Align::Right);
    header.addText(488, 50, 52, "Open Amount", caption, Align::Right);
  } else {
    header.addText(itemX, 42, 34, "Item", caption);
    header.addText(catalogX, 42, 60, "Catalog", caption);
    header.addText(receiptX, 42, 32, "Last", caption);
    header.addText(accountX, 42, 42, "Disbursement", caption);
    header.addText(itemX, 50, 34, "ID", caption);
    header.addText(catalogX, 50, 60, "Number", caption);
    header.addText(descriptionX, 50, 150, "Description", caption);
    header.addText(receiptX, 50, 32, "Receipt", caption);
    header.addText(unitX, 50, 26, "Unit", caption);
    header.addText(orderedX, 50, numberWidth, "Ordered", caption, Align::Right);
    header.addText(receivedX, 50, numberWidth, "Received", caption, Align::Right);
    header.addText(costX, 50, numberWidth, "Unit Cost", caption, Align::Right);
    header.addText(amountX, 50, 46, "Amount", caption, Align::Right);
    header.addText(accountX, 50, 42, "Account", caption);
  }
  header.addLine(0, 59, 540, 59, 0.75);
}

void PurchaseOrderListing::designStandardBands() {
  crv::Band& vendor = report_.band("VendorInfo", BandKind::GroupHeader, 50);
  vendor.setKeepWithNext(true);
  vendor.addField(0, 2, 60, order_.poNumber, "@s15", bold(8));
  vendor.addBound(
      62, 3, 60, [this] { return "Ref # " + std::to_string(order_.poid); }, data);
  vendor.addField(130, 2, 40, order_.shipToCaption, "@s10", caption);
  vendor.addField(170, 2, 160, order_.shipToName, "@s50", bold(7));
  vendor.addText(335, 2, 35, "Vendor:", caption);
  vendor.addField(370, 2, 170, order_.vendorName, "@s50", bold(7));
  const std::pair<const char*, crv::Date*> dates[] = {
      {"Issued:", &order_.issued}, {"Accepted:", &order_.accepted}, {"Deliver:", &order_.delivery}};
  for (std::size_t i = 0; i < 3; ++i) {
    const double y = 12 + 9 * static_cast<double>(i);
    vendor.addText(0, y, 40, dates[i].first, caption);
    vendor.addField(42, y, 40, *dates[i].second, "@d01B", data);
    vendor.addField(170, y, 160, order_.shipToLines[i], "@s50", data);
    vendor.addField(370, y, 170, order_.vendorLines[i], "@s50", data);
  }
  if (!generic_) {
    vendor.addField(0, 39, 128, order_.jobString1, "@s25", data);
    vendor.addField(130, 39, 240, order_.jobString2, "@s50", data);
  }
  vendor.addLine(0, 48.5, 540, 48.5, 0.3);

  crv::Band& detail = report_.band("PODetail", BandKind::Detail, 9);
  detail.addField(itemX, 1, 34, line_.itemId, "@s7", data);
  detail.addField(catalogX, 1, 60, line_.catalog, "@s20", data);
  detail.addField(descriptionX, 1, 150, line_.description, "@s60", data).wrap = true;
  detail.addField(receiptX, 1, 32, line_.receipt, "@d01B", data);
  detail.addField(unitX, 1, 26, line_.unitName, "@s8", data);
  detail.addField(orderedX, 1, numberWidth, line_.ordered, "@n-17.4", data);
  detail.addField(costX, 1, numberWidth, line_.unitPrice, "@n-13.4", data);
  detail.addField(amountX, 1, 46, line_.total, "@n-13.2", data);
  detail.addField(accountX, 1, 42, line_.subsidiary, "@s25", data);

  crv::Band& text = report_.band("Text", BandKind::Detail, 9);
  text.addField(descriptionX, 1, 300, line_.text, "@s1000", data).wrap = true;

  crv::Band& reconcile = report_.band("ReconcileDetail", BandKind::Detail, 9);
  reconcile.addField(descriptionX, 1, 210, reconcile_.description, "@s80", plain(6));
  reconcile.addField(receivedX, 1, numberWidth, reconcile_.quantity, "@n-17.4", plain(6));
  reconcile.addField(costX, 1, numberWidth, reconcile_.unitPrice, "@n-13.4", plain(6));
  reconcile.addField(amountX, 1, 46, reconcile_.amount, "@n-13.2", plain(6));

  // Totals' captions end just before their amount fields, so that a wide
  // amount never runs into its caption.
  crv::Band& reconciledTotal = report_.band("ReconcileTotal", BandKind::GroupFooter, 10);
  reconciledTotal.addLine(amountX, 1, amountX + 46, 1, 0.3);
  reconciledTotal.addText(costX - 100, 2, amountX - 2 - (costX - 100), "Total Amount Reconciled:", bold(6),
                          Align::Right);
  reconciledTotal.addField(amountX, 2, 46, reconciledSum_, "@n-13.2", plain(6));

  report_.band("Blank", BandKind::GroupFooter, 4);
  crv::Band& tax = report_.band("SalesTaxLine", BandKind::GroupFooter, 9);
  tax.addText(costX - 60, 1, amountX - 2 - (costX - 60), "Sales Tax:", caption, Align::Right);
  tax.addField(amountX, 1, 46, order_.taxAmount, "@n-13.2", data);
  crv::Band& total = report_.band("Total", BandKind::GroupFooter, 16);
  total.addText(costX - 60, 1, amountX - 2 - (costX - 60), "Open Amount:", bold(7), Align::Right);
  totalOpenItem_ = total.items().size();
  total.addField(amountX, 1, 46, order_.openAmount, "@n-13.2", bold(7));
  total.addLine(0, 12, 540, 12, 0.5);

  crv::Band& grand = report_.band("GrandTotal", BandKind::GroupFooter, 16);
  grand.addText(costX - 100, 4, amountX - 12 - (costX - 100), "Grand Total Open:", bold(8), Align::Right);
  grandOpenItem_ = grand.items().size();
  grand.addField(amountX - 10, 4, 56, openTotal_, "@N-16.2", bold(8));
}

void PurchaseOrderListing::designSummaryBands() {
  crv::Band& summary = report_.band("Summary", BandKind::Detail, 9);
  summary.addField(0, 1, 30, order_.poid, "@n_7b", data);
  summary.addField(36, 1, 60, order_.poNumber, "@s15", data);
  summary.addField(98, 1, 40, order_.issued, "@d01B", data);
  summary.addField(140, 1, 144, order_.vendorString, "@s60", data);
  if (!generic_) summary.addField(286, 1, 144, order_.jobString3, "@s60", data);
  summary.addField(432, 1, 52, order_.originalAmount, "@n-15.2", data);
  summaryOpenItem_ = summary.items().size();
  summary.addField(488, 1, 52, order_.openAmount, "@n-15.2", data);

  crv::Band& grand = report_.band("SummaryGrandTotal", BandKind::GroupFooter, 16);
  grand.addLine(432, 2, 540, 2, 0.5);
  grand.addText(300, 5, 128, "Report  Totals:", bold(7), Align::Right);
  grandOpenItem_ = grand.items().size();
  grand.addField(488, 5, 52, openTotal_, "@N-15.2", bold(7));
  grand.addField(432, 5, 52, orderTotal_, "@n-15.2", bold(7));
}

void PurchaseOrderListing::designFooter(const std::vector<std::string>& limitLines) {
  constexpr double lineHeight = 7.5;
  crv::Band& footer = report_.pageFooter;
  footer.setHeight(6 + lineHeight * static_cast<double>(std::max<std::size_t>(limitLines.size(), 1)));
  footer.addLine(0, 1, 540, 1, 0.5);
  double y = 3;
  for (const std::string& line : limitLines) {
    footer.addText(0, y, 440, line, plain(6));
    y += lineHeight;
  }
  footer.addPageNumber(440, 3, 100, "Page {page}", plain(6.5), Align::Right);
}

void PurchaseOrderListing::print(std::string_view band) {
  if (paginator_) paginator_->print(band);
}

void PurchaseOrderListing::exportLine(std::string line) {
  if (export_) export_->push_back(std::move(line));
}

void PurchaseOrderListing::exportHeading() {
  exportLine(std::string(crv::clip(companyName_)));
  exportLine("Purchase Order Listing");
  exportLine("");
  const std::string jobCaption = generic_ ? "" : "Job";
  if (format_ == ListingFormat::Summary) {
    exportLine(tabbed({"Ref #", "PO #", "Issue Date", "Vendor", jobCaption, "PO Amount", "Open Amount"}));
    exportLine(std::string(150, '-'));
    return;
  }
  exportLine("Purchase Order\t\tItem\t\t\t\tDisbursement");
  exportLine("Reference\t\t\tCatalog\t\tLast");
  exportLine(
      "Number\tPO#\tID\tNumber\tDescription\tReceipt\tUnit Name\tOrdered\tReceived\tUnit "
      "Cost\tAmount\tAccount");
  exportLine(std::string(250, '-'));
}

void PurchaseOrderListing::loadOrder(const ListedOrder& listed) {
  order_ = OrderValues{};
  order_.poid = listed.poid;
  order_.taxAmount = listed.taxAmount;
  order_.openAmount = listed.openAmount;
  order_.originalAmount = listed.originalAmount;
  orders_.rec.clear();
  orders_.rec.POID = listed.poid;
  if (!orders_.fetch(crv::POMasterRecord::KeyPOID)) return;
  const crv::POMasterRecord& o = orders_.rec;
  order_.poNumber = o.PONumber.str();
  order_.issued = o.IssueDate;
  order_.accepted = o.DeliverAfterDate;
  order_.delivery = o.DeliveryDate;

  const ListingNames::Vendor& v = names_.vendor(o.VendorID);
  order_.vendorName = v.name;
  order_.vendorLines = v.lines;
  order_.vendorString = "(" + std::to_string(o.VendorID) + ") " + order_.vendorName;
  if (!o.ShipToName.empty()) {
    order_.shipToCaption = "Ship To:";
    order_.shipToName = o.ShipToName.str();
    order_.shipToLines =
        closedUpLines(o.ShipToAddress1.view(), o.ShipToAddress2.view(),
                      cityLine(o.ShipToCity.view(), o.ShipToState.view(), o.ShipToZip.view(), "  ", true));
  }
  if (!o.DefaultJob.empty()) {
    const std::string& name = names_.jobName(o.DefaultJob.str());
    order_.jobString1 = "Default Job: " + o.DefaultJob.str();
    order_.jobString2 = name;
    order_.jobString3 = "(" + o.DefaultJob.str() + ") " + name;
  }
}

void PurchaseOrderListing::setOpenColour(const std::string& band, std::size_t item, crv::Amount open) {
  auto& text = std::get<crv::TextItem>(report_.band(band).items()[item]);
  text.color = open < crv::Amount() ? overReconciledColour : crv::Color{};
}

void PurchaseOrderListing::printOrder(const ListedOrder& listed) {
  loadOrder(listed);
  ++printed_;
  openTotal_ += order_.openAmount;
  orderTotal_ += order_.originalAmount;
  if (format_ == ListingFormat::Summary) {
    setOpenColour("Summary", summaryOpenItem_, order_.openAmount);
    print("Summary");
    exportLine(
        tabbed({std::to_string(order_.poid), order_.poNumber, dateCell(order_.issued), order_.vendorString,
                order_.jobString3, amountCell(order_.originalAmount), amountCell(order_.openAmount)}));
    return;
  }
  print("VendorInfo");
  exportLine(tabbed({std::to_string(order_.poid), order_.poNumber, "", order_.shipToCaption,
                     order_.shipToName, "", "", "Vendor:", order_.vendorName}));
  const std::pair<const char*, crv::Date> dates[] = {
      {"Issued:\t", order_.issued}, {"Accepted:\t", order_.accepted}, {"Deliver:\t", order_.delivery}};
  for (std::size_t i = 0; i < 3; ++i)
    exportLine(std::string(dates[i].first) + dateCell(dates[i].second) + "\t\t\t" + order_.shipToLines[i] +
               "\t\t\t\t" + order_.vendorLines[i]);
  exportLine(std::string(250, '-'));

  lines_.rec.clear();
  lines_.rec.POID = listed.poid;
  if (lines_.table.setRange(crv::PODetailRecord::KeyPOID, 1) == TableStatus::Ok) {
    while (lines_.table.next() == TableStatus::Ok)
      if (selection_.linePasses(lines_.rec)) printLine();
  }
  print("Blank");
  exportLine("");
  if (!order_.taxAmount.isZero()) {
    print("SalesTaxLine");
    exportLine("\t\t\t\t\t\t\t\t\tSales Tax:\t" + amountCell(order_.taxAmount));
  }
  setOpenColour("Total", totalOpenItem_, order_.openAmount);
  print("Total");
  exportLine("\t\t\t\t\t\t\t\t\tOpen Amount:\t" + amountCell(order_.openAmount));
  exportLine(std::string(125, '='));
}

void PurchaseOrderListing::printLine() {
  const crv::PODetailRecord& d = lines_.rec;
  const bool detailed = format_ == ListingFormat::Detailed;
  if (d.TextFlag == 1) {
    if (!detailed) return;
    line_.text = d.Text.str();
    print("Text");
    exportLine("\t\t\t" + line_.text);
    return;
  }
  if (detailed) {
    line_.itemId = std::string(d.ItemID.view().substr(0, 7));
    line_.catalog = d.VendorCatalogID.str();
    line_.description = std::string(d.Description.view().substr(0, 60));
    line_.receipt = d.ReceiptDate;
    line_.ordered = d.QtyOrdered;
    line_.unitName = d.UnitName.str();
    line_.unitPrice = d.UnitPrice;
    line_.total = d.TotalAmount;
    const std::string_view type = d.DetailType.view();
    if (type == "Job")
      line_.subsidiary = d.JobID.str() + " " + d.CostCode.str();
    else if (type == "G/L Account")
      line_.subsidiary = d.Account.str() + "A";
    else if (type == "Equipment")
      line_.subsidiary = d.EquipmentID.str() + " " + d.CostCategory.str();
    else
      line_.subsidiary.clear();
    line_.subsidiary = std::string(std::string_view(line_.subsidiary).substr(0, 25));
    print("PODetail");
    exportLine("\t\t" + tabbed({line_.itemId, line_.catalog, line_.description, dateCell(line_.receipt),
                                line_.unitName, quantityCell(line_.ordered), "", priceCell(line_.unitPrice),
                                amountCell(line_.total), line_.subsidiary}));
  }
  if (selection_.limits().RefFrom == 1 && (!d.QtyInvoiced.isZero() || !d.AmountInvoiced.isZero()))
    printReconciliation();
}

void PurchaseOrderListing::printReconciliation() {
  reconciled_.rec.clear();
  reconciled_.rec.DetailID = lines_.rec.DetailID;
  if (reconciled_.table.setRange(crv::PORECRecord::KeyDetailID, 1) != TableStatus::Ok) return;
  int entries = 0;
  reconciledSum_ = crv::Amount();
  while (reconciled_.table.next() == TableStatus::Ok) {
    const crv::PORECRecord& r = reconciled_.rec;
    if (r.InvoiceID == 0 && r.Quantity.isZero()) continue;
    if (r.InvoiceID != 0) {
      invoices_.rec.clear();
      invoices_.rec.InvoiceID = r.InvoiceID;
      const bool found = invoices_.fetch(crv::APInvRecord::KeyInvoiceID);
      reconcile_.description = "Reconciled by Invoice #" +
                               (found ? invoices_.rec.InvoiceNo.str() : std::string()) + " (" +
                               (found ? dateCell(invoices_.rec.InvoiceDate) : std::string()) + ")";
    } else {
      reconcile_.description = "Reconciled by Pack Slip";
    }
    reconcile_.quantity = r.Quantity;
    reconcile_.unitPrice = r.UnitPrice;
    reconcile_.amount = r.Amount;
    reconciledSum_ += r.Amount;
    ++entries;
    print("ReconcileDetail");
    exportLine("\t\t\t\t\t" + reconcile_.description + "\t\t\t" + quantityCell(reconcile_.quantity) + "\t" +
               priceCell(reconcile_.unitPrice) + "\t" + amountCell(reconcile_.amount));
  }
  if (entries > 1) {
    print("ReconcileTotal");
    exportLine("\t\t\t\t\tTotalAmountReconciled\t\t\t\t\t" + amountCell(reconciledSum_));
  }
}

void PurchaseOrderListing::printTotals() {
  if (printed_ == 0) return;
  if (format_ == ListingFormat::Summary) {
    setOpenColour("SummaryGrandTotal", grandOpenItem_, openTotal_);
    print("SummaryGrandTotal");
    exportLine("\t\t\t\tReport Totals\t" + amountCell(orderTotal_) + "\t" + amountCell(openTotal_));
  } else {
    setOpenColour("GrandTotal", grandOpenItem_, openTotal_);
    print("GrandTotal");
    exportLine("\t\t\t\t\t\t\t\t\tGrand Total Open:\t" + amountCell(openTotal_));
  }
}

}  // namespace crvpo
