// The spell checker's settings: where the checker's program lives, the full
// path of its settings file and the language it checks.
//
// The settings file is named relative to the program path (the checker ships
// its "sol.ini" beside itself); resolving it gives the full path that the
// windows hand to the checker when the user presses F7.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace crv {

class SpellChecker {
 public:
  static constexpr const char* defaultSettingsFile = "sol.ini";
  static constexpr const char* defaultLanguage = "en_US";

  void setProgramPath(std::filesystem::path path) { programPath_ = std::move(path); }
  const std::filesystem::path& programPath() const { return programPath_; }

  // Makes the settings file a full path: a relative name is taken from the
  // program path (the current directory when none is set). Keeps and
  // answers the result.
  std::filesystem::path resolveSettingsFile(std::string_view fileName = defaultSettingsFile);
  const std::filesystem::path& settingsFile() const { return settingsFile_; }

  void setLanguage(std::string language) { language_ = std::move(language); }
  const std::string& language() const { return language_; }

 private:
  std::filesystem::path programPath_;
  std::filesystem::path settingsFile_;
  std::string language_;
};

}  // namespace crv
