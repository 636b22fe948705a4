// A module of the suite as its INIT and KILL entries see it.
#include "host/framework/services/suite_module.h"

#include "host/framework/services/lifecycle_log.h"

namespace crv {

std::string SuiteModule::initDetail(const ErrorClass* errors, const INIClass* settings) {
  return "errors=" + LifecycleLog::pointerText(errors) + " settings=" + LifecycleLog::pointerText(settings);
}

void SuiteModule::init(ErrorClass* errors, INIClass* settings) {
  errors_ = errors;
  settings_ = settings;
  initialised_ = true;
  LifecycleLog::record(name_, "INIT", initDetail(errors, settings));
}

void SuiteModule::kill() {
  errors_ = nullptr;
  settings_ = nullptr;
  initialised_ = false;
  LifecycleLog::record(name_, "KILL");
}

}  // namespace crv
