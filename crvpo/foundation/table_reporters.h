// Which error reporter the suite's tables report through.
//
// INIT gives every table the module's reporter in force; unload takes its
// own reporter back from the tables before destroying it.
#pragma once

namespace crv {
class ErrorClass;
}

namespace crvpo {

void setTableReporters(crv::ErrorClass* errors);
// Tables reporting through `errors` report through nothing afterwards.
void detachTableReporter(const crv::ErrorClass* errors);

}  // namespace crvpo
