// Layout and printing of the standard purchase-order form. Coordinates are
// points on a Letter page inside 36pt margins (540 wide, 720 high).
#include "crvpo/reports/purchase_order_form.h"

#include <algorithm>

#include "crvpo/reports/address_lines.h"
#include "crvpo/reports/create_po_print.h"
#include "crvpo/reports/export_cells.h"
#include "crvpo/reports/print_state.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/table.h"
#include "host/framework/table/table_error.h"
#include "host/framework/values/picture.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crvpo {

using crv::Align;
using crv::TableStatus;

namespace {

constexpr double pointsPerUnit = 72.0 / 1000.0;  // report units are 1/1000 inch
constexpr double companyX = 0;
constexpr double logoX = 270 * pointsPerUnit;

crv::Font plain(double size) { return crv::Font{"DejaVu Sans", size, false, false}; }
crv::Font bold(double size) { return crv::Font{"DejaVu Sans", size, true, false}; }

std::string leftClipped(std::string_view text) { return std::string(crv::trim(text)); }

// City line of the form's blocks: without a city the state stands alone.
std::array<std::string, 3> formBlock(std::string_view address1, std::string_view address2,
                                     std::string_view city, std::string_view state, std::string_view zip) {
  return closedUpLines(address1, address2, leftClipped(cityLine(city, state, zip, " ", true)));
}

}  // namespace

LogoSize logoSize(crv::ImageSize pixels, int scalePercent) {
  LogoSize size{pixels.width * 1000.0 / 96.0, pixels.height * 1000.0 / 96.0};
  if (size.height > 850 && size.height > 0) {
    size.width = 850 * size.width / size.height;
    size.height = 850;
  }
  if (scalePercent > 250 || scalePercent < 50) scalePercent = 100;
  size.width = size.width * scalePercent / 100;
  size.height = size.height * scalePercent / 100;
  return size;
}

std::string swappedVendorName(std::string_view name) {
  const auto semicolon = name.find(';');
  if (semicolon == std::string_view::npos) return std::string(crv::clip(name));
  const std::string_view after =
      semicolon + 2 <= name.size() ? name.substr(semicolon + 2) : std::string_view();
  return leftClipped(after) + " " + std::string(name.substr(0, semicolon));
}

TotalLines totalLines(bool canadian, crv::Amount taxableSubtotal, double taxRate, crv::Amount preTax,
                      crv::Amount gst, crv::Amount pst, std::string_view gstLabel,
                      std::string_view province) {
  TotalLines lines;
  if (canadian) {
    if (gst.isZero() && pst.isZero()) return lines;
    lines.captions[0] = "Subtotal:";
    lines.amounts[0] = preTax;
    if (!gst.isZero()) {
      lines.captions[1] = std::string(crv::clip(gstLabel)) + ":";
      lines.amounts[1] = gst;
    }
    if (!pst.isZero()) {
      lines.captions[2] = "PST (" + std::string(crv::clip(province)) + "):";
      lines.amounts[2] = pst;
    }
    return lines;
  }
  const crv::Amount tax = crv::divide<2>(crv::multiply<4>(taxableSubtotal, taxRate), 100.0);
  if (tax.isZero()) return lines;
  lines.captions[0] = "Subtotal:";
  lines.amounts[0] = preTax;
  const std::string rate(crv::clip(crv::Picture::parse("@n-8.3").format(taxRate)));
  lines.captions[1] = "Tax (" + rate + "%):";  // cut at the caption's 15 characters
  lines.amounts[1] = tax;
  return lines;
}

PurchaseOrderForm::PurchaseOrderForm() : workFolder_(std::filesystem::temp_directory_path()) { design(); }

crv::TextItem& PurchaseOrderForm::text(crv::Band& band, std::size_t index) {
  return std::get<crv::TextItem>(band.items()[index]);
}

void PurchaseOrderForm::design() {
  using crv::POP;
  crv::Band& form = report_.form;
  form.addText(340, 0, 200, "PURCHASE ORDER", bold(16), Align::Right);
  form.addText(340, 36, 80, "ISSUE DATE:", bold(8));
  form.addText(0, 76, 100, "VENDOR", bold(8));
  form.addText(280, 76, 100, "SHIP TO", bold(8));
  form.addText(0, 140, 80, "VENDOR PHONE:", bold(7));
  form.addText(280, 140, 80, "VENDOR FAX:", bold(7));
  form.addBox(0, 156, 540, 56, 0.75);
  form.addLine(0, 184, 540, 184, 0.5);
  const double topColumns[] = {0, 108, 216, 324, 432};
  const char* topCaptions[] = {"PURCH. AGENT", "CONTACT", "DELIVERY DATE", "SHIP VIA", "F.O.B."};
  for (int i = 0; i < 5; ++i) form.addText(topColumns[i] + 3, 158, 100, topCaptions[i], bold(6));
  form.addText(3, 186, 100, "INSTRUCTIONS", bold(6));
  form.addText(219, 186, 100, "PROJECT", bold(6));
  jobCaption_ = form.items().size();
  form.addText(381, 186, 50, "JOB #", bold(6));
  form.addText(435, 186, 100, "TERMS", bold(6));
  form.addBox(0, 216, 540, 16, 0.75, crv::Color::gray(230));
  form.addText(2, 220, 58, "ITEM", bold(7));
  form.addText(62, 220, 50, "QUANTITY", bold(7), Align::Right);
  form.addText(116, 220, 184, "MATERIALS AND/OR SERVICES TO BE FURNISHED", bold(6));
  form.addBound(
      302, 220, 60, [this] { return std::string(CatalogPrompt.view()); }, bold(6));
  form.addText(364, 220, 32, "UNIT", bold(7));
  form.addText(470, 220, 68, "AMOUNT", bold(7), Align::Right);
  form.addText(0, 640, 270, "By_________________________________  Date_____________", plain(8));
  form.addText(280, 640, 260, "By_________________________________  Date_____________", plain(8));
  form.addField(0, 656, 540, ReportFooterMessage, "@s100", plain(7));

  crv::Band& header = report_.pageHeader;
  header.setHeight(236);
  logo_ = header.items().size();
  header.addImage(logoX, 0, 0, 0, std::string(), crv::ImageFit::KeepAspect).visible = false;
  companyBlock_.push_back(header.items().size());
  header.addField(companyX, 0, 280, crv::CompanyName, "@s40", bold(11));
  for (std::size_t i = 0; i < 4; ++i) {
    companyBlock_.push_back(header.items().size());
    header.addField(companyX, 14 + 11.0 * i, 280, BillTo[i], "@s40", plain(8));
  }
  for (std::size_t index : companyBlock_) companyBlockX_.push_back(text(header, index).x);
  header.addField(340, 22, 200, LocalPONumber, "@s25", bold(10), Align::Right);
  header.addField(420, 36, 120, POP.IssueDate, "@d1B", plain(8), Align::Right);
  header.addField(0, 88, 270, crv::APV.VendorName, "@s50", bold(9));
  for (std::size_t i = 0; i < 3; ++i)
    header.addField(0, 100 + 11.0 * i, 270, VendorBlock[i], "@s40", plain(8));
  header.addField(280, 88, 260, POP.ShipToName, "@s30", bold(9));
  for (std::size_t i = 0; i < 3; ++i)
    header.addField(280, 100 + 11.0 * i, 260, ShipToBlock[i], "@s40", plain(8));
  header.addField(70, 140, 100, crv::APV.Phone, "@s14", plain(7));
  header.addField(340, 140, 100, crv::APV.Fax, "@s14", plain(7));
  header.addField(3, 168, 102, POP.PreparedBy, "@s20", plain(7));
  header.addField(111, 168, 102, POP.ShipToContact, "@s40", plain(7));
  header.addField(219, 168, 102, POP.DeliveryDate, "@d01b", plain(7), Align::Left);
  header.addField(327, 168, 102, POP.ShipVia, "@s20", plain(7));
  header.addField(435, 168, 102, POP.FOB, "@s20", plain(7));
  header.addField(3, 196, 212, POP.ShipToInstructions, "@s50", plain(7));
  header.addField(219, 196, 160, crv::JCH.JobName, "@s50", plain(7));
  header.addField(381, 196, 52, POP.DefaultJob, "@s10", plain(7));
  header.addField(435, 196, 102, POP.Terms, "@s20", plain(7));

  crv::Band& detail = report_.band("PODetail", crv::BandKind::Detail, 13);
  detail.addField(2, 2, 58, crv::POD.ItemID, "@s15", plain(7));
  detail.addField(62, 2, 50, crv::POD.QtyOrdered, "@n-12.4B", plain(7));
  detail.addField(116, 2, 184, crv::POD.Description, "@s60", plain(7)).wrap = true;
  detail.addField(302, 2, 60, crv::POD.VendorCatalogID, "@s20", plain(7));
  detail.addField(364, 2, 32, crv::POD.UnitName, "@s8", plain(7));
  detail.addField(398, 2, 70, crv::POD.UnitPrice, "@n-15.4", plain(7));
  detail.addField(470, 2, 68, crv::POD.TotalAmount, "@n-15.2", plain(7));

  crv::Band& textLine = report_.band("TextLine", crv::BandKind::Detail, 13);
  textLine.addField(116, 2, 350, crv::POD.Text, "@s1000", plain(7)).wrap = true;

  crv::Band& totals = report_.band("Totals", crv::BandKind::GroupFooter, 62);
  totals.addLine(300, 3, 540, 3);
  for (std::size_t i = 0; i < 3; ++i) {
    totals.addField(300, 8 + 12.0 * i, 110, totals_.captions[i], "@s15", plain(8));
    totals.addField(420, 8 + 12.0 * i, 118, totals_.amounts[i], "@n-17.2b", plain(8));
  }
  totals.addText(300, 46, 110, "TOTAL SUM OF", bold(9));
  totals.addField(420, 46, 118, POP.POAmount, "@n-17.2b", bold(9));

  report_.band("PageBreak", crv::BandKind::Detail, 12).addText(0, 0, 10, " ");

  crv::Band& footer = report_.pageFooter;
  // the signature lines and the footer message of the form sit in the
  // footer's room, below the last line of the body
  footer.setHeight(100);
  footer.addField(0, 84, 220, crv::CompanyName, "@s40", crv::Font{"DejaVu Sans", 7, false, true});
  footer.addField(220, 84, 220, crv::APV.VendorName, "@s50", plain(7));
  footer.addPageNumber(440, 84, 100, "Page {page} of {pages}", plain(7), Align::Right);
}

void PurchaseOrderForm::prepareCompany() {
  crv::SYS.clear();
  if (crv::Systems.set(crv::SYS.KeySystemID) != TableStatus::Ok || crv::Systems.next() != TableStatus::Ok) {
    crv::SYS.clear();
  }
  std::string city =
      crv::SYS.City.empty() ? crv::SYS.State.str() : crv::SYS.City.str() + ", " + crv::SYS.State.str();
  city = leftClipped(city + "  " + crv::SYS.Zip.str());
  std::string phone = crv::SYS.Phone.str();
  if (!crv::SYS.Fax.empty()) phone = leftClipped(phone + "  FAX" + crv::SYS.Fax.str());
  const auto lines = nonBlankLines<4>({crv::SYS.Address1.view(), crv::SYS.Address2.view(), city, phone});
  for (std::size_t i = 0; i < 4; ++i) BillTo[i] = lines[i];
  printState().EmailSubject = "Purchase Order from " + std::string(crv::CompanyName.padded());
  placeLogo();
}

void PurchaseOrderForm::placeLogo() {
  crv::Band& header = report_.pageHeader;
  auto& logo = std::get<crv::ImageItem>(header.items()[logo_]);
  logo.visible = false;
  logo.x = logoX;
  for (std::size_t i = 0; i < companyBlock_.size(); ++i) {
    crv::TextItem& item = text(header, companyBlock_[i]);
    item.x = companyBlockX_[i];
    item.visible = true;
  }

  crv::IMG.clear();
  crv::IMG.Type = crv::SYS.UseUniversalLogo != 0 ? "UniversalLogo" : "POLogo";
  crv::IMG.NumericID = 1;
  if (crv::Images.fetch(crv::IMG.KeyTypeNumericID) != TableStatus::Ok) return;
  const std::string placement = crv::IMG.Placement.str();
  if (!crv::IMG.StoredName.empty() && placement != "N" && placement != "B") {
    const auto extracted = crv::siblings::ExtractImageFile(crv::IMG.StoredName.view(), workFolder_);
    const auto pixels = extracted ? crv::imageSize(extracted.file) : std::nullopt;
    if (extracted && pixels && pixels->height > 0) {
      crv::PDFFileName = extracted.file.string();
      const LogoSize size = logoSize(*pixels, crv::IMG.ScalePercent);
      logo.path = extracted.file.string();
      logo.width = size.width * pointsPerUnit;
      logo.height = size.height * pointsPerUnit;
      logo.visible = true;
      if (placement == "C") {
        logo.x = 0;
        for (std::size_t i = 0; i < companyBlock_.size(); ++i) {
          text(header, companyBlock_[i]).x = companyBlockX_[i] + logo.width + 6;
        }
      }
    }
  }
  if (placement == "L" || placement == "B") {
    for (std::size_t index : companyBlock_) text(header, index).visible = false;
  }
}

int PurchaseOrderForm::printBatch(crv::Paginator& paginator, const std::function<void()>& afterOrder) {
  beginBatch();
  while (printNext(paginator, afterOrder)) {
  }
  endBatch();
  return printed_;
}

std::size_t PurchaseOrderForm::beginBatch() {
  text(report_.form, jobCaption_).visible = crv::GENERIC == 0;
  for (crv::Table* table : batchTables()) table->open();
  rows_.clear();
  next_ = 0;
  printed_ = 0;
  numbers_.clear();
  limitId_.reset();
  if (export_) {
    export_->push_back(std::string(crv::CompanyName.view()));
    export_->push_back("Purchase Orders");
    export_->push_back("");
    export_->push_back("PO #\tIssue Date\tVendor\tShip To\tJob\tTerms");
    export_->push_back("\tItem\tQuantity\tDescription\tUnit\tUnit Price\tAmount");
  }

  crv::POL.clear();
  crv::POLimits.set(crv::POL.KeyLimitID);
  while (crv::POLimits.next() == TableStatus::Ok) {
    if (crv::POL.Report != generatePOsReport) continue;
    // The batch builder leaves exactly one "Generate POs" record.
    limitId_ = crv::POL.LimitID;
    prepareCompany();
    crv::POP.clear();
    crv::POP.UserID = crv::UserID.view();
    if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) == TableStatus::Ok) {
      while (crv::POPrint.next() == TableStatus::Ok) rows_.push_back(crv::POP.RecordID);
    }
    break;
  }
  return rows_.size();
}

bool PurchaseOrderForm::printNext(crv::Paginator& paginator, const std::function<void()>& afterOrder) {
  while (next_ < rows_.size()) {
    if (crv::fetchBy(crv::POPrint, crv::POP.KeyRecordID, crv::POP.RecordID, rows_[next_++]) !=
        TableStatus::Ok)
      continue;
    printOrder(paginator);
    ++printed_;
    if (afterOrder) afterOrder();
    LocalPONumber.clear();
    totals_ = TotalLines{};
    return true;
  }
  return false;
}

void PurchaseOrderForm::endBatch() {
  if (limitId_) {
    if (crv::fetchBy(crv::POLimits, crv::POL.KeyLimitID, crv::POL.LimitID, *limitId_) == TableStatus::Ok) {
      crv::POL.RefFrom = static_cast<std::int32_t>(printState().PONumber);
      steps_.update(crv::POLimits);
    }
  }
  const auto tables = batchTables();
  for (auto it = tables.rbegin(); it != tables.rend(); ++it) (*it)->close();
  limitId_.reset();
}

std::vector<crv::Table*> PurchaseOrderForm::batchTables() {
  return {&crv::POLimits, &crv::POPrint, &crv::PODetail, &crv::APVendor,
          &crv::JCHeader, &crv::Systems, &crv::Images};
}

void PurchaseOrderForm::buildShipTo() {
  ShipToBlock = {};
  if (crv::POP.ShipToName.empty()) return;
  const auto lines =
      formBlock(crv::POP.ShipToAddress1.view(), crv::POP.ShipToAddress2.view(), crv::POP.ShipToCity.view(),
                crv::POP.ShipToState.view(), crv::POP.ShipToZip.view());
  for (std::size_t i = 0; i < 3; ++i) ShipToBlock[i] = lines[i];
}

void PurchaseOrderForm::numberRow() {
  PrintState& state = printState();
  const bool assign = state.AssignPONumber == "B" || state.AssignPONumber == "A";
  if (crv::POP.PONumber.empty() && assign && crv::POP.POID != crv::POPrintRecord::blankFormID) {
    const std::string digits = std::to_string(state.PONumber);
    LocalPONumber = "NUMBER: " + digits;
    crv::POP.PONumber = digits;
    steps_.update(crv::POPrint);
    ++state.PONumber;
  } else {
    LocalPONumber = "NUMBER: " + crv::POP.PONumber.str();
  }
  if (state.SetPrintedFlag == 1 && crv::POP.PrintFlag != "1") {
    crv::POP.PrintFlag = "1";
    steps_.update(crv::POPrint);
  }
}

void PurchaseOrderForm::loadVendor() {
  if (crv::fetchBy(crv::APVendor, crv::APV.KeyVendorID, crv::APV.VendorID, crv::POP.VendorID) !=
      TableStatus::Ok)
    crv::APV.clear();
  crv::APV.VendorName = swappedVendorName(crv::APV.VendorName.view());
  const auto lines = formBlock(crv::APV.Address.view(), crv::APV.Address2.view(), crv::APV.City.view(),
                               crv::APV.State.view(), crv::APV.Zip.view());
  for (std::size_t i = 0; i < 3; ++i) VendorBlock[i] = lines[i];
}

void PurchaseOrderForm::loadJob() {
  crv::JCH.clear();
  if (crv::POP.DefaultJob.empty()) return;
  crv::JCH.JobID = crv::POP.DefaultJob.view();
  if (crv::JCHeader.fetch(crv::JCH.KeyJobID) != TableStatus::Ok) {
    crv::JCH.clear();
    crv::JCH.JobName = "Job Not Found";
  }
}

void PurchaseOrderForm::printOrder(crv::Paginator& paginator) {
  const crv::Id poid = crv::POP.POID;
  CatalogPrompt.clear();
  crv::POD.clear();
  crv::POD.POID = poid;
  std::vector<crv::PODetailRecord> lines;
  if (crv::PODetail.setRange(crv::POD.KeyPOID, 1) == TableStatus::Ok) {
    while (crv::PODetail.next() == TableStatus::Ok) {
      if (!crv::POD.VendorCatalogID.empty()) CatalogPrompt = "VENDOR CAT.#";
      lines.push_back(crv::POD);
    }
  }
  buildShipTo();
  numberRow();
  loadVendor();
  loadJob();

  crv::Amount taxable;
  for (const crv::PODetailRecord& line : lines) {
    crv::POD = line;
    paginator.print(line.TextFlag == 1 ? "TextLine" : "PODetail");
    if (line.Taxable == 1) taxable += line.TotalAmount;
  }
  totals_ = totalLines(crv::SYS.CanadianTax == 1, taxable, crv::POP.TaxRate, crv::POP.PreTaxAmount,
                       crv::POP.DiscountAmount, crv::POP.OtherCharges, crv::SYS.GSTLabel.view(),
                       crv::POP.CheckNo.view());
  paginator.print("Totals");
  paginator.restartPageNumbers();
  numbers_.push_back(crv::POP.PONumber.str());
  exportOrder(lines);
}

void PurchaseOrderForm::exportOrder(const std::vector<crv::PODetailRecord>& lines) {
  if (!export_) return;
  export_->push_back("");
  export_->push_back(
      tabbed({crv::POP.PONumber.view(), dateCell(crv::POP.IssueDate), crv::APV.VendorName.view(),
              crv::POP.ShipToName.view(), crv::POP.DefaultJob.view(), crv::POP.Terms.view()}));
  for (const crv::PODetailRecord& line : lines) {
    if (line.TextFlag == 1) {
      export_->push_back("\t\t\t" + line.Text.str());
      continue;
    }
    export_->push_back(
        tabbed({"", line.ItemID.view(), quantityCell(line.QtyOrdered), line.Description.view(),
                line.UnitName.view(), priceCell(line.UnitPrice), amountCell(line.TotalAmount)}));
  }
  for (std::size_t i = 0; i < totals_.captions.size(); ++i) {
    if (totals_.captions[i].empty()) continue;
    export_->push_back(
        tabbed({"", "", "", "", "", totals_.captions[i].view(), amountCell(totals_.amounts[i])}));
  }
  export_->push_back(tabbed({"", "", "", "", "", "TOTAL SUM OF", amountCell(crv::POP.POAmount)}));
}

}  // namespace crvpo
