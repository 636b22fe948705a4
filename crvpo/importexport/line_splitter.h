// Splitting one line of an import file into its fields.
//
// Comma-delimited: a field that starts with a double quote runs to the
// quote that closes it, so a comma inside stays part of the value; inside
// it two double quotes stand for one ("12"" pipe" reads 12" pipe). Files
// written before quotes were doubled read as they always did, except that
// a text holding a quote there was split at it. A field that starts
// otherwise runs to the next comma. The character after a closing quote is
// taken to be the delimiter and skipped.
//
// Tab-delimited: every field runs to the next tab; quotes are not scanned,
// but a field that starts with a quote loses its first and last character
// (and two quotes inside read as one), as in a comma-delimited file.
//
// Fixed position: each field is as wide as its cell says, from where the
// last one ended.
//
// Trailing blanks of the line do not count (a line is read clipped), and a
// line shorter than the layout leaves the fields after its end empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace crvpo {

enum class FileFormat : char { Comma = 'C', Tab = 'T', Fixed = 'F' };

// 'C', 'T' or 'F' as stored in a source; anything else reads as comma.
FileFormat fileFormatOf(std::string_view stored);

struct SplitLine {
  std::vector<std::string> values;
  // The 0-based field whose opening quote was never closed (it then runs
  // to the end of the line), or -1.
  int unclosedQuote = -1;
};

// Splits `line` into `widths.size()` values; `widths` matter only for
// fixed-position files. Reuses the strings of `out`.
void splitLine(std::string_view line, FileFormat format, const std::vector<int>& widths, SplitLine& out);

}  // namespace crvpo
