// The text of a PDF file, read through pdftotext.
#include "support/pdf_text.h"

#include <cstdlib>

#include "support/command_output.h"

namespace crv::test {

bool havePdftotext() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string pdfText(const std::filesystem::path& file) {
  return commandOutput("pdftotext -layout '" + file.string() + "' -");
}

}  // namespace crv::test
