// Message boxes and the unattended message service.
#include "host/framework/services/message_box.h"

#include <iostream>

namespace crv {
namespace {

class UnattendedMessages final : public MessageService {
 public:
  int show(const MessageRequest& request) override {
    std::cerr << "[" << iconName(request.icon) << "] " << request.title << ": " << request.displayText()
              << "\n";
    return request.defaultButton;
  }
};

UnattendedMessages unattended;
MessageService* current = &unattended;

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.emplace_back(text.substr(start, at == std::string_view::npos ? text.npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

}  // namespace

std::string_view iconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "none";
    case Icon::Information:
      return "information";
    case Icon::Question:
      return "question";
    case Icon::Exclamation:
      return "exclamation";
    case Icon::Stop:
      return "stop";
  }
  return "none";
}

std::vector<std::string> MessageRequest::buttonCaptions() const { return split(buttons, '|'); }

std::string MessageRequest::displayText() const {
  std::string shown = text;
  for (char& c : shown)
    if (c == '|') c = '\n';
  return shown;
}

MessageService* setMessageService(MessageService* service) {
  MessageService* previous = current == &unattended ? nullptr : current;
  current = service ? service : &unattended;
  return previous;
}

MessageService& messageService() { return *current; }

int message(std::string_view text, std::string_view title, Icon icon, std::string_view buttons,
            int defaultButton) {
  MessageRequest request{std::string(text), std::string(title), icon, std::string(buttons), defaultButton};
  return current->show(request);
}

std::string stripHotKey(std::string_view caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        plain += '&';
        ++i;
      }
      continue;
    }
    plain += caption[i];
  }
  return plain;
}

}  // namespace crv
