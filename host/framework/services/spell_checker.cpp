// The spell checker's settings.
#include "host/framework/services/spell_checker.h"

namespace crv {

std::filesystem::path SpellChecker::resolveSettingsFile(std::string_view fileName) {
  std::filesystem::path file(fileName);
  if (file.is_relative()) file = programPath_ / file;
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(file, ec);
  settingsFile_ = (ec ? file : full).lexically_normal();
  return settingsFile_;
}

}  // namespace crv
