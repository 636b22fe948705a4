// Start-up and shut-down entries of the sibling module CRVIN (inventory: items,
// item vendors, locations, bins).
//
// The host, or a module that depends on this one, calls CRVIN_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVIN_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVIN() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVIN();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVIN_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVIN_KILL();
}
