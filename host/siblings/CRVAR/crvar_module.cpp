// Start-up and shut-down entries of the CRVAR module.
#include "host/siblings/CRVAR/crvar_module.h"

namespace crv::siblings {

SuiteModule& CRVAR() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVAR");
  return *module;
}

}  // namespace crv::siblings

void CRVAR_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVAR().init(errors, settings);
}

void CRVAR_KILL() { crv::siblings::CRVAR().kill(); }
