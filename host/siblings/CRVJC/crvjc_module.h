// Start-up and shut-down entries of the sibling module CRVJC (job cost: jobs,
// cost codes, change orders).
//
// The host, or a module that depends on this one, calls CRVJC_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVJC_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVJC() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVJC();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVJC_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVJC_KILL();
}
