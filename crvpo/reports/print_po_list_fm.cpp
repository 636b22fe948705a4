// The purchase-order listing drawn in the report designer.
#include "crvpo/reports/print_po_list_fm.h"

#include "crvpo/reports/designer_report_procedure.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/report/report_bindings.h"
#include "host/framework/table/table.h"

namespace crvpo {
namespace {

using crv::DictionaryTableKind;
using crv::TableStatus;

const crv::FieldDef companyNameField{"CompanyName", crv::FieldKind::Text, 40, 0};

void fetchJobAndVendor() {
  crv::JCH.clear();
  crv::JCH.JobID = crv::POM.DefaultJob.view();
  if (crv::POM.DefaultJob.empty() || crv::JCHeader.fetch(crv::JCH.KeyJobID) != TableStatus::Ok)
    crv::JCH.clear();
  crv::APV.clear();
  crv::APV.VendorID = crv::POM.VendorID;
  if (crv::APVendor.fetch(crv::APV.KeyVendorID) != TableStatus::Ok) crv::APV.clear();
}

DesignerViewTables ordersView() {
  DesignerViewTables view;
  view.primary = &crv::POMaster;
  view.primaryPrefix = "POM";
  view.positionPrimary = [] {
    crv::POM.clear();
    return crv::POMaster.set(crv::POM.KeyPONumber) == TableStatus::Ok;
  };
  view.primaryId = [] { return crv::POM.POID; };
  view.fetchPrimary = [](crv::Id id) {
    crv::POM.clear();
    crv::POM.POID = id;
    return crv::POMaster.fetch(crv::POM.KeyPOID) == TableStatus::Ok;
  };
  view.child = &crv::PODetail;
  view.positionChildren = [] { return positionOrderLines(crv::POM.POID); };
  view.lookups = fetchJobAndVendor;
  return view;
}

DesignerReportSetup listingSetup() {
  DesignerReportSetup setup;
  setup.type = listingReportType;
  setup.progressName = "P144";
  setup.tables = {&crv::APVendor, &crv::POMaster, &crv::PODetail, &crv::JCHeader};
  setup.dictionary = listingDictionary();
  setup.bindings.bindTable(setup.dictionary.tables[0], crv::POM);
  setup.bindings.bindTable(setup.dictionary.tables[1], crv::POD);
  setup.bindings.bindTable(setup.dictionary.tables[2], crv::JCH);
  setup.bindings.bindTable(setup.dictionary.tables[3], crv::APV);
  setup.bindings.bind("CompanyName", crv::FieldRef(&crv::CompanyName, companyNameField));
  setup.view = ordersView();
  setup.saved.keep(crv::APV);
  setup.saved.keep(crv::JCH);
  setup.saved.keep(crv::POM);
  setup.saved.keep(crv::POD);
  setup.childRows = [] { return crv::PODetail.records(); };
  return setup;
}

}  // namespace

crv::FieldDictionary listingDictionary() {
  crv::FieldDictionary dictionary;
  dictionary.reportType = listingReportType;
  dictionary.tables.push_back(crv::dictionaryTable("POMaster", DictionaryTableKind::Primary, "POM",
                                                   crv::layoutOf<crv::POMasterRecord>()));
  dictionary.tables.push_back(crv::dictionaryTable("PODetail", DictionaryTableKind::Child, "POD",
                                                   crv::layoutOf<crv::PODetailRecord>()));
  dictionary.tables.push_back(crv::dictionaryTable("JCHeader", DictionaryTableKind::Lookup, "JCH",
                                                   crv::layoutOf<crv::JCHeaderRecord>()));
  dictionary.tables.push_back(crv::dictionaryTable("APVendor", DictionaryTableKind::Lookup, "APV",
                                                   crv::layoutOf<crv::APVendorRecord>()));
  dictionary.data = {crv::DictionaryField{"Company Name", "CompanyName", "@s40", 2}};
  return dictionary;
}

PdfPrintResult printDesignerListingToPdf(const std::filesystem::path& pdf, std::ostream& out) {
  return printDesignerReportToPdf(listingSetup(), pdf, out);
}

}  // namespace crvpo

void PrintPOListFM() { crvpo::DesignerReportProcedure(crvpo::listingSetup()).execute(); }
