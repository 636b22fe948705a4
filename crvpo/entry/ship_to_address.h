// Where an order's goods go: the ship-to fields of POMaster filled from a
// job, a vendor, a customer, one of the customer's other ship-to
// addresses or the company, and the one-line "City, ST  Zip" the header
// form shows under them.
#pragma once

#include <string>
#include <string_view>

#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"

namespace crvpo {

// The ship-to types, in the order the Type list offers them.
inline constexpr std::string_view shipToJob = "Job";
inline constexpr std::string_view shipToVendor = "Vendor";
inline constexpr std::string_view shipToCustomer = "Customer";
inline constexpr std::string_view shipToCompany = "Company";
inline constexpr std::string_view shipToOther = "Other";
inline constexpr std::string_view shipToTypes = "Job|Vendor|Customer|Company|Other";
// Without job cost there is no job to ship to.
inline constexpr std::string_view shipToTypesWithoutJobs = "Vendor|Customer|Company|Other";

// "City, ST  Zip"; without a city "ST  Zip"; cut to 40 characters.
std::string cityStateZip(const crv::POMasterRecord& order);

// Name, both address lines, city, state, zip and contact of the source.
void shipToJobAddress(crv::POMasterRecord& order, const crv::JCHeaderRecord& job);
void shipToVendorAddress(crv::POMasterRecord& order, const crv::APVendorRecord& vendor);
void shipToCustomerAddress(crv::POMasterRecord& order, const crv::ARCustRecord& customer);
// Name, address lines, city, state and zip; the contact stays.
void shipToCompanyAddress(crv::POMasterRecord& order, const crv::SystemsRecord& company);
void shipToAlternateAddress(crv::POMasterRecord& order, const crv::ARShipToRecord& address);

}  // namespace crvpo
