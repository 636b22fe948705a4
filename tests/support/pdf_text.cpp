// The text of a PDF file, read through pdftotext.
#include "support/pdf_text.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace crv::test {

bool havePdftotext() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string pdfText(const std::filesystem::path& file) {
  const std::string command = "pdftotext -layout '" + file.string() + "' -";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  while (pipe) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get());
    if (n == 0) break;
    text.append(buffer, n);
  }
  return text;
}

}  // namespace crv::test
