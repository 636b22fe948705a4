// Where the type-ahead completion store's file lives.
//
// The file "EasyAutoEntry.tps" sits in a folder: the current directory after
// load, the company's data folder once ToggleEasyAutoEntryPO has run. The
// folder is joined with the platform's separator, added only when the folder
// does not already end in one.
#pragma once

#include <string>
#include <string_view>

namespace crvpo {

inline constexpr const char* typeAheadStoreName = "EasyAutoEntry.tps";

std::string typeAheadStoreFile(std::string_view folder);

}  // namespace crvpo
