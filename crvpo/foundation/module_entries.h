// The entries the host resolves by name in the purchase-order module:
// start-up, shut-down and switching the type-ahead completion.
#pragma once

#include "host/framework/services/error_class.h"
#include "host/framework/services/ini_class.h"
#include "host/framework/services/module_export.h"

extern "C" {
// Hands the host's error reporter and settings (either may be null) to the
// module, its tables and the modules it depends on; only the first call
// counts.
CRV_EXPORT void CRVPO_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
// Shuts down the modules this one depends on; only the first call counts.
CRV_EXPORT void CRVPO_KILL();
// Switches type-ahead completion on or off from the suite's setting and
// keeps its store in the company's data folder.
CRV_EXPORT void ToggleEasyAutoEntryPO();
}
