// The saved formats of the purchase-order listing ("PO Listing" records of
// POLimits) as the format list and form keep them: their defaults, who may
// change them, copies with their list values, the user's favourites, and
// printing one. Failures come back as the runtime's error text and the
// step (" Inserting POLimits"); the windows show them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/data/tables/purchasing_tables.h"

namespace crvpo {

inline constexpr std::string_view listingReportName = "PO Listing";

// The values of a new format: report "PO Listing", every reconciled state,
// by PO number, issue dates, jobs and non-jobs, whole orders, owned by the
// signed-in user. Other fields are left as they are.
void primeListingFormat(crv::POLimitsRecord& format);

// The owner of a locked format when that is another user who still exists
// (only they may change or delete it); blank otherwise.
std::string lockingOwner(const crv::POLimitsRecord& format);

// A new format copied from `source` with its list values: "Copy of " and
// the title (cut to 40), owned by the signed-in user, dated today,
// unlocked. Answers the copy, or nullopt with `error` set.
std::optional<crv::POLimitsRecord> copyListingFormat(const crv::POLimitsRecord& source, std::string& error);

enum class FavouriteResult { Added, AlreadyThere, Failed };
// Adds the format to the signed-in user's favourite reports (MemLimit).
FavouriteResult addFavouriteListing(const crv::POLimitsRecord& format, std::string& error);

// Prints the listing of the format (PrintPOListing); previewing is turned
// back on afterwards when it was off.
void printListingFormat(crv::Id limitId);

}  // namespace crvpo
