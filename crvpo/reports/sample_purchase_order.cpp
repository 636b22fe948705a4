// The sample purchase order.
#include "crvpo/reports/sample_purchase_order.h"

#include <string>
#include <string_view>

#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"

namespace crvpo {
namespace {

constexpr std::string_view samplePreparer = "Jane Goodwin";
constexpr std::string_view sampleOrderNumber = "JG-2991349";
constexpr std::string_view sampleText =
    "This is a sample text line. Text lines carry notes for the vendor, such as delivery hours, "
    "packing wishes, or the name of the person who receives the goods.";
constexpr std::string_view sampleItems[5][2] = {
    {"Item 1", "First Line Item on Purchase Order"}, {"Item 2", "Second Line Item on Purchase Order"},
    {"Item 3", "Third Line Item on Purchase Order"}, {"Item 4", "Fourth Line Item on Purchase Order"},
    {"Item 5", "Fifth Line Item on Purchase Order"},
};

struct SampleDates {
  crv::Date today = crv::Date::today();
  crv::Date delivery = crv::Date::fromDay(today.day() + 20);
  crv::Date deadline = crv::Date::fromDay(today.day() + 35);
};

std::string sampleCityLine(std::string_view city, const auto& state, std::string_view zip) {
  return std::string(city) + ", " + std::string(state.padded()) + "  " + std::string(zip);
}

void addSampleRow(crv::TableSteps& steps, const SampleDates& dates) {
  crv::POP.clear();
  steps.primeAutoInc(crv::POPrint);
  crv::POPrintRecord& p = crv::POP;
  p.UserID = crv::UserID.view();
  p.POID = crv::POPrintRecord::sampleOrderID;
  p.VendorID = crv::APV.VendorID;
  p.SortVendorID = static_cast<std::uint16_t>(crv::APV.VendorID & 0xFFFFu);
  p.PreparedBy = samplePreparer;
  p.PreparedDate = dates.today;
  p.IssueDate = dates.today;
  p.PONumber = sampleOrderNumber;
  p.SortPONumber = sampleOrderNumber;
  p.DeliverAfterDate = dates.delivery;
  p.DeliveryDate = dates.delivery;
  p.DeadlineDate = dates.deadline;
  p.PreTaxAmount = crv::Amount(10000);
  p.POAmount = crv::Amount(10535);
  p.TaxRate = 5.0;
  p.TaxAmount = crv::Amount(500);
  p.OtherCharges = crv::Amount(35);
  p.DefaultJob = crv::JCH.JobID.view();
  p.Taxable = 1;
  p.ShipToName = crv::JCH.JobName.view();
  p.ShipVia = "Big Truck";
  p.ShipToInstructions = "Get it here on time please.";
  p.FOB = "Dallas";
  p.Terms = "Net 30";
  p.VendorLine1 = crv::APV.Address.view();
  p.VendorLine2 = crv::APV.Address2.view();
  p.VendorLine3 = sampleCityLine(crv::APV.City.view(), crv::APV.State, crv::APV.Zip.view());
  p.ShipToLine1 = crv::JCH.Address.view();
  p.ShipToLine2 = crv::JCH.Address2.view();
  p.ShipToLine3 = sampleCityLine(crv::JCH.City.view(), crv::JCH.State, crv::JCH.Zip.view());
  steps.insert(crv::POPrint);
}

void fillSampleLine(int line, const SampleDates& dates) {
  crv::PODetailRecord& d = crv::POD;
  d.POID = crv::POPrintRecord::sampleOrderID;
  d.SequenceNo = static_cast<crv::Id>(line + 1);
  if (line == 5) {
    d.TextFlag = 1;
    d.Text = sampleText;
    return;
  }
  d.ItemID = sampleItems[line][0];
  d.Description = sampleItems[line][1];
  d.QtyOrdered = crv::Quantity(100);
  d.UnitPrice = 20.0;
  d.PreTaxAmount = crv::Amount(2000);
  d.TaxAmount = crv::Amount(100);
  d.TotalAmount = crv::Amount(2100);
  d.UnitName = "Each";
  d.Taxable = 1;
  d.DeliverAfterDate = dates.delivery;
  d.DeliveryDate = dates.delivery;
  d.DeadlineDate = dates.deadline;
}

// The previous sample's lines go first so that the sample always shows
// exactly its six lines. Sample lines take ordinary auto-numbers: a fixed
// range above the real lines would push the table's next number past it.
void replaceSampleLines(crv::TableSteps& steps, const SampleDates& dates) {
  crv::POD.clear();
  crv::POD.POID = crv::POPrintRecord::sampleOrderID;
  if (crv::PODetail.setRange(crv::POD.KeyPOID, 1) == crv::TableStatus::Ok)
    while (crv::PODetail.next() == crv::TableStatus::Ok) steps.remove(crv::PODetail);
  for (int line = 0; line < 6; ++line) {
    crv::POD.clear();
    steps.primeAutoInc(crv::PODetail);
    fillSampleLine(line, dates);
    steps.insert(crv::PODetail);
  }
}

}  // namespace

void addSampleOrder(crv::TableSteps& steps) {
  crv::readFirst(crv::Systems, crv::SYS.KeySystemID);
  crv::readFirst(crv::APVendor, crv::APV.KeyVendorID);
  crv::readFirst(crv::JCHeader, crv::JCH.KeyJobID);
  const SampleDates dates;
  addSampleRow(steps, dates);
  replaceSampleLines(steps, dates);
}

}  // namespace crvpo
