// Where the password for signing in to the mail server is kept: with each
// user, never in the company folder that every station shares. The user's
// own settings file ($XDG_CONFIG_HOME/crvpo/mail.ini, or
// ~/.config/crvpo/mail.ini) is readable by that user only; each server and
// sign-in name has its section "<user>@<server>" with the key Password.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace crv {

std::filesystem::path userMailSettingsFile();

// The stored password, blank when there is none.
std::string userMailPassword(std::string_view user, std::string_view server);

// Stores the password, making the file and its folder readable by their
// owner only; the reason when that failed, blank when it went through.
std::string storeUserMailPassword(std::string_view user, std::string_view server, std::string_view password);

}  // namespace crv
