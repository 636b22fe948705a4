// Keeping listing formats.
#include "crvpo/reports/listing_formats.h"

#include "crvpo/reports/print_po_listing.h"
#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_error.h"

namespace crvpo {

using crv::TableOp;
using crv::TableStatus;

namespace {

std::string failure(const crv::Table& table, TableOp step, std::string_view name) {
  return table.lastError().describe() + crv::errorContext(step, name);
}

// Copies the list values of one format to another; answers the error text.
std::string copyListValues(crv::Id from, crv::Id to) {
  crv::PrivateTable<crv::LimListRecord> source(crv::LimList);
  crv::PrivateTable<crv::LimListRecord> target(crv::LimList);
  source.rec.Owner = "POLimits";
  source.rec.LimitID = from;
  if (!source.isOpen() || source.table.setRange(crv::LimListRecord::KeyLimit, 2) != TableStatus::Ok)
    return {};
  while (source.table.next() == TableStatus::Ok) {
    target.rec.clear();
    if (target.table.primeAutoInc() != TableStatus::Ok)
      return failure(target.table, TableOp::Autoincrementing, "LimList");
    const crv::Id id = target.rec.RecordID;
    target.rec = source.rec;
    target.rec.RecordID = id;
    target.rec.LimitID = to;
    if (target.table.tryInsert() != TableStatus::Ok)
      return failure(target.table, TableOp::Inserting, "LimList");
  }
  return {};
}

}  // namespace

void primeListingFormat(crv::POLimitsRecord& format) {
  format.Report = listingReportName;
  format.Unreconciled = 1;
  format.PartiallyReconciled = 1;
  format.FullyReconciled = 1;
  format.Sequence = "P";
  format.DateLimitType = "I";
  format.SelectedRef = 3;
  format.SortDetail = "W";
  format.UserID = crv::UserID.view();
}

std::string lockingOwner(const crv::POLimitsRecord& format) {
  if (format.Locked != 1 || format.UserID.empty() || format.UserID == crv::UserID.view()) return {};
  crv::PrivateTable<crv::UserFileRecord> users(crv::UserFile);
  users.rec.UserID = format.UserID.view();
  return users.fetch(crv::UserFileRecord::KeyUserID) ? format.UserID.str() : std::string();
}

std::optional<crv::POLimitsRecord> copyListingFormat(const crv::POLimitsRecord& source, std::string& error) {
  crv::PrivateTable<crv::POLimitsRecord> formats(crv::POLimits);
  formats.rec.clear();
  if (formats.table.primeAutoInc() != TableStatus::Ok) {
    error = failure(formats.table, TableOp::Autoincrementing, "POLimits");
    return std::nullopt;
  }
  const crv::Id id = formats.rec.LimitID;
  formats.rec = source;
  formats.rec.LimitID = id;
  formats.rec.ReportTitle = "Copy of " + source.ReportTitle.str();
  formats.rec.UserID = crv::UserID.view();
  formats.rec.ModifyDate = crv::Date::today();
  formats.rec.Locked = 0;
  if (formats.table.tryInsert() != TableStatus::Ok) {
    error = failure(formats.table, TableOp::Inserting, "POLimits");
    formats.table.cancelAutoInc();
    return std::nullopt;
  }
  error = copyListValues(source.LimitID, id);
  return formats.rec;
}

FavouriteResult addFavouriteListing(const crv::POLimitsRecord& format, std::string& error) {
  crv::PrivateTable<crv::MemLimitRecord> favourites(crv::MemLimit);
  favourites.rec.UserID = crv::UserID.view();
  favourites.rec.Owner = "POLimits";
  favourites.rec.LimitID = format.LimitID;
  if (favourites.fetch(crv::MemLimitRecord::KeyUserLimit)) return FavouriteResult::AlreadyThere;
  favourites.rec.clear();
  if (favourites.table.primeAutoInc() != TableStatus::Ok) {
    error = failure(favourites.table, TableOp::Autoincrementing, "MemLimit");
    return FavouriteResult::Failed;
  }
  favourites.rec.LimitID = format.LimitID;
  favourites.rec.UserID = crv::UserID.view();
  favourites.rec.Owner = "POLimits";
  favourites.rec.ReportName = "Purchase Order Listing";
  favourites.rec.ReportTitle = format.ReportTitle;
  if (favourites.table.tryInsert() != TableStatus::Ok) {
    error = failure(favourites.table, TableOp::Inserting, "MemLimit");
    favourites.table.cancelAutoInc();
    return FavouriteResult::Failed;
  }
  return FavouriteResult::Added;
}

void printListingFormat(crv::Id limitId) {
  crv::REPORTFILTER = std::to_string(limitId);
  PrintPOListing();
  if (crv::GLO.PrintPreview == 0) crv::GLO.PrintPreview = 1;
}

}  // namespace crvpo
