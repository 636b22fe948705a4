// The per-user store of mail passwords.
#include "host/mail/mail_password.h"

#include <sys/stat.h>

#include <cstdlib>

#include "host/framework/services/file_replacement.h"
#include "host/framework/services/ini_class.h"
#include "host/framework/values/text.h"

namespace crv {
namespace {

std::string sectionFor(std::string_view user, std::string_view server) {
  return std::string(trim(user)) + "@" + std::string(trim(server));
}

}  // namespace

std::filesystem::path userMailSettingsFile() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return std::filesystem::path(config) / "crvpo" / "mail.ini";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".config" / "crvpo" / "mail.ini";
}

std::string userMailPassword(std::string_view user, std::string_view server) {
  INIClass ini;
  ini.init(userMailSettingsFile());
  return ini.fetch(sectionFor(user, server), "Password");
}

std::string storeUserMailPassword(std::string_view user, std::string_view server, std::string_view password) {
  const std::filesystem::path file = userMailSettingsFile();
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) return "the folder " + file.parent_path().string() + " cannot be made: " + ec.message();
  ::chmod(file.parent_path().c_str(), 0700);
  // A replaced file keeps its permissions: make them the owner's only
  // before the password goes in.
  if (!std::filesystem::exists(file, ec)) {
    if (std::string error = replaceFile(file, "", 0600); !error.empty()) return error;
  } else if (::chmod(file.c_str(), 0600) != 0) {
    return "the permissions of " + file.string() + " cannot be set";
  }
  INIClass ini;
  ini.init(file);
  if (!ini.update(sectionFor(user, server), "Password", password)) return ini.lastError();
  return {};
}

}  // namespace crv
