// The editor or the viewer for a written text file.
#include "crvpo/importexport/export_preview.h"

#include <fstream>
#include <string>

#include "host/framework/services/message_box.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

constexpr std::size_t shownBytes = 1 << 20;

class TextFileViewerWindow final : public crv::ui::WindowManager {
 public:
  explicit TextFileViewerWindow(const std::filesystem::path& file) : WindowManager("TextFileViewer") {
    std::ifstream in(file, std::ios::binary);
    text_.resize(shownBytes + 1);
    in.read(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.resize(static_cast<std::size_t>(in.gcount()));
    const bool more = text_.size() > shownBytes;
    if (more) text_.resize(shownBytes);
    crv::ui::Window& w = window();
    w.setTitle(file.filename().string());
    w.setIcon("export");
    if (more) w.addString("?More", "The file is longer; its first megabyte is shown.");
    w.add(crv::ui::ControlKind::Text, "?Text")
        .bind(crv::ui::Binding::local(text_, "LOC:Text"))
        .setReadOnly(true)
        .at(-1, -1, 100);
    w.addButton("?Close", "&Close", crv::ui::ButtonRole::Close).setDefault();
  }

 private:
  std::string text_;
};

}  // namespace

void showTextFile(const std::filesystem::path& file) {
  if (crv::ui::frontEnd().editDocument(file)) return;
  crv::message(
      "This system has no text editor to open " + file.string() + " with.|The file is shown here instead.",
      "Purchase Order Export", crv::Icon::Information);
  TextFileViewerWindow(file).run();
}

}  // namespace crvpo
