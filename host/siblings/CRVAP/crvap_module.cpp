// Start-up and shut-down entries of the CRVAP module.
#include "host/siblings/CRVAP/crvap_module.h"

namespace crv::siblings {

SuiteModule& CRVAP() {
  // Never destroyed: the host may shut modules down during process exit.
  static SuiteModule* module = new SuiteModule("CRVAP");
  return *module;
}

}  // namespace crv::siblings

void CRVAP_INIT(crv::ErrorClass* errors, crv::INIClass* settings) {
  crv::siblings::CRVAP().init(errors, settings);
}

void CRVAP_KILL() { crv::siblings::CRVAP().kill(); }
