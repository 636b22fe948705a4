// `crvhost mail-password FOLDER`: stores the password for signing in to the
// mail server named in the company's Mail.ini in the user's own settings
// (host/mail/mail_password.h), never in the shared company folder.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>

namespace crv {

// Reads the password as one line from `in`. Answers the exit code: 0 when
// stored, 2 when the company names no server or user, or storing failed.
int storeMailPasswordCommand(const std::filesystem::path& folder, std::istream& in, std::ostream& out,
                             std::ostream& err);

}  // namespace crv
