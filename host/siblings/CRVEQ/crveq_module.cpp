// Start-up and shut-down entries of the CRVEQ module.
#include "host/siblings/CRVEQ/crveq_module.h"

namespace crv::siblings {

SuiteModule& CRVEQ() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVEQ");
  return *module;
}

}  // namespace crv::siblings

void CRVEQ_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVEQ().init(errors, settings);
}

void CRVEQ_KILL() { crv::siblings::CRVEQ().kill(); }
