// The headless driver: a test or a script plays the person in front of a
// procedure's windows.
//
// The procedure runs on a thread of its own (its user-interface thread);
// the caller's thread is the person. Each action of the person (type,
// press, answer, ...) hands events to the procedure and then waits until
// the procedure is idle again: waiting for the next event in a window,
// blocked in a message box or dialog, or finished. Between actions the
// procedure stands still, so the caller may read its windows freely.
// Nothing is timed except a generous guard against a procedure that never
// comes back (deadlockGuard), which fails with the transcript.
//
// Nested modal windows are met in the order they open: window() is always
// the innermost one the procedure waits in. Acting on a window while a
// message box or dialog is up, expecting a window that does not come, or a
// procedure that ends with an exception fails with a DriverError carrying
// the reason and the transcript.
//
// Windows with a timer: when the procedure waits in a window whose timer
// is set and the person has nothing queued for it, the driver delivers a
// Timer event at once, again and again, so that a process window runs to
// its end without real time passing. Such a window is never idle: the
// person meets it only after it stopped its timer or closed. A window that
// keeps its timer running forever trips the deadlock guard. A test that
// wants to act while such a window works (press its Cancel halfway) holds
// the timers: a window with a timer then waits like any other, and
// runTimer() lets its timer run out a given number of times.
//
// The driver installs its front end (and message service) while it lives
// and puts the previous one back afterwards. A procedure still running
// when the driver goes away is stopped: its pending wait throws an
// exception of the driver's own that unwinds the procedure (its windows
// close and its tables close on the way out).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "host/framework/ui/front_end.h"
#include "host/framework/ui/headless/driver_error.h"

namespace crv::ui {

enum class DialogKind { Message, OpenFiles, SaveFile, Calendar, Popup, SendTo };

// What the procedure is blocked in, waiting for the person's answer.
struct PendingDialog {
  DialogKind kind = DialogKind::Message;
  MessageRequest message;
  FileDialogRequest file;
  CalendarRequest calendar;
  PopupRequest popup;
  SendToRequest sendTo;
};

class HeadlessDriver {
 public:
  static constexpr std::chrono::seconds defaultDeadlockGuard{60};

  HeadlessDriver();
  ~HeadlessDriver();
  HeadlessDriver(const HeadlessDriver&) = delete;
  HeadlessDriver& operator=(const HeadlessDriver&) = delete;

  void setDeadlockGuard(std::chrono::milliseconds guard) { guard_ = guard; }
  // Held timers run only when the person says so (runTimer).
  void holdTimers(bool held);
  // Whether the system offers a text editor (it does unless told).
  void setTextEditor(bool available) { textEditor_ = available; }
  bool textEditor() const { return textEditor_; }

  // Sets GlobalRequest for the next call.
  void request(int request);
  // Runs a procedure on the procedure thread and waits until it is idle.
  // A procedure that finished before may be followed by another.
  void start(std::function<void()> procedure, std::string name = "procedure");
  void call(std::string name, std::function<void()> procedure) {
    start(std::move(procedure), std::move(name));
  }

  // --- what the person sees ---
  // The window the procedure waits in.
  const Window& window();
  std::string title() { return window().title(); }
  // A control by equate, or else by its prompt's text.
  const Control& control(std::string_view equateOrPrompt);
  std::string shown(std::string_view equateOrPrompt) { return control(equateOrPrompt).shown(); }
  bool isHidden(std::string_view equateOrPrompt) { return !control(equateOrPrompt).isVisible(); }
  bool isDisabled(std::string_view equateOrPrompt) { return !control(equateOrPrompt).isEnabled(); }
  // The loaded rows of a list, cells without padding joined by " | ".
  std::vector<std::string> rows(std::string_view listEquate);
  // The equate of the control with the focus, empty when none.
  std::string focus();
  // Titles of the open windows, outermost first.
  std::vector<std::string> openWindows();

  // --- what the person does in the window ---
  // Focuses an entry, types the text and leaves it; the focus stays there.
  void type(std::string_view equate, std::string_view text);
  // Clicks (host/framework/ui/input.h: the control takes the focus, a
  // sheet's tabs excepted). pick chooses an entry of a drop list, a radio
  // of an option group, a tab of a sheet, or a row of a list, by its text.
  void pick(std::string_view equate, std::string_view choice);
  void tick(std::string_view equate, bool on);
  void press(std::string_view equate);
  // "F2", "Insert", "Escape", "Enter", ...: what a key means is decided
  // in host/framework/ui/input.h, as on the desktop. Keys that work a
  // field's text do nothing here (type() types a field's text whole).
  void key(std::string_view name);
  void highlight(std::string_view listEquate, int row);  // 0-based within the loaded rows
  // Clicks one cell of a list: its row (0-based, loaded rows) and column.
  void clickCell(std::string_view listEquate, int row, int column);
  void scroll(std::string_view listEquate, int rows);
  // Clicks the header of a list's column, by its header text: the list
  // sorts by that column where it can.
  void sortBy(std::string_view listEquate, std::string_view column);
  void drop(std::vector<std::string> files, std::string_view equate = {});
  void popup(std::string_view equate);
  void closeWindow();
  // Lets the window's timer run out `times` times (timers held).
  void runTimer(int times = 1);
  // Fails unless the procedure waits in a window with this title.
  void expectWindow(std::string_view title);

  // --- dialogs ---
  bool hasDialog();
  const PendingDialog& dialog();
  // The message box that is up; fails when there is none.
  MessageRequest messageBox();
  // Checks the message box's title (and text, when given; "|" marks line
  // breaks as in the request) and returns it.
  MessageRequest expectMessage(std::string_view title, std::optional<std::string_view> text = std::nullopt);
  // Answers a message box by caption ("&Yes" or "Yes") or 1-based index,
  // or a pop-up menu by item text or index.
  void answer(std::string_view caption);
  void answer(int index);
  // Answers an open or save dialog, or a send-to (saves the list as CSV).
  void answerFiles(std::vector<std::filesystem::path> files);
  void answerDate(Date date);
  // Send-to: the list is printed (its rows go to the transcript).
  void answerPrint();
  // Cancels a file dialog, calendar, pop-up menu or send-to.
  void cancelDialog();

  // --- the end ---
  bool finished();
  // A procedure was called and has not finished.
  bool running();
  // Fails unless the procedure has finished without an exception.
  void expectFinished();
  // GlobalResponse when the procedure finished.
  int response();
  // Stops a procedure that is still running, as the destructor does.
  void stop();

  // --- the record ---
  std::vector<std::string> transcript();
  std::string transcriptText();
  void note(std::string line);
  // Throws a DriverError with the reason and the transcript.
  [[noreturn]] void fail(const std::string& reason);

 private:
  class Person;
  friend class Person;
  enum class Phase { NoProcedure, Busy, Waiting, InDialog, Finished };
  struct Answer {
    int index = 0;
    std::vector<std::filesystem::path> files;
    std::optional<Date> date;
    bool print = false;
    bool cancelled = false;
  };
  struct Queued {
    Window* window;
    Event event;
  };
  using Lock = std::unique_lock<std::mutex>;

  // Called on the procedure thread through the front end.
  void opened(Window& window);
  void closed(Window& window);
  Event waitForEvent(Window& window);
  Answer ask(PendingDialog dialog, std::string line);
  void record(std::string line);

  // Called on the person's thread with the lock held.
  [[noreturn]] void failLocked(Lock& lock, const std::string& reason);
  void waitIdle(Lock& lock);
  Window& requireWindow(Lock& lock, std::string_view action);
  Control& findControl(Lock& lock, std::string_view action, std::string_view equateOrPrompt);
  Control& requireUsable(Lock& lock, std::string_view action, std::string_view equate);
  void deliver(Lock& lock, std::vector<Event> events);
  const PendingDialog& requireDialog(Lock& lock, std::string_view action);
  void giveAnswer(Lock& lock, Answer answer, std::string line);
  std::string describePending() const;

  std::unique_ptr<Person> person_;
  FrontEnd* previous_ = nullptr;
  std::chrono::milliseconds guard_ = defaultDeadlockGuard;
  std::atomic<bool> textEditor_{true};

  std::mutex mutex_;
  std::condition_variable changed_;
  Phase phase_ = Phase::NoProcedure;
  Window* waitingIn_ = nullptr;
  std::vector<Window*> open_;
  std::deque<Queued> queue_;
  std::optional<PendingDialog> dialog_;
  std::optional<Answer> answer_;
  bool stopping_ = false;
  bool timersHeld_ = false;
  std::thread worker_;
  std::thread::id workerId_;
  std::string failure_;
  int response_ = 0;
  std::vector<std::string> transcript_;
};

}  // namespace crv::ui
