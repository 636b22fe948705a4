// The sample purchase-order layout: a second form printed only as a
// sample, whose fields show their placeholder texts ("Company Name XXX...")
// over 41 detail lines and the totals.
#pragma once

#include <filesystem>
#include <vector>

#include "host/framework/report/laid_out_page.h"
#include "host/framework/services/module_export.h"

namespace crvpo {

// Writes the sample layout to a PDF; answers the pages written.
int printSampleLayoutToPdf(const std::filesystem::path& file, std::vector<crv::LaidOutPage>* keep = nullptr);

}  // namespace crvpo

extern "C" {
// Previews or prints the sample layout; e-mail and PDF creation are off.
CRV_EXPORT void PurchaseOrderDummy();
}
