// The suite's own settings file, "CVSetup.ini" in the folder of the
// suite's settings (IniPath), section "Kestrel Corvana": the settings the
// purchase-order windows share with the rest of the suite.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace crvpo {

inline constexpr std::string_view suiteSettingsSection = "Kestrel Corvana";

// IniPath + "\CVSetup.ini", the file's name in the suite's own spelling,
// as a path of this system.
std::filesystem::path suiteSettingsFile();

// A setting of the section, or `defaultValue` when it is not set.
std::string suiteSetting(std::string_view key, std::string_view defaultValue);
// Writes a setting of the section; false when the file cannot be written.
bool storeSuiteSetting(std::string_view key, std::string_view value);

}  // namespace crvpo
