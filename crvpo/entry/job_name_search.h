// A job typed by the start of its name rather than its identifier (the
// Default Job of an order, the Job ID of a line, the listing formats' job).
//
// When the text is not a job identifier, the active jobs that are not
// closed and whose names begin with it (without regard to case) are the
// candidates; one is taken at once, several are offered to pick from in
// SelectJobByName, each shown as the job identifier (filling its width),
// " - " and the name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crvpo {

struct JobNameMatch {
  enum class Outcome {
    NotAName,   // blank, a job identifier, or no job's name begins with it
    Picked,     // `jobId` is the job taken or picked
    NotPicked,  // candidates were offered and none was picked
  } outcome = Outcome::NotAName;
  std::string jobId;
};

JobNameMatch searchJobByName(std::string_view typed);

// Nothing when the text is not a name (the field keeps what was typed);
// otherwise the chosen job's identifier, blank when the person cancelled.
std::optional<std::string> chooseJobByName(std::string_view typed);

}  // namespace crvpo
