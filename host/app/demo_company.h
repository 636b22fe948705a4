// The demo company: a small general contractor with vendors, jobs and their
// budgets, change orders, inventory, equipment, customers, users and a
// handful of purchase orders in every reconciliation state.
//
// The data set is fixed: every date is computed from one base date and no
// value depends on the clock, so tests and documentation can name what it
// holds. The facts they rely on are the constants below; docs/DEMO.md
// describes the whole set.
#pragma once

#include <filesystem>
#include <string_view>

#include "host/framework/record/record.h"

namespace crv {

// Creates the demo company in `folder` (created when missing) in one
// transaction. Throws std::runtime_error, leaving the company as it was,
// when the folder already holds a company with data, and StorageOpenError
// when the database cannot be opened.
void createDemoCompany(const std::filesystem::path& folder);

namespace demo {

// Every date of the data set is this date plus or minus some days.
Date baseDate();  // 6 January 2025

inline constexpr std::string_view companyName = "Harbor Ridge Builders, Inc.";
inline constexpr int jobIdLen = 10;
inline constexpr int costCodeLen = 6;
inline constexpr Id nextPONumber = 1007;
inline constexpr double defaultTaxRate = 8.5;

// Users.
inline constexpr std::string_view adminUser = "ADM";
inline constexpr std::string_view purchasingAgent = "JMS";  // Janet Sullivan, may edit PO numbers
inline constexpr std::string_view projectManager = "RTK";   // Robert Kim, may not

// Jobs.
inline constexpr std::string_view mainJob = "2401";      // active, with change orders
inline constexpr std::string_view closedJob = "2301";    // JCH:Closed = 1
inline constexpr std::string_view inactiveJob = "2302";  // JCH:Active = 0
inline constexpr std::string_view taxJob = "2403";       // JCH:APTaxRate = 8.25
inline constexpr std::string_view taxJobRate = "8.25";
inline constexpr int jobCount = 6;

// Cost lines of the main job.
inline constexpr std::string_view inactiveCostCode = "09-900M";   // JCC:Inactive = 1
inline constexpr std::string_view preferredCostCode = "03-300S";  // JCC:PreferredVendorID set
inline constexpr Id preferredVendor = 105;
inline constexpr std::string_view changeOrderCostCode = "03-300M";  // charged through change order 001
inline constexpr std::string_view changeOrderNumber = "001";
inline constexpr int costCodeCatalogueSize = 72;  // 12 codes in each of the 6 categories

// Vendors.
inline constexpr Id firstVendor = 101;
inline constexpr int vendorCount = 30;
inline constexpr Id inactiveVendor = 127;
inline constexpr Id vendorWithoutEmail = 129;  // no e-mail and no contacts
inline constexpr Id vendorWithContacts = 110;  // an e-mail and two contacts with e-mail

// Inventory.
inline constexpr std::string_view boxedItem = "SCR-DECK-3";  // stocked in EA, bought by the BOX of 50
inline constexpr std::string_view boxUnit = "BOX";
inline constexpr double boxFactor = 50;
inline constexpr std::string_view serializedItem = "GEN-7500";
inline constexpr std::string_view qtyExemptItem = "GLOVE-LTHR";
inline constexpr std::string_view mainLocation = "MAIN";

// Equipment and accounts.
inline constexpr std::string_view excavator = "EX-200";
inline constexpr std::string_view repairCategory = "REPAIR";
inline constexpr std::string_view suppliesAccount = "6100-00";
inline constexpr std::string_view accountMask = "####-##";  // SYS:AccountMask; every account fits it

// Customers.
inline constexpr Id customerWithShipTos = 201;  // two alternate ship-to addresses

// Purchase orders, by number.
inline constexpr int orderCount = 6;
inline constexpr std::string_view openJobOrder = "1001";      // lumber for the main job, with a text line
inline constexpr std::string_view changeOrderOrder = "1002";  // concrete, one line on change order 001
inline constexpr std::string_view inventoryOrder = "1003";    // boxed screws, generators, an account line
inline constexpr std::string_view partlyReconciledOrder = "1004";
inline constexpr std::string_view fullyReconciledOrder =
    "1005";                                                 // SortPONumber blank, SortVendorID 0, RecTF 1
inline constexpr std::string_view unprintedOrder = "1006";  // equipment and job lines, PrintFlag "0"

// The sample designer form, in the company folder; Systems' designer-form
// path names it, while the form setting stays "Standard".
inline constexpr std::string_view sampleDesignerForm = "Forms/Purchase Order.crvreport";

}  // namespace demo
}  // namespace crv
