// Vendors and jobs of a listing run, read once each.
#include "crvpo/reports/listing_names.h"

#include "crvpo/reports/address_lines.h"

namespace crvpo {

const ListingNames::Vendor& ListingNames::vendor(crv::Id vendorId) {
  auto [at, added] = vendorValues_.try_emplace(vendorId);
  if (!added) return at->second;
  vendors_.rec.clear();
  vendors_.rec.VendorID = vendorId;
  if (vendors_.fetch(crv::APVendorRecord::KeyVendorID)) {
    const crv::APVendorRecord& v = vendors_.rec;
    at->second.name = v.VendorName.str();
    at->second.lines = closedUpLines(v.Address.view(), v.Address2.view(),
                                     cityLine(v.City.view(), v.State.view(), v.Zip.view(), "  ", true));
  } else {
    at->second.name = "Vendor Not Found";
  }
  return at->second;
}

const std::string& ListingNames::jobName(const std::string& jobId) {
  auto [at, added] = jobNames_.try_emplace(jobId);
  if (!added) return at->second;
  jobs_.rec.clear();
  jobs_.rec.JobID = jobId;
  if (jobs_.fetch(crv::JCHeaderRecord::KeyJobID)) at->second = jobs_.rec.JobName.str();
  return at->second;
}

}  // namespace crvpo
