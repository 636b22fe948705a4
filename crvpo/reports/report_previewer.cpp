// The previewer window.
#include "crvpo/reports/report_previewer.h"

#include <algorithm>

#include "crvpo/reports/po_delivery.h"
#include "crvpo/reports/purchase_order_print.h"
#include "host/framework/services/temporary_files.h"
#include "host/framework/ui/window_manager.h"
#include "host/render/png_renderer.h"
#include "host/render/render_error.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;
using crv::ui::ControlKind;

constexpr int zoomSteps[] = {50, 75, 100, 150, 200};

class ReportPreviewer final : public crv::ui::WindowManager {
 public:
  ReportPreviewer(std::vector<crv::LaidOutPage> pages, std::filesystem::path printable,
                  const PreviewOptions& options)
      : WindowManager("PRINTPREVIEW"), pages_(std::move(pages)), printable_(std::move(printable)) {
    folder_ = crv::temporaryFileName("preview", "");
    std::filesystem::create_directory(folder_);
    zoom_ = options.zoom == 2 ? 2 : (options.zoom > 1 ? 1 : 2);
    for (int i = 0; i < static_cast<int>(std::size(zoomSteps)); ++i)
      if (zoomSteps[i] == options.startPercent) zoom_ = i;

    crv::ui::Window& w = window();
    w.setTitle(options.title);
    w.add(ControlKind::Image, "?Page");
    w.addString("?PageNo", "");
    w.addButton("?First", "&First");
    w.addButton("?Prev", "&Previous");
    w.addButton("?Next", "&Next");
    w.addButton("?Last", "&Last");
    w.addButton("?ZoomOut", "Zoom &Out");
    w.addButton("?ZoomIn", "Zoom &In");
    w.addButton("?Print", "&Print");
    if (options.delivery) {
      if (options.offerExport || options.zoom > 1) w.addButton("?Export", "Export This Report");
      w.addButton("?Pdf", "Generate PDF File");
      // The larger set of buttons is the same on every report.
      w.addButton("?Email", options.zoom > 1 ? std::string("Email Report (pdf)") : options.emailCaption);
    }
    w.addButton("?Close", "&Close", ButtonRole::Close);

    onAccepted("?First", [this] { show(0); });
    onAccepted("?Prev", [this] { show(page_ - 1); });
    onAccepted("?Next", [this] { show(page_ + 1); });
    onAccepted("?Last", [this] { show(static_cast<int>(pages_.size()) - 1); });
    onAccepted("?ZoomOut", [this] { zoom(-1); });
    onAccepted("?ZoomIn", [this] { zoom(+1); });
    onAccepted("?Print", [this] {
      if (printToDefaultPrinter(printable_)) printed_ = true;
    });
    if (window().find("?Export")) onAccepted("?Export", [this] { finishWith(deliveryState().exportMe); });
    if (window().find("?Pdf")) onAccepted("?Pdf", [this] { finishWith(deliveryState().makePdf); });
    if (window().find("?Email")) onAccepted("?Email", [this] { finishWith(deliveryState().emailMe); });
    show(0);
  }
  ~ReportPreviewer() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ReportPreviewer(const ReportPreviewer&) = delete;
  ReportPreviewer& operator=(const ReportPreviewer&) = delete;

  bool printed() const { return printed_; }

 private:
  void finishWith(bool& flag) {
    flag = true;
    close();
  }

  void zoom(int step) {
    zoom_ = std::clamp(zoom_ + step, 0, static_cast<int>(std::size(zoomSteps)) - 1);
    show(page_);
  }

  void show(int page) {
    const int count = static_cast<int>(pages_.size());
    page_ = std::clamp(page, 0, std::max(count - 1, 0));
    control("?PageNo").setText("Page " + std::to_string(page_ + 1) + " of " + std::to_string(count));
    control("?First").setDisabled(page_ == 0);
    control("?Prev").setDisabled(page_ == 0);
    control("?Next").setDisabled(page_ + 1 >= count);
    control("?Last").setDisabled(page_ + 1 >= count);
    if (count == 0) return;
    const auto file =
        folder_ / ("page-" + std::to_string(page_ + 1) + "-" + std::to_string(zoomSteps[zoom_]) + ".png");
    try {
      if (!std::filesystem::exists(file))
        crv::PngRenderer(96.0 * zoomSteps[zoom_] / 100).write(pages_[page_], file);
      control("?Page").setText(file.string());
    } catch (const crv::RenderError&) {
      control("?Page").setText(std::string());
    }
    window().touch();
  }

  std::vector<crv::LaidOutPage> pages_;
  std::filesystem::path printable_;
  std::filesystem::path folder_;
  int page_ = 0;
  int zoom_ = 2;
  bool printed_ = false;
};

}  // namespace

int previewPages(std::vector<crv::LaidOutPage> pages, const std::filesystem::path& printable,
                 const PreviewOptions& options) {
  ReportPreviewer previewer(std::move(pages), printable, options);
  previewer.run();
  return previewer.printed() ? 1 : 0;
}

}  // namespace crvpo
