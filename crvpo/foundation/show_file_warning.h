// The warning the reports show when reading a table or opening a report view
// fails. The report then goes on with what it has.
//
// The error text quotes the error the host saved earlier when there is one,
// else the runtime's current error; a storage engine failure (code 90) is
// quoted by the engine's own message. The text is cut at 150 characters and
// showing it clears the saved error.
#pragma once

#include <string>
#include <string_view>

namespace crvpo {

namespace FileWarning {
inline constexpr int RecordRetrieval = 35;  // reading a record failed
inline constexpr int ViewOpen = 36;         // a report view could not be set up
}  // namespace FileWarning

inline constexpr std::size_t fileWarningTextLimit = 150;

// The error text the warning quotes; clears the saved error.
std::string takeFileWarningErrorText();

// Shows the warning for a code of FileWarning with the table's name (may be
// empty) and answers the button pressed (only OK is offered). Other codes
// show nothing, leave the errors alone and answer 0.
int ShowFileWarning(int code, std::string_view tableName);

}  // namespace crvpo
