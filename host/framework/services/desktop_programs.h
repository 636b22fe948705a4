// Running the desktop's own programs for a file: the viewer the desktop
// associates with it (a PDF reader for a PDF, the browser for a page) or
// its text editor. The program runs on its own: the call returns at once
// and the program outlives the procedure, and the host, that started it.
//
// The default runs xdg-open, which asks the desktop for the program of the
// file's type; for a plain-text file that is the desktop's text editor, so
// edit() is meant for text files (export previews, import files). Tests
// and other hosts install their own.
#pragma once

#include <filesystem>

namespace crv {

class DesktopPrograms {
 public:
  virtual ~DesktopPrograms() = default;
  // Whether the program could be started (not whether it liked the file).
  virtual bool view(const std::filesystem::path& file) = 0;
  virtual bool edit(const std::filesystem::path& file) = 0;
};

// Installs other programs; nullptr goes back to the default. Returns the
// ones installed before (nullptr for the default).
DesktopPrograms* setDesktopPrograms(DesktopPrograms* programs);
DesktopPrograms& desktopPrograms();

}  // namespace crv
