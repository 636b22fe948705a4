// Reading the suite's settings file.
#include "crvpo/entry/suite_settings.h"

#include "host/data/shared_values.h"
#include "host/framework/services/ini_class.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

constexpr std::string_view fileName = "\\CVSetup.ini";

}  // namespace

std::filesystem::path suiteSettingsFile() {
  return std::filesystem::path(std::string(crv::clip(crv::IniPath))) / fileName.substr(1);
}

std::string suiteSetting(std::string_view key, std::string_view defaultValue) {
  crv::INIClass ini;
  ini.init(suiteSettingsFile());
  return ini.fetch(suiteSettingsSection, key, defaultValue);
}

bool storeSuiteSetting(std::string_view key, std::string_view value) {
  crv::INIClass ini;
  ini.init(suiteSettingsFile());
  return ini.update(suiteSettingsSection, key, value);
}

}  // namespace crvpo
