// Start-up and shut-down entries of the sibling module CRVEQ (equipment and its
// cost categories).
//
// The host, or a module that depends on this one, calls CRVEQ_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVEQ_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVEQ() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVEQ();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVEQ_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVEQ_KILL();
}
