// Start-up and shut-down entries of the CRVGL module.
#include "host/siblings/CRVGL/crvgl_module.h"

namespace crv::siblings {

SuiteModule& CRVGL() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVGL");
  return *module;
}

}  // namespace crv::siblings

void CRVGL_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVGL().init(errors, settings);
}

void CRVGL_KILL() { crv::siblings::CRVGL().kill(); }
