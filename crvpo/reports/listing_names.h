// The vendors and jobs a purchase-order listing names, each read once a
// run: orders share few vendors and jobs, and both the gathering (to sort
// by vendor name) and the printing (the order bands) ask for them.
#pragma once

#include <array>
#include <string>
#include <unordered_map>

#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

class ListingNames {
 public:
  struct Vendor {
    std::string name;  // "Vendor Not Found" for a vendor that is not on file
    std::array<std::string, 3> lines;
  };

  ListingNames() : vendors_(crv::APVendor), jobs_(crv::JCHeader) {}

  const Vendor& vendor(crv::Id vendorId);
  // Blank for a job that is not on file.
  const std::string& jobName(const std::string& jobId);

 private:
  crv::PrivateTable<crv::APVendorRecord> vendors_;
  crv::PrivateTable<crv::JCHeaderRecord> jobs_;
  std::unordered_map<crv::Id, Vendor> vendorValues_;
  std::unordered_map<std::string, std::string> jobNames_;
};

}  // namespace crvpo
