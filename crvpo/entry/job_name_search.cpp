// Finding a job by the start of its name.
#include "crvpo/entry/job_name_search.h"

#include <algorithm>

#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"
#include "host/siblings/CRVJC/select_job_by_name.h"

namespace crvpo {

namespace {

bool isJob(std::string_view id) {
  crv::PrivateTable<crv::JCHeaderRecord> jobs(crv::JCHeader);
  jobs.rec.JobID = id;
  return jobs.fetch(crv::JCHeaderRecord::KeyJobID);
}

// The candidates, "id - name" with the identifier filling its width so that
// the first JobIDLen characters of an entry are the job.
std::vector<std::string> candidates(std::string_view typed) {
  std::vector<std::string> found;
  const std::string wanted = crv::toUpperAscii(typed);
  crv::PrivateTable<crv::JCHeaderRecord> jobs(crv::JCHeader);
  // Names are kept capitalised; starting at the capital finds them
  // whichever case the person typed.
  jobs.rec.JobName = wanted.substr(0, 1);
  if (!jobs.isOpen() || jobs.table.setFrom(crv::JCHeaderRecord::KeyJobName) != crv::TableStatus::Ok)
    return found;
  while (jobs.table.next() == crv::TableStatus::Ok) {
    const std::string name = jobs.rec.JobName.str();
    // Bytes compare unsigned, as the key orders them.
    if (!name.empty() && static_cast<unsigned char>(crv::toUpperAscii(name.substr(0, 1))[0]) >
                             static_cast<unsigned char>(wanted[0]))
      break;
    if (crv::toUpperAscii(name.substr(0, wanted.size())) != wanted) continue;
    if (jobs.rec.Closed == 1 || jobs.rec.Active == 0) continue;
    std::string id = jobs.rec.JobID.str();
    const auto width = static_cast<std::size_t>(std::max(crv::JobIDLen, 0));
    if (id.size() < width) id.resize(width, ' ');
    found.push_back(id + " - " + name);
  }
  return found;
}

}  // namespace

JobNameMatch searchJobByName(std::string_view typed) {
  const std::string text(crv::clip(typed));
  if (text.empty() || isJob(text)) return {};
  crv::RXQUEUE = candidates(text);
  if (crv::RXQUEUE.empty()) return {};
  if (crv::RXQUEUE.size() > 1) {
    crv::GLO.Increment = 0;  // no screen position: the front end centres the pick list over the form
    crv::GlobalRequest = crv::SelectRecord;
    SelectJobByName();
  }
  const std::string chosen = crv::RXQUEUE.empty() ? std::string() : crv::RXQUEUE.front();
  JobNameMatch match;
  match.jobId =
      std::string(crv::clip(std::string_view(chosen).substr(0, static_cast<std::size_t>(crv::JobIDLen))));
  match.outcome = match.jobId.empty() ? JobNameMatch::Outcome::NotPicked : JobNameMatch::Outcome::Picked;
  return match;
}

std::optional<std::string> chooseJobByName(std::string_view typed) {
  const JobNameMatch match = searchJobByName(typed);
  if (match.outcome == JobNameMatch::Outcome::NotAName) return std::nullopt;
  return match.jobId;
}

}  // namespace crvpo
