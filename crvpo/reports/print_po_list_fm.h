// PrintPOListFM: a purchase-order listing drawn in the report designer. It
// reads every order (POMaster, in PO-number order unless the report sorts
// otherwise), its lines (PODetail), its job (JCHeader) and its vendor
// (APVendor), published under their field names, and the signed-in
// company's name as "CompanyName". The host opens it with the report file
// in the designer's globals, to run or to edit.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "crvpo/reports/purchase_order_pdf.h"
#include "host/framework/report/field_dictionary.h"
#include "host/framework/services/module_export.h"

namespace crvpo {

inline constexpr const char* listingReportType = "PrintPOListFM";

crv::FieldDictionary listingDictionary();

// Without a window: the listing report of the designer's globals written to
// `pdf` (nothing written without pages); `orders` counts the orders listed.
// What the person would have been told goes to `out`.
PdfPrintResult printDesignerListingToPdf(const std::filesystem::path& pdf, std::ostream& out);

}  // namespace crvpo

extern "C" CRV_EXPORT void PrintPOListFM();
