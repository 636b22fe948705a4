// The lines that say what a listing format selected, printed at the foot of
// every page of the purchase-order listing and exported after its rows:
// where the report lives, its title, each limit in force, the sequence,
// the reconciled states, the job kind, whole orders and how over-reconciled
// orders show.
#pragma once

#include <string>
#include <vector>

#include "crvpo/reports/listing_selection.h"

namespace crvpo {

// `limits` with their open ends closed (ListingSelection::limits()).
// Orders of a PO list that no longer exist are left out of its line.
std::vector<std::string> listingLimitLines(const crv::POLimitsRecord& limits, const ListingLists& lists,
                                           bool generic);

// A list line longer than 99 characters, cut at the first space from the
// 90th character on and ended with "...".
std::string shortenedListLine(std::string line);

}  // namespace crvpo
