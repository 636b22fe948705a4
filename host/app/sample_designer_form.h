// The sample designer form shipped with the demo company: the standard
// purchase-order form's content (captions, rules, the company, vendor and
// ship-to blocks, the order's details, its lines and text lines, totals and
// page footer) drawn as a report file of the report designer, so that a
// company has a starting point for its own form.
#pragma once

#include <filesystem>
#include <string_view>

namespace crv {

// The report file's text (docs/REPORT-FILES.md).
std::string_view samplePurchaseOrderForm();

// Writes the sample form to `file`, creating its folder. Throws
// std::runtime_error when it cannot be written.
void writeSamplePurchaseOrderForm(const std::filesystem::path& file);

}  // namespace crv
