// The front end in force and the stand-in used when there is none.
#include "host/framework/ui/front_end.h"

#include <iostream>

namespace crv::ui {
namespace {

std::vector<std::string> splitBars(std::string_view text) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = text.find('|', start);
    parts.emplace_back(text.substr(start, bar == std::string_view::npos ? text.npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return parts;
}

// Stands in when no front end is installed: nothing is shown, questions
// take their defaults, and waiting for a person is an error.
class NoPerson final : public FrontEnd {
 public:
  int show(const MessageRequest& request) override {
    std::cerr << "[" << iconName(request.icon) << "] " << request.title << ": " << request.displayText()
              << "\n";
    return request.defaultButton;
  }
  void openWindow(Window&) override {}
  void closeWindow(Window&) override {}
  Event nextEvent(Window& window) override {
    throw NoFrontEnd("window \"" + window.title() + "\" waits for a person, but no front end is installed");
  }
  std::vector<std::filesystem::path> openFiles(const FileDialogRequest&) override { return {}; }
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Date> selectDate(const CalendarRequest&) override { return std::nullopt; }
  int popupMenu(const PopupRequest&) override { return 0; }
  void sendTo(const SendToRequest&) override {}
  std::vector<std::string> checkSpelling(const SpellCheckRequest& request) override {
    std::vector<std::string> texts;
    for (const auto& item : request.items) texts.push_back(item.text);
    return texts;
  }
  void showHelp(const HelpTopic&) override {}
  void beep(Sound) override {}
  void openDocument(const std::filesystem::path&) override {}
  bool editDocument(const std::filesystem::path&) override { return false; }
};

NoPerson noPerson;
FrontEnd* current = nullptr;

}  // namespace

std::vector<std::pair<std::string, std::string>> FileDialogRequest::filters() const {
  std::vector<std::pair<std::string, std::string>> pairs;
  const auto parts = splitBars(filter);
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

std::vector<std::string> PopupRequest::itemTexts() const { return splitBars(items); }

std::string_view soundName(Sound sound) {
  switch (sound) {
    case Sound::Default:
      return "default";
    case Sound::Exclamation:
      return "exclamation";
    case Sound::Question:
      return "question";
    case Sound::Asterisk:
      return "asterisk";
    case Sound::Hand:
      return "hand";
  }
  return "default";
}

FrontEnd* setFrontEnd(FrontEnd* frontEnd) {
  FrontEnd* previous = current;
  current = frontEnd;
  setMessageService(frontEnd);
  return previous;
}

FrontEnd& frontEnd() { return current ? *current : noPerson; }

bool hasFrontEnd() { return current != nullptr; }

}  // namespace crv::ui
