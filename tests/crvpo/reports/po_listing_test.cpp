// The purchase-order listing on the demo company: what each format prints
// (read back from the PDF), which orders each kind of selection lists, the
// order of printing, open amounts with totals worked out from the tables
// with SQL, the limit lines, and the exported rows.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <map>
#include <regex>

#include "crvpo/reports/listing_description.h"
#include "crvpo/reports/listing_selection.h"
#include "host/framework/values/picture.h"
#include "support/xlsx_text.h"
#include "tests/crvpo/reports/listing_fixture.h"

namespace crvpo {
namespace {

using namespace crv;

std::string oneSpace(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

bool hasWord(const std::string& text, std::string_view word) {
  return std::regex_search(text, std::regex("(^|\\s)" + std::string(word) + "(\\s|$)"));
}

// The PO numbers of the orders in export lines, in printed order: the
// second cell of each VendorInfo or Summary line.
std::vector<std::string> listedNumbers(const std::vector<std::string>& lines) {
  std::vector<std::string> numbers;
  for (const std::string& line : lines) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos || tab == 0) continue;
    if (line.find_first_not_of("0123456789") != tab) continue;
    const auto next = line.find('\t', tab + 1);
    numbers.push_back(line.substr(tab + 1, next - tab - 1));
  }
  return numbers;
}

// Per order, from the tables with SQL: reconciled state, tax, order amount
// and the lines' amounts less what was invoiced, in cents.
struct OrderFigures {
  int reconciled = 0;
  std::int64_t tax = 0;
  std::int64_t amount = 0;
  std::int64_t openLines = 0;
};

std::map<std::string, OrderFigures> orderFigures(const std::filesystem::path& folder) {
  sqlite3* db = nullptr;
  std::map<std::string, OrderFigures> figures;
  if (sqlite3_open_v2((folder / "company.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open the company database";
    sqlite3_close(db);
    return figures;
  }
  sqlite3_stmt* query = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT m.PONumber, m.Reconciled, m.TaxAmount, m.POAmount,"
                     " COALESCE((SELECT SUM(d.TotalAmount - d.AmountInvoiced) FROM PODetail d"
                     " WHERE d.POID = m.POID), 0) FROM POMaster m",
                     -1, &query, nullptr);
  while (sqlite3_step(query) == SQLITE_ROW) {
    OrderFigures& f = figures[reinterpret_cast<const char*>(sqlite3_column_text(query, 0))];
    f.reconciled = sqlite3_column_int(query, 1);
    f.tax = sqlite3_column_int64(query, 2);
    f.amount = sqlite3_column_int64(query, 3);
    f.openLines = sqlite3_column_int64(query, 4);
  }
  sqlite3_finalize(query);
  sqlite3_close(db);
  return figures;
}

std::string money(std::int64_t cents) {
  return Picture::parse("@n-15.2").formatTrimmed(Amount::fromRaw(cents));
}

class POListingTest : public test::ListingTest {};

TEST(POSortText, NumbersSortNumericallyAndOthersAfterThem) {
  EXPECT_EQ(poSortText("9"), "000000000000009");
  EXPECT_EQ(poSortText(" 1001 "), "000000000001001");
  EXPECT_EQ(poSortText("JG-7"), "A0000000000JG-7");
  EXPECT_EQ(poSortText(""), "A00000000000000");
  EXPECT_LT(poSortText("9"), poSortText("10"));
  EXPECT_LT(poSortText("999999999999999"), poSortText("A"));
  EXPECT_LT(poSortText("JG-7"), poSortText(std::string(20, 'Z')));
}

TEST_F(POListingTest, EachFormatPrintsItsBandsWithTotalsWorkedOutFromTheTables) {
  if (!crv::test::havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  std::int64_t open = 0;
  std::int64_t ordered = 0;
  for (const auto& [number, f] : orderFigures(folder.path())) {
    const std::int64_t orderOpen = f.reconciled == 2 ? 0 : std::max<std::int64_t>(f.openLines + f.tax, 0);
    open += orderOpen;
    ordered += f.amount;
  }
  struct Case {
    Byte format;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
  };
  const std::vector<Case> cases = {
      {0,
       {"Stud 2x4x8 SPF", "Deliver to the north gate", "Reconciled by Invoice #EES-55812 (12/15/24)",
        "Vendor: Columbia Lumber Supply", "Default Job: 2401",
        "Sales Tax:", "Open Amount:", "Grand Total Open: " + money(open)},
       {"Report Totals:"}},
      {1,
       {"Vendor: Columbia Lumber Supply", "Reconciled by Invoice #EES-55812",
        "Open Amount:", "Grand Total Open: " + money(open)},
       {"Stud 2x4x8 SPF", "Deliver to the north gate"}},
      {2,
       {"(103) Columbia Lumber Supply", "(2401) Cedar Hills Elementary Addition", "Open Amount",
        "Report Totals: " + money(ordered) + " " + money(open)},
       {"Stud 2x4x8 SPF", "Grand Total Open:", "Sales Tax:"}},
  };
  for (const Case& c : cases) {
    const Id limit = addFormat("Format " + std::to_string(c.format), [&](POLimitsRecord& l) {
      l.SelectedCat = c.format;
      l.RefFrom = 1;
    });
    const std::string text = oneSpace(listingText(limit));
    for (const std::string& piece : c.shown)
      EXPECT_NE(text.find(oneSpace(piece)), std::string::npos)
          << "format " << int(c.format) << ": " << piece << "\n"
          << text;
    for (const std::string& piece : c.notShown)
      EXPECT_EQ(text.find(piece), std::string::npos) << "format " << int(c.format) << ": " << piece;
  }
}

TEST_F(POListingTest, AFullyReconciledOrderListsNothingOpenAndNoSalesTax) {
  std::vector<std::string> lines;
  listingText(addFormat("Everything"), &lines);
  const auto start = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.rfind("5\t" + std::string(demo::fullyReconciledOrder) + "\t", 0) == 0;
  });
  ASSERT_NE(start, lines.end());
  const auto end =
      std::find_if(start, lines.end(), [](const std::string& l) { return l.find("Open Amount:") != l.npos; });
  ASSERT_NE(end, lines.end());
  EXPECT_EQ(*end, std::string(9, '\t') + "Open Amount:\t0.00");
  EXPECT_TRUE(std::none_of(start, end, [](const std::string& l) { return l.find("Sales Tax:") != l.npos; }));
}

TEST_F(POListingTest, OverReconciledOrdersShowZeroOrTheirNegativeOpenAmountInRed) {
  PODetail.open();
  POD.clear();
  POD.POID = orderId(demo::partlyReconciledOrder);
  POD.SequenceNo = 1;
  ASSERT_EQ(PODetail.fetch(PODetailRecord::KeyPOID), TableStatus::Ok);
  POD.AmountInvoiced = Amount(9000);
  ASSERT_EQ(PODetail.update(), TableStatus::Ok);
  PODetail.close();
  const auto figures = orderFigures(folder.path()).at(std::string(demo::partlyReconciledOrder));
  const std::string negative = money(figures.openLines + figures.tax);
  ASSERT_EQ(negative.front(), '-');

  for (Flag colour : {Flag{0}, Flag{1}}) {
    const Id limit = addFormat("Over-reconciled", [&](POLimitsRecord& l) {
      l.SelectedPONumbers = 2;
      l.ColorCoding = colour;
    });
    addListValue(limit, "PONumber", "", orderId(demo::partlyReconciledOrder));
    std::vector<LaidOutPage> pages;
    std::vector<std::string> lines;
    ListingRun run(*listingFormat(limit), folder / "over.pdf", &pages, &lines);
    while (run.next()) {
    }
    run.finish();
    const std::string shown = colour ? negative : "0.00";
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(9, '\t') + "Open Amount:\t" + shown),
              lines.end());
    int red = 0;
    for (const PagePrimitive& p : pages.at(0).primitives)
      if (const auto* t = std::get_if<PlacedText>(&p); t && t->text == negative && t->color.red > 150) ++red;
    EXPECT_EQ(red, colour == 1 ? 2 : 0) << "the order's open amount and the grand total";
  }
}

TEST_F(POListingTest, SelectionsByRangeAndByListPickTheirOrders) {
  if (!crv::test::havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const Date base = demo::baseDate();
  struct Case {
    std::string name;
    std::function<void(POLimitsRecord&)> setup;
    std::vector<std::pair<std::string, std::string>> list;  // list name, value
    std::vector<std::string> listed;
  };
  const std::vector<Case> cases = {
      {"PO range",
       [](POLimitsRecord& l) { l.SelectedPONumbers = 1, l.POFrom = "1002", l.POTo = "1004"; },
       {},
       {"1002", "1003", "1004"}},
      {"PO range without end",
       [](POLimitsRecord& l) { l.SelectedPONumbers = 1, l.POFrom = "1005"; },
       {},
       {"1005", "1006"}},
      {"PO list",
       [](POLimitsRecord& l) { l.SelectedPONumbers = 2; },
       {{"PONumber", "1001"}, {"PONumber", "1006"}},
       {"1001", "1006"}},
      {"vendor range",
       [](POLimitsRecord& l) { l.SelectedVendors = 1, l.VendorFrom = 104, l.VendorTo = 108; },
       {},
       {"1002", "1004", "1005"}},
      {"vendor range ending at 0",
       [](POLimitsRecord& l) { l.SelectedVendors = 1, l.VendorFrom = 110; },
       {},
       {"1003", "1006"}},
      {"vendor list",
       [](POLimitsRecord& l) { l.SelectedVendors = 2; },
       {{"VendorID", "103"}, {"VendorID", "113"}},
       {"1001", "1006"}},
      {"job range passes orders without a job",
       [](POLimitsRecord& l) { l.SelectedJobs = 1, l.JobFrom = "2401", l.JobTo = "2401"; },
       {},
       {"1001", "1002", "1003", "1006"}},
      {"job range, jobs only",
       [](POLimitsRecord& l) { l.SelectedJobs = 1, l.JobFrom = "2401", l.JobTo = "2401", l.SelectedRef = 1; },
       {},
       {"1001", "1002"}},
      {"job range with a blank end",
       [](POLimitsRecord& l) { l.SelectedJobs = 1, l.JobFrom = "2401"; },
       {},
       {"1003", "1006"}},
      {"job list", [](POLimitsRecord& l) { l.SelectedJobs = 2; }, {{"JobID", "2402"}}, {"1004"}},
      {"job list, lines within limits",
       [](POLimitsRecord& l) { l.SelectedJobs = 2, l.SortDetail = "L", l.SelectedRef = 1; },
       {{"JobID", "2401"}},
       {"1001", "1002"}},
      {"non-jobs only", [](POLimitsRecord& l) { l.SelectedRef = 2; }, {}, {"1003", "1006"}},
      {"cost codes, whole orders with a text line",
       [](POLimitsRecord& l) { l.SelectedCostCodes = 1, l.CostCodeFrom = "06-100", l.CostCodeTo = "06-100"; },
       {},
       {"1001"}},
      {"cost codes, whole orders only",
       [](POLimitsRecord& l) { l.SelectedCostCodes = 1, l.CostCodeFrom = "01-100", l.CostCodeTo = "01-100"; },
       {},
       {}},
      {"cost codes, lines within limits",
       [](POLimitsRecord& l) {
         l.SelectedCostCodes = 1, l.CostCodeFrom = "01-100", l.CostCodeTo = "01-100", l.SortDetail = "L";
       },
       {},
       {"1006"}},
      {"cost code list",
       [](POLimitsRecord& l) { l.SelectedCostCodes = 2; },
       {{"CostCode", "02-200"}},
       {"1005"}},
      {"equipment, lines within limits",
       [](POLimitsRecord& l) {
         l.SelectedEquipment = 1, l.EqFrom = "EX-200", l.EqTo = "EX-200", l.SortDetail = "L";
       },
       {},
       {"1006"}},
      {"issue dates",
       [base](POLimitsRecord& l) {
         l.SelectedDates = 1, l.DateLimitType = "I", l.DateFrom = base - 12, l.DateTo = base - 5;
       },
       {},
       {"1002", "1003"}},
      {"fully reconciled only",
       [](POLimitsRecord& l) { l.Unreconciled = 0, l.PartiallyReconciled = 0; },
       {},
       {"1005"}},
      {"partly reconciled only",
       [](POLimitsRecord& l) { l.Unreconciled = 0, l.FullyReconciled = 0; },
       {},
       {"1004"}},
  };
  const std::vector<std::string> all = {"1001", "1002", "1003", "1004", "1005", "1006"};
  for (const Case& c : cases) {
    const Id limit = addFormat(c.name, c.setup);
    for (const auto& [list, value] : c.list) {
      if (list == "PONumber")
        addListValue(limit, list, "", orderId(value));
      else if (list == "VendorID")
        addListValue(limit, list, "", static_cast<Id>(std::stoul(value)));
      else
        addListValue(limit, list, value);
    }
    std::vector<std::string> lines;
    const std::string text = listingText(limit, &lines);
    EXPECT_EQ(listedNumbers(lines), c.listed) << c.name;
    for (const std::string& number : all) {
      const bool listed = std::find(c.listed.begin(), c.listed.end(), number) != c.listed.end();
      EXPECT_EQ(hasWord(text, number), listed) << c.name << ": " << number;
    }
  }
}

TEST_F(POListingTest, LinesWithinLimitsPrintOnlyThePassingLines) {
  if (!crv::test::havePdftotext()) GTEST_SKIP() << "pdftotext not installed";
  const Id limit = addFormat("Toilets", [](POLimitsRecord& l) {
    l.SelectedCostCodes = 1, l.CostCodeFrom = "01-100", l.CostCodeTo = "01-100", l.SortDetail = "L";
  });
  const std::string text = listingText(limit);
  EXPECT_NE(text.find("Portable toilet rental"), std::string::npos);
  EXPECT_EQ(text.find("Hydraulic hose"), std::string::npos);
}

TEST_F(POListingTest, SequencesOrderByNumberReferenceJobAndVendor) {
  auto addOrder = [](std::string_view number, Id vendor, std::string_view job) {
    POMaster.open();
    POM.clear();
    ASSERT_EQ(POMaster.primeAutoInc(), TableStatus::Ok);
    POM.PONumber = number;
    POM.VendorID = vendor;
    POM.DefaultJob = job;
    ASSERT_EQ(POMaster.insert(), TableStatus::Ok);
    POMaster.close();
  };
  addOrder("999", 101, "2401");
  addOrder("JG-7", 101, "");
  const std::map<std::string, std::vector<std::string>> expected = {
      {"P", {"999", "1001", "1002", "1003", "1004", "1005", "1006", "JG-7"}},
      {"R", {"1001", "1002", "1003", "1004", "1005", "1006", "999", "JG-7"}},
      {"J", {"JG-7", "1003", "1006", "999", "1001", "1002", "1004", "1005"}},
      {"j", {"1003", "1006", "JG-7", "999", "1001", "1002", "1004", "1005"}},
  };
  for (const auto& [sequence, numbers] : expected) {
    std::vector<std::string> lines;
    listingText(addFormat("By " + sequence, [&](POLimitsRecord& l) { l.Sequence = sequence; }), &lines);
    EXPECT_EQ(listedNumbers(lines), numbers) << sequence;
  }
}

TEST_F(POListingTest, LimitLinesSayWhatTheFormatSelected) {
  const Date from = Date::compose(1, 2, 2025);
  struct Case {
    std::function<void(POLimitsRecord&)> setup;
    ListingLists lists;
    std::vector<std::string> expected;
  };
  ListingLists many;
  for (int i = 0; i < 20; ++i) many.costCodes.insert("01-" + std::to_string(100 + i));
  const std::vector<Case> cases = {
      {[](POLimitsRecord& l) { l.SelectedPONumbers = 1, l.POFrom = "1001", l.POTo = "1001"; },
       {},
       {"Purchase Order # 1001", "Reconciled Status: All POs", "Whole POs Only",
        "Overreconciled POs show a Zero Open Amount"}},
      {[from](POLimitsRecord& l) {
         l.SelectedVendors = 1, l.VendorFrom = 103, l.SelectedDates = 1, l.DateLimitType = "E",
         l.DateFrom = from, l.DateTo = from + 30, l.Sequence = "R", l.SortDetail = "L", l.CatFrom = "",
         l.ColorCoding = 1, l.FullyReconciled = 0;
       },
       {},
       {"Excludes Inactive Jobs", "Vendors: 103 TO 99999999", "Expected Delivery Dates: 01/02/25 TO 02/01/25",
        "Sort by Reference Number", "Reconciled Status: Unreconciled and Partially Reconciled POs",
        "Overreconciled POs show a Negative Open Amount"}},
      {[](POLimitsRecord& l) { l.SelectedCostCodes = 2, l.SelectedRef = 2, l.Unreconciled = 0; },
       many,
       {"Cost Codes: 01-100 01-101 01-102 01-103 01-104 01-105 01-106 01-107 01-108 01-109 01-110 01-111...",
        "Reconciled Status: Partially and Fully Reconciled POs", "Non-Jobs Only", "Whole POs Only",
        "Overreconciled POs show a Zero Open Amount"}},
  };
  for (const Case& c : cases) {
    POLimitsRecord limits;
    limits.ReportTitle = "Limits";
    limits.Unreconciled = limits.PartiallyReconciled = limits.FullyReconciled = 1;
    limits.SortDetail = "W";
    limits.SelectedRef = 3;
    limits.CatFrom = limits.CatTo = "Y";
    c.setup(limits);
    ListingSelection selection(limits, c.lists, Date::compose(1, 6, 2025));
    std::vector<std::string> expected = {"Purchase Order > Reports > Purchase Order Listing",
                                         "Report Title: Limits"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(listingLimitLines(selection.limits(), selection.lists(), false), expected);
  }
}

TEST_F(POListingTest, TheConsoleWritesThePdfAndTheRowsWithTheirParametersAsAWorkbookAndCsv) {
  if (!crv::test::haveXlsx2csv()) GTEST_SKIP() << "xlsx2csv not installed";
  const std::string xlsx = (folder / "listing.xlsx").string();
  const std::string csv = (folder / "listing.csv").string();
  const std::string pdf = (folder / "listing.pdf").string();
  const char* outputs[] = {pdf.c_str(), xlsx.c_str(), csv.c_str()};
  std::ostringstream said;
  ASSERT_EQ(PrintPOListingConsole("Open orders by PO number", outputs, 3, &said), 0) << said.str();
  EXPECT_NE(said.str().find("Listed 5 order(s), 1 page(s)"), std::string::npos) << said.str();
  EXPECT_TRUE(std::filesystem::exists(pdf));

  const std::string sheet = crv::test::xlsxText(xlsx);
  for (const char* row :
       {"Harbor Ridge Builders, Inc.", "1\t1001\t\tShip To:\tCedar Hills Elementary Addition",
        "\t\tLUM-2X4\t\tStud 2x4x8 SPF\t\tEA\t600\t\t3.89\t2334\t2401 06-100M",
        "Report Parameters:", "Report Title: Open orders by PO number"})
    EXPECT_NE(sheet.find(row), std::string::npos) << row << "\n" << sheet;
  std::ifstream in(csv);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find(",,LUM-2X4,,Stud 2x4x8 SPF,,EA,600.0000,,3.8900,\"2,334.00\",2401 06-100M\r\n"),
            std::string::npos);

  EXPECT_EQ(PrintPOListingConsole("No such format", outputs, 1, &said), 1);
}

}  // namespace
}  // namespace crvpo
