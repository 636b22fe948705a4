// PrintPurchaseOrder: the signed-in user's print batch on the company's own
// form drawn in the report designer. The form reads the batch rows
// (POPrint), each order's lines (PODetail), its vendor (APVendor) and its
// job (JCHeader), and the company heading; the field dictionary publishes
// them under their field names ("POP:PONumber", "POD:Description",
// "APV:VendorName", "JCH:JobName") and the procedure's own values.
//
// The own values PreTaxAmount, TaxAmount, PreTaxAmountLabel and
// TaxAmountLabel start at 0 and blank: the module does not fill them, a
// report may compute them in its own expressions.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "crvpo/reports/purchase_order_pdf.h"
#include "host/framework/report/field_dictionary.h"
#include "host/framework/services/module_export.h"

namespace crvpo {

inline constexpr const char* purchaseOrderReportType = "PrintPurchaseOrder";

crv::FieldDictionary purchaseOrderDictionary();

// Without a window: the batch on the designer form of the designer's
// globals, written to `pdf` (nothing written without pages). What the
// person would have been told goes to `out`.
PdfPrintResult printDesignerFormToPdf(const std::filesystem::path& pdf, std::ostream& out);

}  // namespace crvpo

extern "C" {
// Runs the designer form of the designer's globals over the batch, or opens
// the designer on it (FRB.ReportEditAction not 0).
CRV_EXPORT void PrintPurchaseOrder();
// Setup: opens the designer on the company's designer form (a new form when
// the company has none yet).
CRV_EXPORT void DesignPurchaseOrderForm();
}
