// A text line of a purchase order: what is cleared when it is saved (it
// carries only its text) and the plain characters its text is stored with.
#pragma once

#include <string>
#include <string_view>

namespace crvpo {

// Empties the line in POD of everything but its identifiers, its text and
// its sequence.
void emptyTextLine();

// Windows-1252 typographic quotes (147, 148) become '"', the bullet (149)
// '*', the dashes (150, 151) '-'. The UTF-8 forms of the same characters
// are replaced too, since stored text may be in either.
std::string plainTypography(std::string_view text);

}  // namespace crvpo
