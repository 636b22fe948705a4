// Start-up and shut-down entries of the sibling module CRVAP (payables:
// vendors).
//
// The host, or a module that depends on this one, calls CRVAP_INIT once with
// the error reporter and settings object in force (either may be null) and
// CRVAP_KILL before exit. The module keeps what it was handed;
// crv::siblings::CRVAP() shows it.
#pragma once

#include "host/framework/services/module_export.h"
#include "host/framework/services/suite_module.h"

namespace crv::siblings {

SuiteModule& CRVAP();

}  // namespace crv::siblings

extern "C" {
CRV_EXPORT void CRVAP_INIT(crv::ErrorClass* errors, crv::INIClass* settings);
CRV_EXPORT void CRVAP_KILL();
}
