// Choosing a job by the start of its name.
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

void gatherJobs(crv::PrivateTable<crv::JCHeaderRecord>& jobs, const std::string& wanted) {
  // Names sort without regard to case; starting at the first letter finds
  // them whichever case the person typed.
  jobs.rec.JobName = wanted.substr(0, 1);
  if (jobs.table.setFrom(crv::JCHeaderRecord::KeyJobName) != crv::TableStatus::Ok) return;
  while (jobs.table.next() == crv::TableStatus::Ok) {
    const std::string name = jobs.rec.JobName.str();
    // Bytes compare unsigned, as the key orders them.
    if (!name.empty() && static_cast<unsigned char>(crv::toUpperAscii(name.substr(0, 1))[0]) >
                             static_cast<unsigned char>(wanted[0]))
      break;
    if (crv::toUpperAscii(name.substr(0, wanted.size())) != wanted) continue;
    if (jobs.rec.Closed == 1 || jobs.rec.Active == 0) continue;
    // The identifier fills its width so that the first JobIDLen
    // characters of an entry are the job, whatever its length.
    std::string id = jobs.rec.JobID.str();
    const auto width = static_cast<std::size_t>(std::max(crv::JobIDLen, 0));
    if (id.size() < width) id.resize(width, ' ');
    crv::RXQUEUE.push_back(id + " - " + name);
  }
}

}  // namespace

std::optional<std::string> chooseJobByName(std::string_view typed) {
  const std::string text(crv::clip(typed));
  if (text.empty()) return std::nullopt;
  crv::PrivateTable<crv::JCHeaderRecord> jobs(crv::JCHeader);
  if (!jobs.isOpen()) return std::nullopt;
  jobs.rec.JobID = text;
  if (jobs.fetch(crv::JCHeaderRecord::KeyJobID)) return std::nullopt;
  crv::RXQUEUE.clear();
  gatherJobs(jobs, crv::toUpperAscii(text));
  if (crv::RXQUEUE.empty()) return std::nullopt;
  if (crv::RXQUEUE.size() > 1) {
    crv::GLO.Increment = 0;  // no screen position: the front end centres the pick list over the form
    crv::GlobalRequest = crv::SelectRecord;
    SelectJobByName();
  }
  const std::string chosen = crv::RXQUEUE.empty() ? std::string() : crv::RXQUEUE.front();
  return std::string(crv::clip(std::string_view(chosen).substr(0, static_cast<std::size_t>(crv::JobIDLen))));
}

}  // namespace crvpo
