// The error reporter in force for windows.
#include "host/framework/ui/error_reporter.h"

#include "host/framework/services/error_class.h"

namespace crv::ui {
namespace {

ErrorClass& ownReporter() {
  static ErrorClass reporter;
  return reporter;
}

ErrorClass* current = nullptr;

}  // namespace

ErrorClass* errorReporter() { return current ? current : &ownReporter(); }

ErrorClass* setErrorReporter(ErrorClass* reporter) {
  ErrorClass* previous = current;
  current = reporter;
  return previous;
}

}  // namespace crv::ui
