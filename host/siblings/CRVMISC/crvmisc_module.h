// Start-up and shut-down entries of the sibling module CRVMISC (notes,
// attachments, drop-down lists and other shared procedures).
//
// The host, or a module that depends on this one, calls CRVMISC_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVMISC_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVMISC() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVMISC();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVMISC_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVMISC_KILL();
}
