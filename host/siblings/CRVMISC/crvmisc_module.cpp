// Start-up and shut-down entries of the CRVMISC module.
#include "host/siblings/CRVMISC/crvmisc_module.h"

namespace crv::siblings {

SuiteModule& CRVMISC() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVMISC");
  return *module;
}

}  // namespace crv::siblings

void CRVMISC_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVMISC().init(errors, settings);
}

void CRVMISC_KILL() { crv::siblings::CRVMISC().kill(); }
