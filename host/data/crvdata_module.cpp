// Start-up and shut-down entries of the CRVDATA module.
#include "host/data/crvdata_module.h"

namespace crv::siblings {

SuiteModule& CRVDATA() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVDATA");
  return *module;
}

}  // namespace crv::siblings

void CRVDATA_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVDATA().init(errors, settings);
}

void CRVDATA_KILL() { crv::siblings::CRVDATA().kill(); }
