// The error reporter in force for windows: the module hands its reporter
// over at start-up; until then a reporter of the framework's own is used,
// so a window can always report.
#pragma once

namespace crv {
class ErrorClass;
}

namespace crv::ui {

// Never nullptr.
ErrorClass* errorReporter();
// nullptr goes back to the framework's own reporter. Returns the reporter
// that was set before (nullptr when it was the framework's own).
ErrorClass* setErrorReporter(ErrorClass* reporter);

}  // namespace crv::ui
