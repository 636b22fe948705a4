// The suite's switches (GENERIC, INPURCHASE, EQPURCHASE, PURCHASELEVEL,
// COUNTRY) as the company's settings give them, and the report footer
// (ReportFooterMessage) the forms print.
//
// The forms read the switches, never the settings row, to decide which
// detail types, tax boxes and change-order fields they offer. The host sets
// them from the Systems row whenever a company opens and again whenever
// Company Settings are saved, so that the forms always follow the company
// they run on.
#pragma once

namespace crv {

struct SystemsRecord;

void setSwitchesFrom(const SystemsRecord& settings);

}  // namespace crv
