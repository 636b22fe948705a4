// The purchase-order listing as printed: the bands of its three formats
// (Detailed, Omit Line Items, Summary), portrait or landscape, and the
// printing of one listed order with its lines, reconciliation detail,
// sales tax and open amount, then the report totals.
//
// Every band printed also adds its lines to the export list (cells
// separated by tabs; texts clipped, dates MM/DD/YY, amounts with two
// decimals and quantities and prices with four), which "Export This Report"
// saves. The page footer carries the limit lines of the format.
//
// Landscape pages are the portrait layout widened: every horizontal
// position, and every width above 10 points, times 1.3.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "crvpo/reports/po_listing_collector.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/report/paginator.h"
#include "host/framework/report/report.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

enum class ListingFormat { Detailed = 0, OmitLineItems = 1, Summary = 2 };

class PurchaseOrderListing {
 public:
  // `limits` with their open ends closed; `exportLines` (may be null) gets
  // the export lines, starting with the heading.
  PurchaseOrderListing(ListingSelection& selection, ListingNames& names,
                       const std::vector<std::string>& limitLines, std::vector<std::string>* exportLines);
  PurchaseOrderListing(const PurchaseOrderListing&) = delete;
  PurchaseOrderListing& operator=(const PurchaseOrderListing&) = delete;

  const crv::Report& report() const { return report_; }
  ListingFormat format() const { return format_; }

  // Where the bands go; without a paginator only the export lines are made.
  void setPaginator(crv::Paginator* paginator) { paginator_ = paginator; }

  void printOrder(const ListedOrder& order);
  // The grand totals, when any order was printed.
  void printTotals();
  int ordersPrinted() const { return printed_; }
  crv::Amount openTotal() const { return openTotal_; }
  crv::Amount orderTotal() const { return orderTotal_; }

 private:
  // What the bands show (the working lists of one order, line and
  // reconciliation record).
  struct OrderValues {
    crv::Id poid = 0;
    std::string poNumber;
    crv::Date issued, accepted, delivery;
    std::string vendorName;
    std::array<std::string, 3> vendorLines;
    std::string shipToCaption, shipToName;
    std::array<std::string, 3> shipToLines;
    std::string jobString1, jobString2, jobString3, vendorString;
    crv::Amount taxAmount, openAmount, originalAmount;
  };
  struct LineValues {
    std::string itemId, catalog, description, subsidiary, unitName;
    crv::Date receipt;
    crv::Quantity ordered;
    double unitPrice = 0;
    crv::Amount total;
    std::string text;
  };
  struct ReconcileValues {
    std::string description;
    crv::Quantity quantity;
    double unitPrice = 0;
    crv::Amount amount;
  };

  void design(const std::vector<std::string>& limitLines);
  void designHeader();
  void designStandardBands();
  void designSummaryBands();
  void designFooter(const std::vector<std::string>& limitLines);
  void exportHeading();
  void loadOrder(const ListedOrder& listed);
  void printLine();
  void printReconciliation();
  void print(std::string_view band);
  // Over-reconciled (negative) open amounts print in red.
  void setOpenColour(const std::string& band, std::size_t item, crv::Amount open);
  void exportLine(std::string line);

  ListingSelection& selection_;
  ListingNames& names_;
  std::vector<std::string>* export_;
  crv::Paginator* paginator_ = nullptr;
  crv::Report report_;
  ListingFormat format_ = ListingFormat::Detailed;
  bool generic_ = false;
  std::size_t totalOpenItem_ = 0;
  std::size_t summaryOpenItem_ = 0;
  std::size_t grandOpenItem_ = 0;

  crv::PrivateTable<crv::POMasterRecord> orders_;
  crv::PrivateTable<crv::PODetailRecord> lines_;
  crv::PrivateTable<crv::PORECRecord> reconciled_;
  crv::PrivateTable<crv::APInvRecord> invoices_;

  OrderValues order_;
  LineValues line_;
  ReconcileValues reconcile_;
  crv::Amount reconciledSum_;
  std::string companyName_;
  std::string reportTitle_;
  crv::Date printed_on_;
  int printed_ = 0;
  crv::Amount openTotal_;
  crv::Amount orderTotal_;
};

}  // namespace crvpo
