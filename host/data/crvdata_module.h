// Start-up and shut-down entries of the suite's data module (tables,
// framework classes, shared values).
//
// The host, or a module that depends on this one, calls CRVDATA_INIT once
// with the error reporter and settings object in force (either may be null)
// and CRVDATA_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVDATA() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVDATA();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVDATA_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVDATA_KILL();
}
