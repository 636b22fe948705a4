// The text of a PDF file as poppler's pdftotext lays it out, so tests can
// check what a printed page says rather than that a file appeared.
#pragma once

#include <filesystem>
#include <string>

namespace crv::test {

// False when pdftotext is not installed; tests that read PDFs skip then.
bool havePdftotext();
// The text of every page, spacing kept by layout; empty when unreadable.
std::string pdfText(const std::filesystem::path& file);

}  // namespace crv::test
