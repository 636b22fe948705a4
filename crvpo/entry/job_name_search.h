// A job typed by the start of its name rather than its identifier.
//
// When the text is not a job identifier, the active jobs that are not
// closed and whose names begin with it (without regard to case) are the
// candidates; one is taken at once, several are offered to pick from in
// SelectJobByName, each shown as the job identifier (filling its width),
// " - " and the name.
#pragma once

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

}  // namespace crvpo
