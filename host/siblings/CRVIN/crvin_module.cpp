// Start-up and shut-down entries of the CRVIN module.
#include "host/siblings/CRVIN/crvin_module.h"

namespace crv::siblings {

SuiteModule& CRVIN() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVIN");
  return *module;
}

}  // namespace crv::siblings

void CRVIN_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVIN().init(errors, settings);
}

void CRVIN_KILL() { crv::siblings::CRVIN().kill(); }
