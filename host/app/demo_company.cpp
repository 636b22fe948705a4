// Creating the demo company through the table layer, in one transaction.
//
// Running totals that the purchasing module keeps in step with its orders
// (committed costs of job cost lines and change-order details, quantities on
// order of items, reconciled totals of orders) are computed here from the
// orders as they are written, so the data set starts consistent.
#include "host/app/demo_company.h"

#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/app/sample_designer_form.h"
#include "host/data/company.h"
#include "host/data/tables/equipment_tables.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/ledger_tables.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/receivables_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/transaction.h"

namespace crv {

Date demo::baseDate() { return Date::compose(1, 6, 2025); }

namespace {

using namespace demo;

Date day(int offset) { return baseDate() + offset; }

Quantity qty(std::string_view text) { return Quantity::parse(text).value(); }
Amount money(std::string_view text) { return Amount::parse(text).value(); }

[[noreturn]] void fail(Table& table, std::string_view action) {
  throw std::runtime_error("Creating the demo company failed: " + table.lastError().describe() + " " +
                           std::string(action) + " " + table.name());
}

void put(Table& table) {
  if (table.tryInsert() != TableStatus::Ok) fail(table, "Inserting");
}

void save(Table& table) {
  if (table.tryUpdate() != TableStatus::Ok) fail(table, "Saving");
}

void find(Table& table, const KeyDef& key) {
  if (table.fetch(key) != TableStatus::Ok) fail(table, "Reading");
}

// ------------------------------------------------------------------ ledger

struct AccountRow {
  const char* account;
  const char* description;
  const char* type;
};

constexpr AccountRow accounts[] = {
    {"1000-00", "Operating Cash", "A"},
    {"1200-00", "Accounts Receivable", "A"},
    {"1300-00", "Inventory", "A"},
    {"1500-00", "Construction Equipment", "A"},
    {"2000-00", "Accounts Payable", "L"},
    {"2100-00", "Sales Tax Payable", "L"},
    {"3000-00", "Retained Earnings", "Q"},
    {"4000-00", "Contract Revenue", "R"},
    {"5000-00", "Job Cost - Labor", "X"},
    {"5100-00", "Job Cost - Material", "X"},
    {"5200-00", "Job Cost - Subcontract", "X"},
    {"5300-00", "Job Cost - Equipment", "X"},
    {"5400-00", "Job Cost - General", "X"},
    {"5500-00", "Job Cost - Burden", "X"},
    {"6000-00", "Office Supplies", "X"},
    {"6100-00", "Shop Supplies and Small Tools", "X"},
    {"6200-00", "Vehicle and Equipment Fuel", "X"},
    {"6300-00", "Equipment Repairs", "X"},
    {"6400-00", "Rent", "X"},
    {"6600-00", "Insurance", "X"},
};

void addAccounts() {
  for (const AccountRow& row : accounts) {
    GLM.clear();
    GLM.Account = row.account;
    GLM.Description = row.description;
    GLM.AccountType = row.type;
    GLM.Active = 1;
    put(GLMaster);
  }
}

// ------------------------------------------------------------------ company, users

void addCompany(const std::filesystem::path& folder) {
  SYS.clear();
  SYS.CompanyName = companyName;
  SYS.Address1 = "4120 SE Columbia Way";
  SYS.Address2 = "Suite 200";
  SYS.City = "Vancouver";
  SYS.State = "WA";
  SYS.Zip = "98661";
  SYS.Phone = "(360) 555-0100";
  SYS.Fax = "(360) 555-0199";
  SYS.DefaultTaxRate = defaultTaxRate;
  SYS.AutoPONumber = 1;
  SYS.POWarnDuplicateNumber = 1;
  SYS.NextPONumber = nextPONumber;
  SYS.CanadianTax = 0;
  SYS.GSTRate = 5.0;
  SYS.GSTLabel = "GST";
  SYS.PODefaultDetailType = "Job";
  SYS.POShowAcceptDate = 1;
  SYS.POShowDeliveryDate = 1;
  SYS.POShowDeadlineDate = 1;
  SYS.POShowPriorityVendors = 1;
  SYS.POWarnOverBudget = 1;
  SYS.POChangeOrders = 1;
  SYS.PrintPhoneOnForms = 1;
  SYS.UseUniversalLogo = 0;
  SYS.POFormType = "Standard";
  SYS.PODesignerForm = (folder / demo::sampleDesignerForm).string();
  SYS.DefaultJobAccount = "5400-00";
  SYS.DefaultEquipmentAccount = "6300-00";
  SYS.JobIDLen = jobIdLen;
  SYS.CostCodeLen = costCodeLen;
  SYS.AccountMask = accountMask;
  put(Systems);

  CTRL.clear();
  CTRL.Section = "Company";
  CTRL.Setting = "DemoData";
  CTRL.Value = "1";
  CTRL.ModifyDate = baseDate();
  put(Control);
}

void addUsers() {
  struct UserRow {
    std::string_view id;
    const char* first;
    const char* last;
    const char* email;
    const char* signature;
    Flag editNumber;
    Byte level;
  };
  const UserRow users[] = {
      {adminUser, "System", "Administrator", "admin@harborridge.example", "", 1, 9},
      {purchasingAgent, "Janet", "Sullivan", "jsullivan@harborridge.example",
       "Janet Sullivan\r\nPurchasing Agent\r\nHarbor Ridge Builders, Inc.\r\n(360) 555-0140", 1, 5},
      {projectManager, "Robert", "Kim", "rkim@harborridge.example", "", 0, 3},
  };
  for (const UserRow& row : users) {
    USR.clear();
    USR.UserID = row.id;
    USR.FirstName = row.first;
    USR.LastName = row.last;
    USR.Email = row.email;
    USR.EmailSignature = row.signature;
    USR.EditPONumber = row.editNumber;
    USR.Active = 1;
    USR.SecurityLevel = row.level;
    put(UserFile);
  }
  for (const char* agent : {"Janet Sullivan", "Robert Kim"}) {
    DPL.clear();
    DPL.FieldName = "POM Purchasing Agent";
    DPL.FieldValue = agent;
    DPL.UserID = purchasingAgent;
    DPL.DateAdded = day(-60);
    put(DropList);
  }
}

// ------------------------------------------------------------------ vendors

struct VendorRow {
  Id id;
  const char* name;
  const char* address;
  const char* city;
  const char* state;
  const char* zip;
  const char* phone;
  const char* email;
  const char* contact;
  const char* terms;
  const char* account;
};

constexpr VendorRow vendors[] = {
    {101, "Acme Site Services", "8800 NE 117th Ave", "Vancouver", "WA", "98662", "(360) 555-0111",
     "office@acmesite.example", "Bill Harmon", "Net 30", "5200-00"},
    {102, "Bridgeport Plumbing & Mechanical", "1420 SE 8th Ave", "Portland", "OR", "97214", "(503) 555-0122",
     "bids@bridgeportpm.example", "Lena Ford", "Net 30", "5200-00"},
    {103, "Columbia Lumber Supply", "2200 NW Front Ave", "Portland", "OR", "97209", "(503) 555-0133",
     "orders@columbialumber.example", "Dale Peters", "2% 10 Net 30", "5100-00"},
    {104, "Northwest Equipment Rental", "5100 NE Columbia Blvd", "Portland", "OR", "97218", "(503) 555-0144",
     "rentals@nwequip.example", "Sam Ortiz", "Net 15", "5300-00"},
    {105, "Pacific Ready-Mix Concrete", "3900 NW Lower River Rd", "Vancouver", "WA", "98660",
     "(360) 555-0155", "dispatch@pacificreadymix.example", "Greg Olson", "Net 30", "5100-00"},
    {106, "Summit Drywall Contractors", "700 W 11th St", "Vancouver", "WA", "98660", "(360) 555-0166",
     "estimating@summitdrywall.example", "Ana Reyes", "Net 30", "5200-00"},
    {107, "Valley Insulation Inc.", "12010 NE 95th St", "Vancouver", "WA", "98682", "(360) 555-0177",
     "info@valleyinsulation.example", "Mark Chu", "Net 30", "5200-00"},
    {108, "Evergreen Electric Supply", "6400 NE Hwy 99", "Vancouver", "WA", "98665", "(360) 555-0188",
     "counter@evergreenelectric.example", "Priya Shah", "Net 30", "5100-00"},
    {109, "Riverbend Masonry", "310 S Pacific Hwy", "Woodland", "WA", "98674", "(360) 555-0199",
     "office@riverbendmasonry.example", "Carl Jensen", "Net 30", "5200-00"},
    {110, "Cascade Fastener & Supply", "4455 NW Yeon Ave", "Portland", "OR", "97210", "(503) 555-0210",
     "sales@cascadefastener.example", "Maria Lopez", "2% 10 Net 30", "5100-00"},
    {111, "Tri-County Hardware", "18900 SE McLoughlin Blvd", "Milwaukie", "OR", "97267", "(503) 555-0221",
     "orders@tricountyhw.example", "Jim Walsh", "Net 30", "5100-00"},
    {112, "Builders Hardware Outlet", "2500 NE Andresen Rd", "Vancouver", "WA", "98661", "(360) 555-0232",
     "store@buildershw.example", "", "Due on receipt", "5100-00"},
    {113, "Heavy Iron Parts Co.", "9300 N Columbia Blvd", "Portland", "OR", "97203", "(503) 555-0243",
     "parts@heavyiron.example", "Linda Park", "Net 30", "6300-00"},
    {114, "Westside Door & Frame", "14800 SW 72nd Ave", "Tigard", "OR", "97224", "(503) 555-0254",
     "quotes@westsidedoor.example", "Rick Stone", "Net 30", "5100-00"},
    {115, "Precision Steel Fabricators", "2750 NW 31st Ave", "Portland", "OR", "97210", "(503) 555-0265",
     "pm@precisionsteel.example", "Howard Lin", "Net 45", "5200-00"},
    {116, "Clearwater Portable Toilets", "1100 E Mill Plain Blvd", "Vancouver", "WA", "98663",
     "(360) 555-0276", "service@clearwaterpt.example", "", "Net 15", "5400-00"},
    {117, "Interstate Fuel Services", "400 Port Way", "Vancouver", "WA", "98660", "(360) 555-0287",
     "accounts@interstatefuel.example", "Deb Moore", "Net 15", "6200-00"},
    {118, "Bluewater Painting LLC", "5600 NE Glisan St", "Portland", "OR", "97213", "(503) 555-0298",
     "jobs@bluewaterpainting.example", "Eli Cohen", "Net 30", "5200-00"},
    {119, "Skyline Crane Service", "7700 NE Killingsworth St", "Portland", "OR", "97218", "(503) 555-0309",
     "dispatch@skylinecrane.example", "Nate Ruiz", "Net 30", "5300-00"},
    {120, "Metro Office Supply", "1200 Main St", "Vancouver", "WA", "98660", "(360) 555-0310",
     "orders@metrooffice.example", "", "Net 30", "6000-00"},
    {121, "Hillsboro Glass & Glazing", "455 SE Oak St", "Hillsboro", "OR", "97123", "(503) 555-0321",
     "estimates@hillsboroglass.example", "Tara Quinn", "Net 30", "5200-00"},
    {122, "Pioneer Roofing Supply", "2900 SE Gladstone St", "Portland", "OR", "97202", "(503) 555-0332",
     "sales@pioneerroofing.example", "Ben Ito", "Net 30", "5100-00"},
    {123, "Redwood Rebar Supply", "8100 NE St Johns Rd", "Vancouver", "WA", "98665", "(360) 555-0343",
     "orders@redwoodrebar.example", "Gail Fox", "Net 30", "5100-00"},
    {124, "Trailhead Surveying", "1600 Broadway", "Vancouver", "WA", "98663", "(360) 555-0354",
     "crew@trailheadsurvey.example", "Owen Price", "Net 30", "5200-00"},
    {125, "Greenway Landscape Supply", "21000 SW Pacific Hwy", "Sherwood", "OR", "97140", "(503) 555-0365",
     "yard@greenwaysupply.example", "Ivy Hart", "Net 30", "5100-00"},
    {126, "Ironwood Safety Products", "3300 NE 65th St", "Vancouver", "WA", "98661", "(360) 555-0376",
     "orders@ironwoodsafety.example", "Paul Dunn", "Net 30", "6100-00"},
    {127, "Old Mill Cabinet Shop", "90 Mill St", "Camas", "WA", "98607", "(360) 555-0387",
     "shop@oldmillcabinet.example", "Hank Bauer", "Net 30", "5100-00"},
    {128, "Keystone Testing Labs", "4100 NE 68th Dr", "Vancouver", "WA", "98661", "(360) 555-0398",
     "lab@keystonetesting.example", "Rosa Diaz", "Net 30", "5400-00"},
    {129, "Ray's Hauling", "17 Industrial Way", "Longview", "WA", "98632", "(360) 555-0409", "",
     "Ray Tillman", "Due on receipt", "5300-00"},
    {130, "Sterling Power Equipment", "11500 SW Tualatin Rd", "Tualatin", "OR", "97062", "(503) 555-0410",
     "sales@sterlingpower.example", "Chris Vale", "Net 30", "5100-00"},
};
static_assert(std::size(vendors) == vendorCount);

const VendorRow& vendor(Id id) { return vendors[id - firstVendor]; }

void addVendors() {
  for (const VendorRow& row : vendors) {
    APV.clear();
    APV.VendorID = row.id;
    APV.ExternalID = row.id % 3 == 0 ? "V-" + std::to_string(row.id * 7) : std::string();
    APV.VendorName = row.name;
    APV.Address = row.address;
    APV.City = row.city;
    APV.State = row.state;
    APV.Zip = row.zip;
    APV.Phone = row.phone;
    std::string fax = row.phone;
    fax.replace(fax.size() - 1, 1, "9");
    APV.Fax = row.id == vendorWithoutEmail ? std::string() : fax;
    APV.Email = row.email;
    APV.Contact = row.contact;
    APV.Active = row.id == inactiveVendor ? 0 : 1;
    APV.DueTerms = row.terms;
    APV.DueDays = std::string_view(row.terms) == "Net 15"   ? 15
                  : std::string_view(row.terms) == "Net 45" ? 45
                                                            : 30;
    if (std::string_view(row.terms).starts_with("2%")) {
      APV.DiscountDays = 10;
      APV.DiscountPercent = 2.0;
    }
    APV.DefaultAccount = row.account;
    APV.DefaultTax = defaultTaxRate;
    APV.PurchaseStatus = row.id == inactiveVendor ? "H" : "A";
    put(APVendor);
  }

  struct ContactRow {
    Id vendor;
    const char* first;
    const char* last;
    const char* title;
    const char* email;
  };
  const ContactRow contacts[] = {
      {103, "Dale", "Peters", "Outside Sales", "dale.peters@columbialumber.example"},
      {104, "Sam", "Ortiz", "Rental Coordinator", "sam.ortiz@nwequip.example"},
      {105, "Greg", "Olson", "Dispatcher", "greg.olson@pacificreadymix.example"},
      {108, "Priya", "Shah", "Inside Sales", "priya.shah@evergreenelectric.example"},
      {110, "Maria", "Lopez", "Account Manager", "maria.lopez@cascadefastener.example"},
      {110, "Tom", "Nguyen", "Counter Sales", "tom.nguyen@cascadefastener.example"},
      {113, "Linda", "Park", "Parts Manager", ""},
      {130, "Chris", "Vale", "Sales", "chris.vale@sterlingpower.example"},
  };
  for (const ContactRow& row : contacts) {
    CON.clear();
    CON.VendorID = row.vendor;
    CON.FirstName = row.first;
    CON.LastName = row.last;
    CON.Title = row.title;
    CON.Email = row.email;
    CON.Phone = vendor(row.vendor).phone;
    put(Contact);
  }
}

// ------------------------------------------------------------------ customers

void addCustomers() {
  struct CustomerRow {
    Id id;
    const char* name;
    const char* address;
    const char* city;
    const char* state;
    const char* zip;
    const char* phone;
    const char* contact;
  };
  const CustomerRow customers[] = {
      {201, "Beaverton School District", "16550 SW Merlo Rd", "Beaverton", "OR", "97003", "(503) 555-0501",
       "Karen Wells"},
      {202, "City of Oak Grove", "2010 SE Oak Grove Blvd", "Milwaukie", "OR", "97267", "(503) 555-0502",
       "Frank Adams"},
      {203, "Lakeview Properties LLC", "800 NE Lakeview Dr", "Vancouver", "WA", "98684", "(360) 555-0503",
       "Nina Brooks"},
      {204, "Pine Ridge Development Co.", "5000 NW Pine Ridge Rd", "Camas", "WA", "98607", "(360) 555-0504",
       "Victor Hale"},
      {205, "Riverside Health Partners", "101 SE Riverside Dr", "Vancouver", "WA", "98664", "(360) 555-0505",
       "Olivia Grant"},
  };
  for (const CustomerRow& row : customers) {
    ARC.clear();
    ARC.CustomerID = row.id;
    ARC.Name = row.name;
    ARC.Address = row.address;
    ARC.City = row.city;
    ARC.State = row.state;
    ARC.Zip = row.zip;
    ARC.Phone = row.phone;
    ARC.Contact = row.contact;
    ARC.Active = 1;
    ARC.Terms = "Net 30";
    put(ARCust);
  }
  struct ShipToRow {
    Id customer;
    const char* name;
    const char* address;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
    const char* contact;
  };
  const ShipToRow shipTos[] = {
      {customerWithShipTos, "District Warehouse", "2180 NW 167th Pl", "Dock 3", "Beaverton", "OR", "97006",
       "Receiving"},
      {customerWithShipTos, "Cedar Hills Elementary", "12500 SW Walker Rd", "", "Beaverton", "OR", "97005",
       "Head Custodian"},
      {202, "Public Works Yard", "3600 SE Naef Rd", "Gate B", "Milwaukie", "OR", "97267", "Yard Foreman"},
  };
  for (const ShipToRow& row : shipTos) {
    ARS.clear();
    ARS.CustomerID = row.customer;
    ARS.Name = row.name;
    ARS.Address = row.address;
    ARS.Address2 = row.address2;
    ARS.City = row.city;
    ARS.State = row.state;
    ARS.Zip = row.zip;
    ARS.Contact = row.contact;
    put(ARShipTo);
  }
}

// ------------------------------------------------------------------ jobs

struct JobRow {
  std::string_view id;
  const char* name;
  Id customer;
  const char* address;
  const char* city;
  const char* state;
  const char* zip;
  const char* contact;
  const char* manager;
  Flag active;
  Flag closed;
  const char* apTaxRate;
  const char* contract;
};

constexpr JobRow jobs[] = {
    {closedJob, "Riverside Medical Office", 205, "101 SE Riverside Dr", "Vancouver", "WA", "98664",
     "Olivia Grant", "Robert Kim", 1, 1, "0", "1450000.00"},
    {inactiveJob, "Elm Street Duplex", 204, "2218 Elm St", "Vancouver", "WA", "98661", "Victor Hale",
     "Robert Kim", 0, 0, "0", "385000.00"},
    {mainJob, "Cedar Hills Elementary Addition", 201, "12500 SW Walker Rd", "Beaverton", "OR", "97005",
     "Karen Wells", "Robert Kim", 1, 0, "0", "2865000.00"},
    {"2402", "Oak Grove Fire Station No. 3", 202, "14300 SE River Rd", "Milwaukie", "OR", "97267",
     "Frank Adams", "Robert Kim", 1, 0, "0", "1920000.00"},
    {taxJob, "Lakeview Retail Center", 203, "800 NE Lakeview Dr", "Vancouver", "WA", "98684", "Nina Brooks",
     "Robert Kim", 1, 0, "8.25", "1175000.00"},
    {"2404", "Pine Ridge Townhomes", 204, "5100 NW Pine Ridge Rd", "Camas", "WA", "98607", "Victor Hale",
     "Robert Kim", 1, 0, "0", "3310000.00"},
};
static_assert(std::size(jobs) == jobCount);

const JobRow& job(std::string_view id) {
  for (const JobRow& row : jobs)
    if (row.id == id) return row;
  throw std::logic_error("demo company: no job " + std::string(id));
}

struct CodeRow {
  const char* code;
  const char* description;
};

constexpr CodeRow costCodes[] = {
    {"01-100", "General Conditions"},
    {"02-200", "Sitework and Excavation"},
    {"03-300", "Concrete"},
    {"04-400", "Masonry"},
    {"05-500", "Structural Steel"},
    {"06-100", "Rough Carpentry"},
    {"07-200", "Insulation"},
    {"08-100", "Doors and Frames"},
    {"09-200", "Drywall"},
    {"09-900", "Painting"},
    {"15-400", "Plumbing"},
    {"16-100", "Electrical"},
};

struct CategoryRow {
  char letter;
  const char* name;
  const char* account;
};

constexpr CategoryRow categories[] = {
    {'L', "Labor", "5000-00"},     {'M', "Material", "5100-00"}, {'S', "Subcontract", "5200-00"},
    {'E', "Equipment", "5300-00"}, {'G', "General", "5400-00"},  {'B', "Burden", "5500-00"},
};
static_assert(std::size(costCodes) * std::size(categories) == costCodeCatalogueSize);

const CategoryRow& category(char letter) {
  for (const CategoryRow& row : categories)
    if (row.letter == letter) return row;
  throw std::logic_error("demo company: no cost category " + std::string(1, letter));
}

std::string costCodeDescription(std::string_view fullCode) {
  const std::string_view code = fullCode.substr(0, costCodeLen);
  for (const CodeRow& row : costCodes)
    if (code == row.code) return std::string(row.description) + " - " + category(fullCode[costCodeLen]).name;
  throw std::logic_error("demo company: no cost code " + std::string(fullCode));
}

struct BudgetRow {
  std::string_view job;
  const char* costCode;
  const char* budget;
  const char* costToDate;
};

constexpr BudgetRow budgets[] = {
    {closedJob, "01-100G", "10000.00", "9875.40"}, {closedJob, "03-300M", "30000.00", "29410.00"},
    {inactiveJob, "01-100G", "4000.00", "0"},      {inactiveJob, "06-100M", "22000.00", "0"},
    {mainJob, "01-100L", "48000.00", "12650.00"},  {mainJob, "01-100G", "18500.00", "4210.35"},
    {mainJob, "01-100B", "21600.00", "5692.50"},   {mainJob, "02-200E", "32000.00", "18400.00"},
    {mainJob, "02-200S", "65000.00", "41250.00"},  {mainJob, "03-300L", "38000.00", "9800.00"},
    {mainJob, "03-300M", "52000.00", "11875.00"},  {mainJob, "03-300S", "24000.00", "0"},
    {mainJob, "06-100L", "41000.00", "0"},         {mainJob, "06-100M", "36500.00", "0"},
    {mainJob, "09-200S", "58000.00", "0"},         {mainJob, "09-900S", "27500.00", "0"},
    {mainJob, "09-900M", "6000.00", "0"},          {mainJob, "15-400S", "74000.00", "6200.00"},
    {mainJob, "16-100S", "96000.00", "8500.00"},   {"2402", "01-100G", "12000.00", "2100.00"},
    {"2402", "02-200S", "45000.00", "30500.00"},   {"2402", "03-300M", "28000.00", "9950.00"},
    {"2402", "16-100L", "14000.00", "0"},          {"2402", "16-100M", "9500.00", "1120.00"},
    {taxJob, "01-100G", "9000.00", "850.00"},      {taxJob, "02-200E", "15000.00", "2750.00"},
    {taxJob, "05-500S", "88000.00", "0"},          {taxJob, "08-100M", "16500.00", "0"},
    {"2404", "01-100G", "7500.00", "0"},           {"2404", "01-100B", "5000.00", "0"},
    {"2404", "06-100L", "48000.00", "0"},          {"2404", "06-100M", "62000.00", "0"},
    {"2404", "07-200S", "19000.00", "0"},
};

void addJobs() {
  for (const JobRow& row : jobs) {
    JCH.clear();
    JCH.JobID = row.id;
    JCH.JobName = row.name;
    JCH.Active = row.active;
    JCH.Closed = row.closed;
    JCH.CustomerID = row.customer;
    JCH.Address = row.address;
    JCH.City = row.city;
    JCH.State = row.state;
    JCH.Zip = row.zip;
    JCH.CustomerContact = row.contact;
    JCH.ProjectManager = row.manager;
    JCH.StartDate = day(row.closed ? -540 : -120);
    JCH.CompletionDate = row.closed ? day(-90) : Date();
    JCH.ContractAmount = money(row.contract);
    JCH.TaxCode = std::string_view(row.state) == "WA" ? "WA-CLARK" : "OR";
    JCH.APTaxRate = qty(row.apTaxRate);
    put(JCHeader);
  }

  for (const CodeRow& code : costCodes) {
    for (const CategoryRow& cat : categories) {
      const std::string full = std::string(code.code) + cat.letter;
      JCD.clear();
      JCD.CostCode = full;
      JCD.Description = costCodeDescription(full);
      JCD.Category = std::string(1, cat.letter);
      JCD.Account = cat.account;
      put(JCCode);
    }
  }

  for (const BudgetRow& row : budgets) {
    const std::string_view code = row.costCode;
    JCC.clear();
    JCC.RecordID = JCCostRecord::recordIdFor(row.job, code, costCodeLen);
    JCC.JobID = row.job;
    JCC.CostCode = code;
    JCC.Category = code.substr(costCodeLen);
    JCC.EntryMask = code;
    JCC.Description = costCodeDescription(code);
    JCC.Account = category(code[costCodeLen]).account;
    JCC.OriginalBudget = money(row.budget);
    JCC.CurrentBudget = JCC.OriginalBudget;
    JCC.CostToDate = money(row.costToDate);
    JCC.Inactive = row.job == mainJob && code == inactiveCostCode;
    JCC.PreferredVendorID = row.job == mainJob && code == preferredCostCode ? preferredVendor : 0;
    if (!JCC.CostToDate.isZero()) JCC.LastCostDate = day(-9);
    put(JCCost);
  }
}

// Reads the cost line of a job and cost code into JCC.
void fetchCostLine(std::string_view jobId, std::string_view costCode) {
  JCC.JobID = jobId;
  JCC.CostCode = costCode;
  find(JCCost, JCCostRecord::KeyJobCodeType);
}

// Change orders: approved details raise the cost line's current budget.
// Returns the detail identifier of the main job's change order 001 on the
// change-order cost code, which an open order line is charged to.
Id addChangeOrders() {
  struct DetailRow {
    const char* costCode;
    const char* change;
  };
  struct OrderRow {
    std::string_view job;
    std::string_view number;
    const char* description;
    int dated;
    bool approved;
    std::vector<DetailRow> details;
  };
  const OrderRow orders[] = {
      {mainJob,
       changeOrderNumber,
       "Covered walkway at north entry",
       -20,
       true,
       {{"03-300M", "4500.00"}, {"06-100L", "2800.00"}}},
      {mainJob, "002", "Upgrade gymnasium lighting to LED", -4, false, {{"16-100S", "12750.00"}}},
      {"2402", "001", "Additional site drainage", -35, true, {{"02-200S", "6200.00"}}},
  };
  Id chargedDetail = 0;
  for (const OrderRow& order : orders) {
    JCCOH.clear();
    JCCOH.JobID = order.job;
    JCCOH.CONumber = order.number;
    JCCOH.Description = order.description;
    JCCOH.CODate = day(order.dated);
    JCCOH.Status = order.approved ? "A" : "P";
    if (order.approved) JCCOH.ApprovedDate = day(order.dated + 3);
    for (const DetailRow& detail : order.details) JCCOH.COAmount += money(detail.change);
    put(JCCOHTable);

    for (const DetailRow& detail : order.details) {
      JCCOD.clear();
      JCCOD.COID = JCCOH.COID;
      JCCOD.JobID = order.job;
      JCCOD.CostCode = detail.costCode;
      JCCOD.Description = order.description;
      JCCOD.BudgetChange = money(detail.change);
      put(JCCODTable);
      if (order.job == mainJob && order.number == changeOrderNumber && detail.costCode == changeOrderCostCode)
        chargedDetail = JCCOD.CODID;
      if (order.approved) {
        fetchCostLine(order.job, detail.costCode);
        JCC.CurrentBudget += JCCOD.BudgetChange;
        save(JCCost);
      }
    }
  }
  return chargedDetail;
}

// ------------------------------------------------------------------ inventory

struct ConversionRow {
  const char* unit;
  double factor;
};

struct ItemRow {
  std::string_view id;
  const char* description;
  const char* unit;
  const char* category;
  const char* costCode;
  double price;
  double cost;
  const char* location;
  const char* bin;
  const char* onHand;
  std::optional<ConversionRow> conversion;
};

const ItemRow items[] = {
    {boxedItem, "Deck screws #10 x 3in, coated", "EA", "FASTENERS", "06-100M", 0.19, 0.165, "MAIN", "A1",
     "1800", ConversionRow{"BOX", boxFactor}},
    {"WIRE-12-2", "Romex 12/2 NM-B copper cable", "FT", "ELECTRICAL", "16-100M", 0.52, 0.475, "MAIN", "A2",
     "1250", ConversionRow{"ROLL", 250}},
    {"PIPE-PVC-4", "PVC pipe 4in Schedule 40", "FT", "PLUMBING", "15-400M", 2.05, 1.84, "YARD", "PIPE", "400",
     ConversionRow{"LEN", 10}},
    {serializedItem, "Portable generator 7500 W", "EA", "EQUIPMENT", "", 1349.00, 1249.00, "MAIN", "B1", "2",
     std::nullopt},
    {qtyExemptItem, "Leather work gloves", "PR", "SAFETY", "01-100G", 6.75, 5.40, "", "", "0",
     ConversionRow{"DZ", 12}},
    {"CONC-MIX-80", "Concrete mix, 80 lb bag", "BAG", "CONCRETE", "03-300M", 6.95, 6.48, "YARD", "PAD", "84",
     ConversionRow{"PLT", 42}},
    {"LUM-2X4-8", "Stud 2x4x8 SPF", "EA", "LUMBER", "06-100M", 4.25, 3.89, "YARD", "LUMBER", "320",
     std::nullopt},
    {"DRYWALL-58", "Drywall 5/8in Type X 4x8", "SHT", "DRYWALL", "09-200M", 16.40, 14.85, "YARD", "LUMBER",
     "60", std::nullopt},
};

void addInventory() {
  struct LocationRow {
    const char* id;
    const char* description;
    const char* address;
  };
  const LocationRow locations[] = {
      {"MAIN", "Main Warehouse", "1800 SE Columbia Way"},
      {"YARD", "Storage Yard", "1850 SE Columbia Way"},
      {"TRUCK1", "Service Truck 1", ""},
  };
  for (const LocationRow& row : locations) {
    INL.clear();
    INL.LocationID = row.id;
    INL.Description = row.description;
    INL.Address = row.address;
    if (*row.address) {
      INL.City = "Vancouver";
      INL.State = "WA";
      INL.Zip = "98661";
    }
    put(INLoc);
  }
  const char* bins[][3] = {
      {"MAIN", "A1", "Aisle A, shelf 1"},     {"MAIN", "A2", "Aisle A, shelf 2"},
      {"MAIN", "B1", "Aisle B, secure cage"}, {"YARD", "PIPE", "Pipe rack"},
      {"YARD", "LUMBER", "Lumber shed"},      {"YARD", "PAD", "Covered pad"},
      {"TRUCK1", "BIN1", "Truck bin"},
  };
  for (const auto& row : bins) {
    INBN.clear();
    INBN.LocationID = row[0];
    INBN.BinID = row[1];
    INBN.Description = row[2];
    put(INBin);
  }

  for (const ItemRow& row : items) {
    INM.clear();
    INM.ItemID = row.id;
    INM.Description = row.description;
    INM.UnitName = row.unit;
    INM.Category = row.category;
    INM.DefaultCostCode = row.costCode;
    INM.Account = "1300-00";
    INM.QtyExempt = row.id == qtyExemptItem;
    INM.Serialized = row.id == serializedItem;
    INM.Active = 1;
    INM.Taxable = 1;
    INM.Price = row.price;
    INM.Cost = row.cost;
    INM.DefaultLocationID = row.location;
    INM.DefaultBinID = row.bin;
    INM.QtyOnHand = qty(row.onHand);
    INM.QtyReceivedToDate = INM.QtyOnHand;
    put(INMaster);

    if (!INM.QtyOnHand.isZero()) {
      INI.clear();
      INI.ItemID = row.id;
      INI.LocationID = row.location;
      INI.BinID = row.bin;
      INI.QtyOnHand = INM.QtyOnHand;
      INI.LastReceiptDate = day(-40);
      put(INItem);
    }
    if (row.conversion) {
      INC.clear();
      INC.ItemID = row.id;
      INC.UnitName = row.conversion->unit;
      INC.Factor = row.conversion->factor;
      INC.Description = std::string(row.conversion->unit) + " of " +
                        std::to_string(static_cast<int>(row.conversion->factor));
      put(INCnvrt);
    }
  }

  for (const char* serial : {"SPE7500-24-00311", "SPE7500-24-00312"}) {
    INS.clear();
    INS.ItemID = serializedItem;
    INS.SerialNo = serial;
    INS.LocationID = "MAIN";
    INS.BinID = "B1";
    INS.ReceivedDate = day(-40);
    put(INSerial);
  }

  struct ItemVendorRow {
    std::string_view item;
    Id vendor;
    Byte priority;
    const char* catalog;
    const char* unit;
    double price;
    const char* minimum;
  };
  const ItemVendorRow itemVendors[] = {
      {boxedItem, 110, 1, "CF-DS310-50", "BOX", 8.25, "10"},
      {boxedItem, 111, 2, "TCH-44817", "BOX", 8.60, "5"},
      {boxedItem, 112, 3, "BHO-DS3", "EA", 0.19, "100"},
      {"WIRE-12-2", 108, 1, "EES-NM122-250", "ROLL", 118.75, "1"},
      {"PIPE-PVC-4", 111, 1, "TCH-PVC4-10", "LEN", 18.40, "5"},
      {serializedItem, 130, 1, "SPE-G7500", "EA", 1249.00, "1"},
      {serializedItem, 111, 2, "TCH-GEN75", "EA", 1299.00, "1"},
      {qtyExemptItem, 126, 1, "IS-LG-DZ", "DZ", 64.80, "1"},
      {"CONC-MIX-80", 111, 1, "TCH-CM80", "BAG", 6.48, "20"},
      {"CONC-MIX-80", 105, 2, "PRM-BAG80-PLT", "PLT", 252.00, "1"},
      {"LUM-2X4-8", 103, 1, "CLS-2408-SPF", "EA", 3.89, "100"},
      {"DRYWALL-58", 103, 1, "CLS-DW58X", "SHT", 14.85, "20"},
  };
  for (const ItemVendorRow& row : itemVendors) {
    INV.clear();
    INV.ItemID = row.item;
    INV.VendorID = row.vendor;
    INV.Priority = row.priority;
    INV.VendorCatalogID = row.catalog;
    INV.UnitName = row.unit;
    INV.Price = row.price;
    INV.MinimumOrder = qty(row.minimum);
    INV.LeadDays = 3;
    INV.LastPriceDate = day(-90);
    put(INVendor);
  }
}

// ------------------------------------------------------------------ equipment

void addEquipment() {
  const char* codes[][3] = {
      {"FUEL", "Fuel and oil", "6200-00"},     {"REPAIR", "Repairs and maintenance", "6300-00"},
      {"PARTS", "Parts", "6300-00"},           {"TIRES", "Tires and tracks", "6300-00"},
      {"RENTAL", "Rental charges", "5300-00"}, {"INSURE", "Insurance", "6600-00"},
  };
  for (const auto& row : codes) {
    EQD.clear();
    EQD.CostCategory = row[0];
    EQD.Description = row[1];
    EQD.Account = row[2];
    put(EQCode);
  }
  struct UnitRow {
    std::string_view id;
    const char* description;
    const char* make;
    const char* model;
    const char* serial;
    std::uint16_t year;
    double rate;
  };
  const UnitRow units[] = {
      {excavator, "Excavator, CAT 320", "Caterpillar", "320", "CAT0320GKDX01234", 2019, 145.00},
      {"SK-01", "Skid steer, Bobcat S650", "Bobcat", "S650", "B3NK11872", 2021, 65.00},
      {"TR-05", "Dump truck, Kenworth T880", "Kenworth", "T880", "1NKZX4TX8JJ190077", 2018, 95.00},
      {"PU-12", "Pickup, Ford F-250", "Ford", "F-250", "1FT7W2BT6NEC04512", 2022, 28.00},
      {"FL-01", "Telehandler, JLG G10-55A", "JLG", "G10-55A", "0160088241", 2017, 75.00},
  };
  for (const UnitRow& row : units) {
    EQH.clear();
    EQH.EquipmentID = row.id;
    EQH.Description = row.description;
    EQH.Make = row.make;
    EQH.Model = row.model;
    EQH.SerialNo = row.serial;
    EQH.Year = row.year;
    EQH.Active = 1;
    EQH.HourlyRate = row.rate;
    put(EQHeader);
    for (const auto& code : codes) {
      const std::string_view name = code[0];
      if (name == "RENTAL" || name == "INSURE") continue;
      if (name == "TIRES" && row.id != excavator && row.id != "PU-12") continue;
      EQC.clear();
      EQC.EquipmentID = row.id;
      EQC.CostCategory = name;
      EQC.Description = code[1];
      EQC.Account = code[2];
      EQC.Budget = Amount(name == "FUEL" ? 12000 : 6000);
      put(EQCost);
    }
  }
}

// ------------------------------------------------------------------ purchase orders

struct LinePlan {
  std::string_view detailType;  // "" for a text line
  std::string_view description;
  std::string_view quantity;
  std::string_view unit;
  double price;
  std::string_view invoiced = "0";
  std::string_view received = "0";  // received on packing slips, not yet invoiced
  std::string_view jobId = {};
  std::string_view costCode = {};
  std::string_view account = {};
  std::string_view item = {};
  std::string_view equipment = {};
  std::string_view costCategory = {};
  bool chargeChangeOrder = false;
};

struct OrderPlan {
  std::string_view number;
  Id vendor;
  int issued;  // days from the base date
  std::string_view defaultJob;
  double taxRate;
  std::string_view printed;
  std::vector<LinePlan> lines;
  std::string_view invoiceNo = {};  // the posted payables invoice of what was invoiced
  std::string_view packSlip = {};   // the packing slip of what was received but not invoiced
};

struct Orders {
  Id changeOrderDetail = 0;

  void add(const OrderPlan& plan);

 private:
  void fillShipTo(const OrderPlan& plan);
  void writeLine(const OrderPlan& plan, const LinePlan& line, Id sequence, bool orderOpen);
  void commit(const LinePlan& line);
  void recordReconciliation(const OrderPlan& plan);
};

void Orders::fillShipTo(const OrderPlan& plan) {
  if (plan.defaultJob.empty()) {
    POM.ShipToType = "Company";
    POM.ShipToName = companyName;
    POM.ShipToAddress1 = "1800 SE Columbia Way";
    POM.ShipToAddress2 = "Receiving - Main Warehouse";
    POM.ShipToCity = "Vancouver";
    POM.ShipToState = "WA";
    POM.ShipToZip = "98661";
    POM.ShipToContact = "Warehouse";
    return;
  }
  const JobRow& row = job(plan.defaultJob);
  POM.ShipToType = "Job";
  POM.ShipToJob = row.id;
  POM.ShipToName = row.name;
  POM.ShipToAddress1 = row.address;
  POM.ShipToCity = row.city;
  POM.ShipToState = row.state;
  POM.ShipToZip = row.zip;
  POM.ShipToContact = row.contact;
  POM.ShipToInstructions = "Call the site superintendent 30 minutes before arrival";
}

void Orders::add(const OrderPlan& plan) {
  const VendorRow& supplier = vendor(plan.vendor);

  // Line states decide the order's reconciliation state before anything is written.
  bool anyInvoiced = false;
  bool allInvoiced = true;
  for (const LinePlan& line : plan.lines) {
    if (line.detailType.empty()) continue;
    const Quantity invoiced = qty(line.invoiced);
    anyInvoiced = anyInvoiced || !invoiced.isZero();
    allInvoiced = allInvoiced && invoiced >= qty(line.quantity);
  }
  const Flag reconciled = allInvoiced ? 2 : anyInvoiced ? 1 : 0;

  POM.clear();
  POM.VendorID = plan.vendor;
  POM.PONumber = plan.number;
  POM.PreparedBy = "Janet Sullivan";
  POM.PreparedDate = day(plan.issued);
  POM.IssueDate = day(plan.issued);
  POM.DeliverAfterDate = day(plan.issued + 2);
  POM.DeliveryDate = day(plan.issued + 7);
  POM.DeadlineDate = day(plan.issued + 14);
  POM.PrintFlag = plan.printed;
  POM.DefaultJob = plan.defaultJob;
  POM.TaxRate = plan.taxRate;
  POM.Taxable = plan.taxRate != 0;
  POM.ShipVia = "Vendor truck";
  POM.FOB = "Destination";
  POM.Terms = supplier.terms;
  POM.Reconciled = reconciled;
  POM.RecTF = reconciled == 2;
  POM.SortVendorID = reconciled == 2 ? 0 : plan.vendor;
  POM.SortPONumber = reconciled == 2 ? std::string_view() : plan.number;
  fillShipTo(plan);
  put(POMaster);

  Amount preTax;
  Amount taxableTotal;
  Quantity quantityReconciled;
  Amount amountReconciled;
  Id sequence = 0;
  for (const LinePlan& line : plan.lines) {
    writeLine(plan, line, ++sequence, reconciled != 2);
    preTax += POD.TotalAmount;
    if (POD.Taxable) taxableTotal += POD.TotalAmount;
    quantityReconciled += POD.QtyInvoiced;
    amountReconciled += POD.AmountInvoiced;
  }

  POM.PreTaxAmount = preTax;
  POM.TaxAmount = multiply(taxableTotal, plan.taxRate / 100);
  POM.POAmount = POM.PreTaxAmount + POM.TaxAmount;
  POM.QuantityReconciled = quantityReconciled.rescale<2>();
  POM.AmountReconciled = amountReconciled;
  save(POMaster);

  recordReconciliation(plan);
}

void Orders::writeLine(const OrderPlan& plan, const LinePlan& line, Id sequence, bool orderOpen) {
  POD.clear();
  POD.POID = POM.POID;
  POD.SequenceNo = sequence;
  if (line.detailType.empty()) {
    POD.TextFlag = 1;
    POD.Text = line.description;
    put(PODetail);
    return;
  }
  POD.DetailType = line.detailType;
  POD.Description = line.description;
  POD.QtyOrdered = qty(line.quantity);
  POD.UnitName = line.unit;
  POD.UnitPrice = line.price;
  POD.PreTaxAmount = multiply(POD.QtyOrdered, line.price);
  POD.TotalAmount = POD.PreTaxAmount;
  POD.Taxable = POM.Taxable;
  POD.DeliverAfterDate = POM.DeliverAfterDate;
  POD.DeliveryDate = POM.DeliveryDate;
  POD.DeadlineDate = POM.DeadlineDate;
  POD.JobID = line.jobId;
  POD.CostCode = line.costCode;
  POD.Account = line.account;
  POD.ItemID = line.item;
  POD.EquipmentID = line.equipment;
  POD.CostCategory = line.costCategory;

  POD.QtyInvoiced = qty(line.invoiced);
  POD.AmountInvoiced = multiply(POD.QtyInvoiced, line.price);
  POD.QtyRcvdNotInvoiced = qty(line.received);
  const bool fullyInvoiced = POD.QtyInvoiced >= POD.QtyOrdered;
  POD.Reconciliation = fullyInvoiced ? 2 : POD.QtyInvoiced.isZero() ? 0 : 1;
  if (!POD.QtyInvoiced.isZero() || !POD.QtyRcvdNotInvoiced.isZero()) POD.ReceiptDate = day(plan.issued + 6);

  if (line.chargeChangeOrder) {
    POD.ChangeOrder = changeOrderNumber;
    POD.CODetailID = changeOrderDetail;
  }

  const Quantity open = POD.QtyOrdered - POD.QtyInvoiced;
  if (POD.DetailType == "Job") {
    fetchCostLine(line.jobId, line.costCode);
    if (POD.Account.empty()) POD.Account = JCC.Account;
    if (orderOpen && !fullyInvoiced) POD.CommittedPrice = POD.TotalAmount - POD.AmountInvoiced;
  }
  if (POD.DetailType == "Inventory") {
    INM.ItemID = line.item;
    find(INMaster, INMasterRecord::KeyItemID);
    INV.ItemID = line.item;
    INV.VendorID = plan.vendor;
    if (INVendor.fetch(INVendorRecord::KeyItemVendor) == TableStatus::Ok)
      POD.VendorCatalogID = INV.VendorCatalogID;
    POD.LocationID = INM.DefaultLocationID;
    POD.BinID = INM.DefaultBinID;
    POD.INVQuantity = open;
    if (!(POD.UnitName == INM.UnitName)) {
      INC.ItemID = line.item;
      INC.UnitName = line.unit;
      find(INCnvrt, INCnvrtRecord::KeyItemUnit);
      POD.ConversionID = INC.ConversionID;
      POD.INVQuantity = multiply<4>(open, INC.Factor);
    }
    if (orderOpen) {
      INM.QtyOnOrder += POD.INVQuantity;
      save(INMaster);
    }
  }
  put(PODetail);
  if (!POD.CommittedPrice.isZero()) commit(line);
}

// Adds the line's open amount to its job cost line and, for a line charged to
// a change order, to the change-order detail.
void Orders::commit(const LinePlan& line) {
  fetchCostLine(line.jobId, line.costCode);
  JCC.Committed += POD.CommittedPrice;
  if (POD.CODetailID != 0) {
    JCC.COCommitted += POD.CommittedPrice;
    JCCOD.CODID = POD.CODetailID;
    find(JCCODTable, JCCODRecord::KeyCODID);
    JCCOD.Committed += POD.CommittedPrice;
    save(JCCODTable);
  }
  save(JCCost);
}

// The posted invoice and packing slip behind the invoiced and received
// quantities of the order's lines.
void Orders::recordReconciliation(const OrderPlan& plan) {
  if (!plan.invoiceNo.empty()) {
    API.clear();
    API.VendorID = plan.vendor;
    API.InvoiceNo = plan.invoiceNo;
    API.InvoiceDate = day(plan.issued + 8);
    API.DueDate = day(plan.issued + 38);
    API.POID = POM.POID;
    API.Description = "PO " + std::string(plan.number);
    API.Posted = 1;
    API.PostedDate = day(plan.issued + 10);
    put(APInv);
  }
  POD.POID = POM.POID;
  PODetail.setRange(PODetailRecord::KeyPOID, 1);
  std::vector<PODetailRecord> lines;
  while (PODetail.next() == TableStatus::Ok) lines.push_back(POD);
  Amount invoiceTotal;
  for (const PODetailRecord& line : lines) {
    if (!plan.invoiceNo.empty() && !line.QtyInvoiced.isZero()) {
      APD.clear();
      APD.InvoiceID = API.InvoiceID;
      APD.PODetailID = line.DetailID;
      APD.Description = line.Description.view().substr(0, 60);
      APD.DetailType = line.DetailType;
      APD.Account = line.Account;
      APD.JobID = line.JobID;
      APD.CostCode = line.CostCode;
      APD.Quantity = line.QtyInvoiced;
      APD.UnitPrice = line.UnitPrice;
      APD.Amount = line.AmountInvoiced;
      put(APDetail);
      invoiceTotal += APD.Amount;

      POR.clear();
      POR.DetailID = line.DetailID;
      POR.POID = line.POID;
      POR.InvoiceID = API.InvoiceID;
      POR.Date = API.InvoiceDate;
      POR.Quantity = line.QtyInvoiced;
      POR.UnitPrice = line.UnitPrice;
      POR.Amount = line.AmountInvoiced;
      put(POREC);
    }
    if (!plan.packSlip.empty() && !line.QtyRcvdNotInvoiced.isZero()) {
      POR.clear();
      POR.DetailID = line.DetailID;
      POR.POID = line.POID;
      POR.PackSlip = plan.packSlip;
      POR.Date = line.ReceiptDate;
      POR.Quantity = line.QtyRcvdNotInvoiced;
      POR.UnitPrice = line.UnitPrice;
      POR.Amount = multiply(line.QtyRcvdNotInvoiced, line.UnitPrice);
      put(POREC);
    }
  }
  if (!plan.invoiceNo.empty()) {
    API.InvoiceAmount = invoiceTotal;
    API.TaxAmount = multiply(invoiceTotal, POM.TaxRate / 100);
    save(APInv);
  }
}

void addOrders(Id changeOrderDetail) {
  Orders orders;
  orders.changeOrderDetail = changeOrderDetail;
  orders.add({openJobOrder,
              103,
              -14,
              mainJob,
              defaultTaxRate,
              "1",
              {{"Job", "Stud 2x4x8 SPF", "600", "EA", 3.89, "0", "0", mainJob, "06-100M", "", "LUM-2X4-8"},
               {"Job", "Plywood 1/2in CDX 4x8", "120", "SHT", 32.45, "0", "0", mainJob, "06-100M"},
               {"", "Deliver to the north gate; the site is closed to deliveries after 3 PM.", "0", "", 0}}});
  orders.add({changeOrderOrder,
              preferredVendor,
              -10,
              mainJob,
              defaultTaxRate,
              "1",
              {{"Job",
                "Ready-mix concrete 4000 PSI",
                "85",
                "CY",
                148.50,
                "0",
                "0",
                mainJob,
                "03-300M",
                "",
                {},
                "",
                "",
                true},
               {"Job", "Concrete pumping, walkway pour", "1", "LS", 1850.00, "0", "0", mainJob, "03-300S"}}});
  orders.add(
      {inventoryOrder,
       vendorWithContacts,
       -7,
       {},
       defaultTaxRate,
       "1",
       {{"Inventory", "Deck screws #10 x 3in, coated", "20", "BOX", 8.25, "0", "0", {}, "", "", boxedItem},
        {"Inventory", "Portable generator 7500 W", "2", "EA", 1249.00, "0", "0", {}, "", "", serializedItem},
        {"G/L Account", "Shop towels and cleaner", "1", "LOT", 86.40, "0", "0", {}, "", suppliesAccount}}});
  orders.add({partlyReconciledOrder,
              108,
              -30,
              "2402",
              defaultTaxRate,
              "1",
              {{"Job", "Romex 12/2 NM-B, 250 ft roll", "12", "ROLL", 118.75, "8", "0", "2402", "16-100M"},
               {"Job", "LED troffer 2x4, 4000 K", "40", "EA", 96.00, "0", "10", "2402", "16-100M"}},
              "EES-55812",
              "PS-8841"});
  orders.add({fullyReconciledOrder,
              104,
              -45,
              taxJob,
              8.25,
              "1",
              {{"Job", "Excavator rental, one week", "1", "WK", 2750.00, "1", "0", taxJob, "02-200E"}},
              "NER-20931"});
  orders.add({unprintedOrder,
              113,
              -2,
              {},
              defaultTaxRate,
              "0",
              {{"Equipment",
                "Hydraulic hose assembly, boom cylinder",
                "2",
                "EA",
                184.30,
                "0",
                "0",
                {},
                "",
                "",
                {},
                excavator,
                repairCategory},
               {"Job", "Portable toilet rental, monthly", "3", "MO", 145.00, "0", "0", "2404", "01-100G"}}});
}

// ------------------------------------------------------------------ notes, limits, log

void addNotesAndLimits() {
  POM.PONumber = changeOrderOrder;
  find(POMaster, POMasterRecord::KeyPONumber);
  NOTE.clear();
  NOTE.Filename = "POMaster";
  NOTE.EntityID = std::to_string(POM.POID);
  NOTE.Date = day(-9);
  NOTE.Time = Time::compose(10, 15, 0);
  NOTE.UserID = purchasingAgent;
  NOTE.Heading = "Pour schedule";
  NOTE.Note = "Pump truck confirmed for 7 AM on the walkway pour. Greg Olson will call if the weather turns.";
  put(Notes);

  NOTE.clear();
  NOTE.Filename = "PODetail";
  NOTE.Heading = "Site delivery";
  NOTE.Date = day(-60);
  NOTE.UserID = purchasingAgent;
  NOTE.Text = "Deliver to the north gate; the site is closed to deliveries after 3 PM.";
  put(Notes);

  POL.clear();
  POL.Report = "Generate POs";
  POL.UserID = purchasingAgent;
  POL.ModifyDate = day(-30);
  POL.RefFrom = static_cast<std::int32_t>(nextPONumber);
  put(POLimits);

  POL.clear();
  POL.Report = "PO Listing";
  POL.ReportTitle = "Open orders by PO number";
  POL.UserID = purchasingAgent;
  POL.ModifyDate = day(-30);
  POL.SelectedRef = 3;
  POL.Unreconciled = 1;
  POL.PartiallyReconciled = 1;
  POL.RefFrom = 1;
  POL.Sequence = "P";
  POL.SortDetail = "W";
  POL.Orientation = 'P';
  put(POLimits);
  const Id openOrdersListing = POL.LimitID;

  POL.clear();
  POL.Report = "PO Listing";
  POL.ReportTitle = "Cedar Hills orders by job";
  POL.UserID = projectManager;
  POL.ModifyDate = day(-12);
  POL.SelectedRef = 1;
  POL.SelectedJobs = 2;
  POL.Unreconciled = 1;
  POL.PartiallyReconciled = 1;
  POL.FullyReconciled = 1;
  POL.Sequence = "J";
  POL.SortDetail = "L";
  POL.Orientation = 'L';
  put(POLimits);
  LL.clear();
  LL.Owner = "POLimits";
  LL.LimitID = POL.LimitID;
  LL.ListName = "JobID";
  LL.TextValue = mainJob;
  put(LimList);

  ML.clear();
  ML.LimitID = openOrdersListing;
  ML.UserID = purchasingAgent;
  ML.Owner = "POLimits";
  ML.ReportName = "Purchase Order Listing";
  ML.ReportTitle = "Open orders by PO number";
  put(MemLimit);

  USL.clear();
  USL.UserID = purchasingAgent;
  USL.Date = day(-2);
  USL.Time = Time::compose(9, 41, 12);
  USL.Module = "PO Enter Purchase Orders";
  USL.Activity =
      "Added Purchase Order #" + std::string(unprintedOrder) + " for Vendor (113) " + vendor(113).name;
  put(UserLog);
}

bool holdsData() {
  for (Table* table : TableRegistry::tables())
    if (table->records() > 0) return true;
  return false;
}

}  // namespace

void createDemoCompany(const std::filesystem::path& folder) {
  const bool existed = Company::exists(folder);
  auto company = Company::open(folder, true);
  for (Table* table : TableRegistry::tables()) table->open();
  if (existed && holdsData())
    throw std::runtime_error(
        "The folder \"" + folder.string() +
        "\" already holds a company with data; the demo company is created only in a new "
        "or empty company folder.");

  Transaction transaction(company->connection());
  if (!transaction.started())
    throw std::runtime_error("Creating the demo company failed: " + transaction.error().describe());
  addAccounts();
  addCompany(folder);
  addUsers();
  addVendors();
  addCustomers();
  addJobs();
  const Id changeOrderDetail = addChangeOrders();
  addInventory();
  addEquipment();
  addOrders(changeOrderDetail);
  addNotesAndLimits();
  if (transaction.commit() != TableStatus::Ok)
    throw std::runtime_error("Creating the demo company failed: " + transaction.error().describe());
  writeSamplePurchaseOrderForm(folder / demo::sampleDesignerForm);
}

}  // namespace crv
