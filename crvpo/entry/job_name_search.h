// A job typed by the start of its name instead of its identifier (the
// Default Job of an order and the Job ID of a line).
//
// When no job has the typed identifier, the active jobs that are not
// closed and whose names begin with the typed text (without regard to
// case) are gathered in RXQUEUE as "<job id padded to JobIDLen> - <name>",
// in name order. With several, SelectJobByName lets the person pick one
// (GLO.Increment = 0: the front end places the pick list over the form).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crvpo {

// Nothing when a job has the typed identifier or no name matches (the
// field keeps what was typed); otherwise the chosen job's identifier,
// blank when the person cancelled the choice.
std::optional<std::string> chooseJobByName(std::string_view typed);

}  // namespace crvpo
