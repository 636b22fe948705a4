// Breaks text into lines that fit a width, for multi-line report texts.
//
// Lines break at spaces; a line feed always starts a new line (so does an
// empty paragraph). A word wider than the whole width is cut between
// characters, never inside a UTF-8 sequence, and every line holds at least
// one character so that a very narrow box cannot loop. Spaces where a line
// breaks are dropped; spaces inside a line are kept as typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/framework/report/text_measurer.h"

namespace crv {

std::vector<std::string> wrapText(const TextMeasurer& measurer, const Font& font, std::string_view text,
                                  double width);

// The text split at line feeds only (a trailing "\r" of each line dropped).
std::vector<std::string> splitLines(std::string_view text);

}  // namespace crv
