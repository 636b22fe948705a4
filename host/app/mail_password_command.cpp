// Storing a user's mail password.
#include "host/app/mail_password_command.h"

#include <string>

#include "host/framework/services/ini_class.h"
#include "host/mail/mail_password.h"

namespace crv {

int storeMailPasswordCommand(const std::filesystem::path& folder, std::istream& in, std::ostream& out,
                             std::ostream& err) {
  INIClass ini;
  ini.init(folder / "Mail.ini");
  const std::string server = ini.fetch("SMTP", "Server");
  const std::string user = ini.fetch("SMTP", "User");
  if (server.empty() || user.empty()) {
    err << "crvhost: " << (folder / "Mail.ini").string()
        << " names no mail server and user ([SMTP] Server and User).\n";
    return 2;
  }
  out << "Password for " << user << " at " << server << ": " << std::flush;
  std::string password;
  std::getline(in, password);
  out << "\n";
  if (const std::string error = storeUserMailPassword(user, server, password); !error.empty()) {
    err << "crvhost: the password was not stored: " << error << "\n";
    return 2;
  }
  out << "Stored in " << userMailSettingsFile().string() << " (readable by you only).\n";
  return 0;
}

}  // namespace crv
