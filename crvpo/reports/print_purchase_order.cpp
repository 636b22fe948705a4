// The purchase-order form drawn in the report designer.
#include "crvpo/reports/print_purchase_order.h"

#include <map>
#include <ostream>

#include "crvpo/reports/designer_form_path.h"
#include "crvpo/reports/designer_report_procedure.h"
#include "crvpo/reports/print_state.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/report/report_bindings.h"
#include "host/framework/table/table.h"

namespace crvpo {
namespace {

using crv::DictionaryField;
using crv::DictionaryTableKind;
using crv::FieldKind;
using crv::TableStatus;

// The form's own values, published under these names.
struct FormValues {
  crv::Amount PreTaxAmount;
  crv::Amount TaxAmount;
  crv::Text<15> TaxAmountLabel;
  crv::Text<15> PreTaxAmountLabel;
};

const std::vector<std::string>& publishedVendorFields() {
  static const std::vector<std::string> fields = {
      "VendorID", "ExternalID", "VendorName", "Address", "Address2", "City", "State",
      "Zip",      "Phone",      "Fax",        "Email",   "UD1",      "UD2",  "UD3",
      "UD4",      "UD5",        "UD6",        "UD7",     "UD8",      "UD9",  "UD10"};
  return fields;
}

const crv::FieldDef& ownField(const char* name, FieldKind kind, std::uint32_t width) {
  static std::map<std::string, crv::FieldDef> defs;
  return defs.try_emplace(name, crv::FieldDef{name, kind, width, 0}).first->second;
}

void bindOwnValues(crv::ReportBindings& bindings, FormValues& values) {
  PrintState& heading = printState();
  bindings.bind("CompanyName",
                crv::FieldRef(&heading.CompanyName, ownField("CompanyName", FieldKind::Text, 50)));
  crv::Text<50>* lines[] = {&heading.CompanyLine1, &heading.CompanyLine2, &heading.CompanyLine3,
                            &heading.CompanyLine4};
  for (int i = 0; i < 4; ++i) {
    const std::string name = "CompanyLine" + std::to_string(i + 1);
    bindings.bind(name, crv::FieldRef(lines[i], ownField(name.c_str(), FieldKind::Text, 50)));
  }
  bindings.bind("PreTaxAmount",
                crv::FieldRef(&values.PreTaxAmount, ownField("PreTaxAmount", FieldKind::Amount, 0)));
  bindings.bind("TaxAmount", crv::FieldRef(&values.TaxAmount, ownField("TaxAmount", FieldKind::Amount, 0)));
  bindings.bind("TaxAmountLabel",
                crv::FieldRef(&values.TaxAmountLabel, ownField("TaxAmountLabel", FieldKind::Text, 15)));
  bindings.bind("PreTaxAmountLabel",
                crv::FieldRef(&values.PreTaxAmountLabel, ownField("PreTaxAmountLabel", FieldKind::Text, 15)));
  bindings.bind("UserID", crv::FieldRef(&crv::UserID, ownField("UserID", FieldKind::Text, 3)));
}

void fetchVendorAndJob() {
  crv::APV.clear();
  crv::APV.VendorID = crv::POP.VendorID;
  if (crv::APVendor.fetch(crv::APV.KeyVendorID) != TableStatus::Ok) crv::APV.clear();
  crv::JCH.clear();
  if (crv::POP.DefaultJob.empty()) return;
  crv::JCH.JobID = crv::POP.DefaultJob.view();
  if (crv::JCHeader.fetch(crv::JCH.KeyJobID) != TableStatus::Ok) crv::JCH.clear();
}

DesignerViewTables batchView() {
  DesignerViewTables view;
  view.primary = &crv::POPrint;
  view.primaryPrefix = "POP";
  view.positionPrimary = [] {
    crv::POP.clear();
    crv::POP.UserID = crv::UserID.view();
    return crv::POPrint.setRange(crv::POP.KeyUserID, 1) == TableStatus::Ok;
  };
  view.primaryId = [] { return crv::POP.RecordID; };
  view.fetchPrimary = [](crv::Id id) {
    crv::POP.clear();
    crv::POP.RecordID = id;
    return crv::POPrint.fetch(crv::POP.KeyRecordID) == TableStatus::Ok;
  };
  view.child = &crv::PODetail;
  view.positionChildren = [] { return positionOrderLines(crv::POP.POID); };
  view.lookups = fetchVendorAndJob;
  return view;
}

// The rows the view will hand over: every line of the batch's orders, and
// one for each order without lines.
std::int64_t batchViewRows() {
  std::vector<crv::Id> orders;
  crv::POP.clear();
  crv::POP.UserID = crv::UserID.view();
  if (crv::POPrint.setRange(crv::POP.KeyUserID, 1) == TableStatus::Ok) {
    while (crv::POPrint.next() == TableStatus::Ok) orders.push_back(crv::POP.POID);
  }
  std::int64_t rows = 0;
  for (crv::Id poid : orders) {
    std::int64_t lines = 0;
    if (positionOrderLines(poid)) {
      while (crv::PODetail.next() == TableStatus::Ok) ++lines;
    }
    rows += lines == 0 ? 1 : lines;
  }
  return rows;
}

// The procedure with everything it publishes; `values` must outlive it.
DesignerReportSetup formSetup(FormValues& values, const crv::FieldDictionary& dictionary) {
  DesignerReportSetup setup;
  setup.type = purchaseOrderReportType;
  setup.progressName = "P167";
  setup.tables = {&crv::APVendor, &crv::POPrint, &crv::PODetail, &crv::JCHeader};
  setup.dictionary = dictionary;
  setup.bindings.bindTable(dictionary.tables[0], crv::POP);
  setup.bindings.bindTable(dictionary.tables[1], crv::POD);
  setup.bindings.bindTable(dictionary.tables[2], crv::APV);
  setup.bindings.bindTable(dictionary.tables[3], crv::JCH);
  bindOwnValues(setup.bindings, values);
  setup.view = batchView();
  setup.saved.keep(crv::APV);
  setup.saved.keep(crv::JCH);
  setup.saved.keep(crv::POP);
  setup.saved.keep(crv::POD);
  setup.saved.keep(values);
  setup.childRows = batchViewRows;
  setup.onRecord = noteOrderForDelivery;
  setup.afterPreview = deliverPrintedBatch;
  return setup;
}

}  // namespace

crv::FieldDictionary purchaseOrderDictionary() {
  crv::FieldDictionary dictionary;
  dictionary.reportType = purchaseOrderReportType;
  dictionary.tables.push_back(crv::dictionaryTable("POPrint", DictionaryTableKind::Primary, "POP",
                                                   crv::layoutOf<crv::POPrintRecord>()));
  dictionary.tables.push_back(crv::dictionaryTable("PODetail", DictionaryTableKind::Child, "POD",
                                                   crv::layoutOf<crv::PODetailRecord>()));
  dictionary.tables.push_back(crv::dictionaryTable("APVendor", DictionaryTableKind::Lookup, "APV",
                                                   crv::layoutOf<crv::APVendorRecord>(),
                                                   publishedVendorFields()));
  dictionary.tables.push_back(crv::dictionaryTable("JCHeader", DictionaryTableKind::Lookup, "JCH",
                                                   crv::layoutOf<crv::JCHeaderRecord>()));
  dictionary.data = {
      DictionaryField{"Company Name", "CompanyName", "@s50", 2},
      DictionaryField{"Company Line 1", "CompanyLine1", "@s50", 2},
      DictionaryField{"Company Line 2", "CompanyLine2", "@s50", 2},
      DictionaryField{"Company Line 3", "CompanyLine3", "@s50", 2},
      DictionaryField{"Company Line 4", "CompanyLine4", "@s50", 2},
      DictionaryField{"Pre Tax Amount", "PreTaxAmount", "@n-12.2b", 2},
      DictionaryField{"Tax Amount", "TaxAmount", "@n-12.2b", 2},
      DictionaryField{"Tax Amount Label", "TaxAmountLabel", "@s15", 2},
      DictionaryField{"Pre Tax Amount Label", "PreTaxAmountLabel", "@s15", 2},
      DictionaryField{"User ID", "UserID", "@s3", 2},
  };
  return dictionary;
}

PdfPrintResult printDesignerFormToPdf(const std::filesystem::path& pdf, std::ostream& out) {
  FormValues values;
  return printDesignerReportToPdf(formSetup(values, purchaseOrderDictionary()), pdf, out);
}

}  // namespace crvpo

void PrintPurchaseOrder() {
  using namespace crvpo;
  FormValues values;
  DesignerReportProcedure(formSetup(values, purchaseOrderDictionary())).execute();
}

void DesignPurchaseOrderForm() {
  using namespace crvpo;
  if (!setDesignerForm(companyForm().path, 1)) return;
  PrintPurchaseOrder();
}
