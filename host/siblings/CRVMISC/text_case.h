// Text cases a person can ask a text field to keep (the Ctrl+click menu of
// a form's description fields): as typed, ALL CAPS, lower case,
// Capitalized Text and Sentence case; each has the three-letter code under
// which it is stored and asked for (GetCase).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crv::siblings {

enum class TextCase {
  AsTyped,   // "DEF": no conversion ("small text" in the menu)
  Upper,     // "UPR": ALL CAPS
  Lower,     // "LWR": all small letters
  Title,     // "CAP": Capitalized Text, each word's first letter capital
  Sentence,  // "SEN": Sentence case, the first letter of each sentence
};

// The code of a case; a string literal, so its data() ends in a NUL.
std::string_view textCaseCode(TextCase textCase);
// The case of a code (as typed, ignoring case), or nullopt.
std::optional<TextCase> textCaseFromCode(std::string_view code);

// The text in a case. Only ASCII letters change; other characters,
// multi-byte ones included, stay as they are. Title and Sentence lower the
// letters they do not capitalise ("PVC PIPE" in Title case is "Pvc Pipe").
std::string applyTextCase(std::string_view text, TextCase textCase);

}  // namespace crv::siblings
