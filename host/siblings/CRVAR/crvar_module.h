// Start-up and shut-down entries of the sibling module CRVAR (receivables:
// customers and ship-to addresses).
//
// The host, or a module that depends on this one, calls CRVAR_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVAR_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVAR() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVAR();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVAR_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVAR_KILL();
}
