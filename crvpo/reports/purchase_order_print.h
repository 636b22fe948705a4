// The print entries of the purchase-order form: the form run with its
// delivery (PDF file, e-mail), the print entry every caller goes through,
// and a windowless run for the command line.
//
// A run lays the batch out once into a temporary PDF. Printing sends that
// file to the default printer (CUPS); previewing shows it and lets the
// person pick a delivery; the delivery then copies it to the chosen PDF
// name and e-mails it.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "host/framework/services/module_export.h"

namespace crvpo {

// The steps after the preview: the file dialog for "Generate PDF File", the
// PDF written from `laidOut` and opened when asked, the e-mail with
// `subject` and `body` to the ticked recipients. Answers true when the PDF
// was written.
bool deliverAfterPreview(const std::filesystem::path& laidOut, const std::string& subject,
                         const std::string& body);

// Sends a PDF to the default printer; false (after the warning) when there
// is no default printer or printing failed.
bool printToDefaultPrinter(const std::filesystem::path& pdf, int copies = 1);

// After each order of a batch: the PDF name for the order and the vendor
// the e-mail goes to.
void noteOrderForDelivery();
// After the preview of a batch: the batch's PDF name, the recipients when
// one order is e-mailed, then the PDF and the e-mail.
void deliverPrintedBatch(const std::filesystem::path& laidOut);

// The body of the e-mail that carries an order: a fixed sentence, and the
// user's signature after a blank line when there is one.
std::string orderEmailBody(const std::string& signature);

}  // namespace crvpo

extern "C" {
// Prints the signed-in user's batch on the standard form.
CRV_EXPORT void PrintPurchaseOrderStandard();
// Names the default PDF, prepares the e-mail body, builds the batch for the
// request in DecimalVariable and prints it on the company's form: the
// standard form, or its designer form when the form setting is
// "Formwright" (its path split into the designer's folder and file name).
CRV_EXPORT void PrintPurchaseOrderServer();
// Without a window: builds the batch for the order numbered `poNumber` (null
// or blank: the orders under the "Generate POs" limits), writes it to `pdf`
// (null or blank: the order's own PDF name) and, when `email` is set,
// e-mails it to the vendor's recipients; on the company's form. Writes what it did to `out`;
// answers 0 on success, 1 when nothing was printed, 2 on a failure.
CRV_EXPORT int PrintPurchaseOrderConsole(const char* poNumber, const char* pdf, int email, std::ostream* out);
}
