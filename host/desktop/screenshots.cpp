// Saving pictures of windows.
#include "host/desktop/screenshots.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cctype>
#include <cstdlib>

namespace crv::desktop {

Screenshots::Screenshots() {
  if (const char* folder = std::getenv("CRV_SCREENSHOTS"); folder && *folder) folder_ = folder;
}

std::string Screenshots::slug(std::string_view title) {
  std::string out;
  for (char c : title) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u))
      out += static_cast<char>(std::tolower(u));
    else if (!out.empty() && out.back() != '-')
      out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return out.empty() ? "untitled" : out;
}

std::filesystem::path Screenshots::save(QWidget& widget, std::string_view kind,
                                        std::string_view title) const {
  if (!enabled()) return {};
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const auto file = folder_ / (std::string(kind) + "-" + slug(title) + ".png");
  return widget.grab().save(QString::fromStdString(file.string()), "PNG") ? file : std::filesystem::path();
}

void Screenshots::saveSoon(QWidget& widget, std::string kind, std::string title) const {
  if (!enabled()) return;
  QPointer<QWidget> target(&widget);
  QTimer::singleShot(0, &widget, [this, target, kind = std::move(kind), title = std::move(title)] {
    if (target) save(*target, kind, title);
  });
}

}  // namespace crv::desktop
