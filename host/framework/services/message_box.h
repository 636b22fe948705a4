// Message boxes: the host's one way of telling the user something or asking.
//
// A message has a title, a text in which "|" breaks lines, an icon and a
// button string ("&Yes|&No"; "|" separates buttons, "&" marks the hot key).
// The answer is the 1-based index of the chosen button. The front end in
// force (desktop, headless driver, script runner) shows it; without one the
// message is written to the error stream and answered with its default.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/framework/table/table_steps.h"

namespace crv {

enum class Icon { None, Information, Question, Exclamation, Stop };

std::string_view iconName(Icon icon);

struct MessageRequest {
  std::string text;
  std::string title;
  Icon icon = Icon::None;
  std::string buttons = "&OK";
  int defaultButton = 1;

  // The captions of the buttons, hot-key marks kept.
  std::vector<std::string> buttonCaptions() const;
  // The text with "|" turned into line breaks.
  std::string displayText() const;
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual int show(const MessageRequest& request) = 0;
};

// Installs the front end's message service; nullptr restores the unattended
// one. Returns the one that was in force.
MessageService* setMessageService(MessageService* service);
MessageService& messageService();

int message(std::string_view text, std::string_view title = {}, Icon icon = Icon::None,
            std::string_view buttons = "&OK", int defaultButton = 1);

// A caption without its hot-key mark: "&Yes" -> "Yes".
std::string stripHotKey(std::string_view caption);

// For windows and reports that run table steps under "report and carry
// on": each failure in a message box of its own, its text (" Saving
// POPrint") with the default title, icon and button.
class StepFailureMessages : public StepFailureSink {
 public:
  void stepFailed(const StepFailure& failure) override { message(failure.text()); }
};

}  // namespace crv
