// The front end: what shows windows to a person and reports what the
// person does.
//
// The desktop front end draws windows with a toolkit and runs a nested
// event loop in nextEvent() for each modal window; the headless front end
// (headless/) lets a test or a script play the person. Procedures never
// talk to a toolkit: they build a Window, and the framework calls the
// front end in force. The front end is also the message service, so
// crv::message() asks the person through it.
//
// Without a front end installed, message boxes take their default answer
// (the unattended service), dialogs are cancelled, and a window that waits
// for the person fails with NoFrontEnd: a window needs a person.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/framework/services/message_box.h"
#include "host/framework/ui/event.h"
#include "host/framework/ui/window.h"
#include "host/framework/values/date.h"

namespace crv::ui {

class ListModel;

struct FileDialogRequest {
  std::string title;
  // Pairs of name and patterns: "All Files|*.*|PDF Files|*.pdf".
  std::string filter;
  std::filesystem::path folder;  // where the dialog starts; empty: current
  std::string fileName;          // proposed name (save)
  bool multiple = false;         // open: several files may be chosen

  // The filter as (name, patterns) pairs.
  std::vector<std::pair<std::string, std::string>> filters() const;
};

struct CalendarRequest {
  std::string title = "Select a Date";
  Date initial;  // 0: today
};

// A pop-up menu: "|" separates items; the answer is the 1-based item, 0 when
// the person chose nothing.
struct PopupRequest {
  // Not explicit: a menu is often given by its items alone.
  PopupRequest(std::string itemList = {}, std::vector<std::string> itemIcons = {})
      : items(std::move(itemList)), icons(std::move(itemIcons)) {}

  std::string items;
  std::vector<std::string> icons;  // per item, in order; fewer or none is fine
  std::vector<std::string> itemTexts() const;
};

// The send-to facility of a list: print its rows or save them to a file.
struct SendToRequest {
  std::string title;
  const ListModel* list = nullptr;
};

struct SpellCheckRequest {
  struct Item {
    std::string equate;
    std::string text;
  };
  std::string language = "en_US";
  std::vector<Item> items;
};

enum class Sound { Default, Exclamation, Question, Asterisk, Hand };

std::string_view soundName(Sound sound);

// A window waited for a person and there is no front end.
class NoFrontEnd : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class FrontEnd : public MessageService {
 public:
  // A window becomes visible (its controls as the procedure set them up)
  // and goes away again. Windows open and close in nested order.
  virtual void openWindow(Window& window) = 0;
  virtual void closeWindow(Window& window) = 0;
  // Blocks until the person does something in the window and reports it.
  // The window's own posted events are taken by the framework before it
  // asks.
  virtual Event nextEvent(Window& window) = 0;
  // The procedure changed the window while working (a progress bar during
  // a long run) and wants it drawn now, without waiting for input.
  virtual void display(Window& /*window*/) {}

  // Message boxes (MessageService::show): the 1-based button chosen.
  // Open-file dialog: the chosen files, empty when cancelled.
  virtual std::vector<std::filesystem::path> openFiles(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<Date> selectDate(const CalendarRequest& request) = 0;
  virtual int popupMenu(const PopupRequest& request) = 0;
  virtual void sendTo(const SendToRequest& request) = 0;
  // The texts corrected by the person, one per item in the same order.
  virtual std::vector<std::string> checkSpelling(const SpellCheckRequest& request) = 0;
  virtual void showHelp(const HelpTopic& topic) = 0;
  virtual void beep(Sound sound) = 0;
  // Opens a document with the program the system associates with it, or a
  // text file in the text editor (host/framework/services/desktop_programs.h
  // runs them on the desktop).
  virtual void openDocument(const std::filesystem::path& file) = 0;
  // Opens a text file in the desktop's text editor; false when the desktop
  // has none to offer (the caller then shows the file itself).
  virtual bool editDocument(const std::filesystem::path& file) {
    openDocument(file);
    return true;
  }
};

// Installs a front end (and makes it the message service); nullptr goes
// back to none. Returns the one that was in force, nullptr for none.
FrontEnd* setFrontEnd(FrontEnd* frontEnd);
// The front end in force; without one, a stand-in that answers as
// described above.
FrontEnd& frontEnd();
bool hasFrontEnd();

}  // namespace crv::ui
