// The committed-cost recalculation for the command line: runs it on the
// company open in this process and prints the progress, every cost line,
// change-order detail and order whose figures moved, and a summary. While
// another station is writing it waits, saying so, for up to a given number
// of seconds.
#pragma once

#include <ostream>

#include "host/framework/services/module_export.h"

namespace crvpo {

// Answers the process exit code: 0 when the rebuild was written, 1 when it
// stopped (nothing written) or the wait for other stations ran out.
int recalcCommittedConsole(std::ostream& out, int waitSeconds);

}  // namespace crvpo

extern "C" {
// The host's "recalc" command resolves this by name.
CRV_EXPORT int RecalcCommittedConsole(std::ostream* out, int waitSeconds);
}
