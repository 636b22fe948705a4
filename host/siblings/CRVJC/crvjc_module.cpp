// Start-up and shut-down entries of the CRVJC module.
#include "host/siblings/CRVJC/crvjc_module.h"

namespace crv::siblings {

SuiteModule& CRVJC() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVJC");
  return *module;
}

}  // namespace crv::siblings

void CRVJC_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVJC().init(errors, settings);
}

void CRVJC_KILL() { crv::siblings::CRVJC().kill(); }
