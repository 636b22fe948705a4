// The headless driver and its front end.
#include "host/framework/ui/headless/headless_driver.h"

#include <sstream>

#include "host/framework/services/file_replacement.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/input.h"
#include "host/framework/ui/list_csv.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

// Thrown on the procedure thread to unwind a procedure the driver stops.
// Not a std::exception, so that a procedure's own handlers let it pass.
struct ProcedureStopped {};

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string responseName(int response) {
  if (response == RequestCompleted) return "completed";
  if (response == RequestCancelled) return "cancelled";
  return std::to_string(response);
}

std::string dateText(Date date) { return Picture::parse("@d2").formatTrimmed(date); }

bool sameCaption(std::string_view caption, std::string_view wanted) {
  return equalsIgnoreCase(caption, wanted) || equalsIgnoreCase(stripHotKey(caption), stripHotKey(wanted));
}

std::string rowText(const ListModel& list, int row) {
  std::string text;
  for (int c = 0; c < list.columnCount(); ++c) {
    if (c) text += " | ";
    text += trim(list.cell(row, c).text);
  }
  return text;
}

}  // namespace

// The front end the procedure sees; every call goes to the driver.
class HeadlessDriver::Person final : public FrontEnd {
 public:
  explicit Person(HeadlessDriver& driver) : driver_(driver) {}

  int show(const MessageRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::Message;
    dialog.message = request;
    std::string line = "  message " + quote(request.title) + " (" + std::string(iconName(request.icon)) +
                       ") " + quote(request.text) + " [" + request.buttons + "] default " +
                       std::to_string(request.defaultButton);
    return driver_.ask(std::move(dialog), std::move(line)).index;
  }
  void openWindow(Window& window) override { driver_.opened(window); }
  void closeWindow(Window& window) override { driver_.closed(window); }
  Event nextEvent(Window& window) override { return driver_.waitForEvent(window); }
  std::vector<std::filesystem::path> openFiles(const FileDialogRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::OpenFiles;
    dialog.file = request;
    std::string line = "  open-file dialog " + quote(request.title) + " filter " + quote(request.filter) +
                       (request.multiple ? " multiple" : "");
    auto answer = driver_.ask(std::move(dialog), std::move(line));
    return answer.cancelled ? std::vector<std::filesystem::path>() : answer.files;
  }
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::SaveFile;
    dialog.file = request;
    std::string line = "  save-file dialog " + quote(request.title) + " filter " + quote(request.filter);
    auto answer = driver_.ask(std::move(dialog), std::move(line));
    if (answer.cancelled || answer.files.empty()) return std::nullopt;
    return answer.files.front();
  }
  std::optional<Date> selectDate(const CalendarRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::Calendar;
    dialog.calendar = request;
    std::string line = "  calendar " + quote(request.title) +
                       (request.initial.isNone() ? std::string() : " at " + dateText(request.initial));
    auto answer = driver_.ask(std::move(dialog), std::move(line));
    return answer.cancelled ? std::nullopt : answer.date;
  }
  int popupMenu(const PopupRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::Popup;
    dialog.popup = request;
    auto answer = driver_.ask(std::move(dialog), "  popup [" + request.items + "]");
    return answer.cancelled ? 0 : answer.index;
  }
  void sendTo(const SendToRequest& request) override {
    PendingDialog dialog;
    dialog.kind = DialogKind::SendTo;
    dialog.sendTo = request;
    auto answer = driver_.ask(std::move(dialog), "  send-to " + quote(request.title));
    if (answer.cancelled || !request.list) return;
    if (answer.print) {
      for (int r = 0; r < request.list->rowCount(); ++r)
        driver_.record("  printed " + quote(rowText(*request.list, r)));
    } else if (!answer.files.empty()) {
      std::ostringstream rows;
      writeListCsv(*request.list, rows);
      const std::string error = replaceFile(answer.files.front(), rows.str());
      if (!error.empty()) driver_.record("  send-to failed: " + error);
    }
  }
  std::vector<std::string> checkSpelling(const SpellCheckRequest& request) override {
    std::string line = "  spell check";
    std::vector<std::string> texts;
    for (const auto& item : request.items) {
      line += " " + item.equate;
      texts.push_back(item.text);
    }
    driver_.record(std::move(line));
    return texts;
  }
  void showHelp(const HelpTopic& topic) override { driver_.record("  help " + quote(topic.text())); }
  void beep(Sound sound) override {
    driver_.record(sound == Sound::Default ? std::string("  beep")
                                           : "  beep " + std::string(soundName(sound)));
  }
  void openDocument(const std::filesystem::path& file) override {
    driver_.record("  open document " + quote(file.string()));
  }
  bool editDocument(const std::filesystem::path& file) override {
    if (!driver_.textEditor()) return false;
    driver_.record("  edit document " + quote(file.string()));
    return true;
  }

 private:
  HeadlessDriver& driver_;
};

HeadlessDriver::HeadlessDriver() : person_(std::make_unique<Person>(*this)) {
  previous_ = setFrontEnd(person_.get());
}

HeadlessDriver::~HeadlessDriver() {
  stop();
  setFrontEnd(previous_);
}

void HeadlessDriver::stop() {
  Lock lock(mutex_);
  if (!worker_.joinable()) return;
  stopping_ = true;
  changed_.notify_all();
  const bool ended = changed_.wait_for(lock, guard_, [this] { return phase_ == Phase::Finished; });
  lock.unlock();
  // A procedure that never comes back cannot be joined; it is left behind
  // rather than hanging the caller.
  if (ended)
    worker_.join();
  else
    worker_.detach();
  lock.lock();
  stopping_ = false;
}

// --- the procedure's side ---

void HeadlessDriver::record(std::string line) {
  Lock lock(mutex_);
  transcript_.push_back(std::move(line));
}

void HeadlessDriver::opened(Window& window) {
  Lock lock(mutex_);
  open_.push_back(&window);
  transcript_.push_back("  open window " + quote(window.title()));
}

void HeadlessDriver::closed(Window& window) {
  Lock lock(mutex_);
  std::erase(open_, &window);
  std::erase_if(queue_, [&](const Queued& q) { return q.window == &window; });
  if (waitingIn_ == &window) waitingIn_ = nullptr;
  transcript_.push_back("  close window " + quote(window.title()));
}

Event HeadlessDriver::waitForEvent(Window& window) {
  Lock lock(mutex_);
  for (;;) {
    if (stopping_) throw ProcedureStopped{};
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
      if (it->window != &window) continue;
      Event event = std::move(it->event);
      queue_.erase(it);
      phase_ = Phase::Busy;
      return event;
    }
    if (window.timer() > 0 && !timersHeld_) {
      phase_ = Phase::Busy;
      return Event::window(EventKind::Timer);
    }
    phase_ = Phase::Waiting;
    waitingIn_ = &window;
    changed_.notify_all();
    changed_.wait(lock);
  }
}

HeadlessDriver::Answer HeadlessDriver::ask(PendingDialog dialog, std::string line) {
  Lock lock(mutex_);
  Answer fallback;
  fallback.cancelled = true;
  fallback.index = dialog.kind == DialogKind::Message ? dialog.message.defaultButton : 0;
  if (std::this_thread::get_id() != workerId_) {
    // Not asked by the procedure (test set-up code, say): nobody can
    // answer, so the default is taken and noted.
    transcript_.push_back(line + " (outside the procedure: default taken)");
    return fallback;
  }
  if (stopping_) return fallback;
  transcript_.push_back(std::move(line));
  dialog_ = std::move(dialog);
  answer_.reset();
  phase_ = Phase::InDialog;
  changed_.notify_all();
  changed_.wait(lock, [this] { return answer_.has_value() || stopping_; });
  dialog_.reset();
  phase_ = Phase::Busy;
  if (!answer_) return fallback;
  Answer answer = std::move(*answer_);
  answer_.reset();
  return answer;
}

// --- the person's side ---

void HeadlessDriver::fail(const std::string& reason) {
  Lock lock(mutex_);
  failLocked(lock, reason);
}

void HeadlessDriver::failLocked(Lock& lock, const std::string& reason) {
  std::string text;
  for (const auto& line : transcript_) text += line + "\n";
  lock.unlock();
  throw DriverError(reason, text);
}

void HeadlessDriver::waitIdle(Lock& lock) {
  const bool idle = changed_.wait_for(lock, guard_, [this] { return phase_ != Phase::Busy; });
  if (!idle)
    failLocked(lock, "the procedure did not come back to the person within " +
                         std::to_string(std::chrono::duration_cast<std::chrono::seconds>(guard_).count()) +
                         " s (a loop, a deadlock, or a window whose timer never stops)");
}

std::string HeadlessDriver::describePending() const {
  if (!dialog_) return "nothing";
  switch (dialog_->kind) {
    case DialogKind::Message:
      return "a message box " + quote(dialog_->message.title) + " " + quote(dialog_->message.text);
    case DialogKind::OpenFiles:
      return "an open-file dialog " + quote(dialog_->file.title);
    case DialogKind::SaveFile:
      return "a save-file dialog " + quote(dialog_->file.title);
    case DialogKind::Calendar:
      return "a calendar " + quote(dialog_->calendar.title);
    case DialogKind::Popup:
      return "a pop-up menu [" + dialog_->popup.items + "]";
    case DialogKind::SendTo:
      return "a send-to dialog " + quote(dialog_->sendTo.title);
  }
  return "a dialog";
}

Window& HeadlessDriver::requireWindow(Lock& lock, std::string_view action) {
  switch (phase_) {
    case Phase::Waiting:
      if (waitingIn_) return *waitingIn_;
      break;
    case Phase::InDialog:
      failLocked(lock, "unexpected " + describePending() + " while trying to " + std::string(action));
    case Phase::Finished:
      failLocked(lock, "the procedure has finished (response " + responseName(response_) + "); cannot " +
                           std::string(action));
    case Phase::NoProcedure:
      failLocked(lock, "no procedure is running; cannot " + std::string(action));
    case Phase::Busy:
      break;
  }
  failLocked(lock, "no window is waiting for the person; cannot " + std::string(action));
}

Control& HeadlessDriver::findControl(Lock& lock, std::string_view action, std::string_view equateOrPrompt) {
  Window& window = requireWindow(lock, action);
  if (Control* c = window.find(equateOrPrompt)) return *c;
  if (Control* c = window.findByPrompt(equateOrPrompt)) return *c;
  failLocked(lock, "window " + quote(window.title()) + " has no control " + std::string(equateOrPrompt) +
                       " (trying to " + std::string(action) + ")");
}

Control& HeadlessDriver::requireUsable(Lock& lock, std::string_view action, std::string_view equate) {
  Control& control = findControl(lock, action, equate);
  if (!control.isVisible())
    failLocked(lock, "cannot " + std::string(action) + ": " + control.equate() + " is hidden");
  if (!control.isEnabled())
    failLocked(lock, "cannot " + std::string(action) + ": " + control.equate() + " is disabled");
  return control;
}

void HeadlessDriver::deliver(Lock& lock, std::vector<Event> events) {
  Window& window = requireWindow(lock, "act");
  if (events.empty()) return;
  for (auto& event : events) queue_.push_back(Queued{&window, std::move(event)});
  phase_ = Phase::Busy;
  changed_.notify_all();
  waitIdle(lock);
}

void HeadlessDriver::request(int request) {
  Lock lock(mutex_);
  if (phase_ == Phase::Busy || phase_ == Phase::Waiting || phase_ == Phase::InDialog)
    failLocked(lock, "cannot set the request while a procedure is running");
  static const char* names[] = {"none", "insert", "change", "delete", "select", "view"};
  transcript_.push_back(std::string("request ") + (request >= 0 && request <= 5 ? names[request] : "?"));
  GlobalRequest = request;
}

void HeadlessDriver::start(std::function<void()> procedure, std::string name) {
  Lock lock(mutex_);
  if (phase_ == Phase::Busy || phase_ == Phase::Waiting || phase_ == Phase::InDialog)
    failLocked(lock, "cannot call " + name + ": a procedure is still running");
  if (worker_.joinable()) {
    lock.unlock();
    worker_.join();
    lock.lock();
  }
  transcript_.push_back("call " + name);
  phase_ = Phase::Busy;
  failure_.clear();
  open_.clear();
  queue_.clear();
  waitingIn_ = nullptr;
  worker_ = std::thread([this, run = std::move(procedure)] {
    {
      Lock startLock(mutex_);
      workerId_ = std::this_thread::get_id();
    }
    std::string failure;
    bool stopped = false;
    try {
      run();
    } catch (const ProcedureStopped&) {
      stopped = true;
    } catch (const std::exception& e) {
      failure = e.what();
    } catch (...) {
      failure = "an exception that is not a std::exception";
    }
    Lock endLock(mutex_);
    response_ = GlobalResponse;
    failure_ = failure;
    if (stopped)
      transcript_.push_back("  stopped");
    else if (!failure.empty())
      transcript_.push_back("  failed: " + failure);
    else
      transcript_.push_back("  finished, response " + responseName(response_));
    phase_ = Phase::Finished;
    waitingIn_ = nullptr;
    changed_.notify_all();
  });
  waitIdle(lock);
}

const Window& HeadlessDriver::window() {
  Lock lock(mutex_);
  if (phase_ == Phase::InDialog && !open_.empty()) return *open_.back();
  return requireWindow(lock, "look at the window");
}

const Control& HeadlessDriver::control(std::string_view equateOrPrompt) {
  Lock lock(mutex_);
  if (phase_ == Phase::InDialog && !open_.empty()) {
    Window& window = *open_.back();
    if (Control* c = window.find(equateOrPrompt)) return *c;
    if (Control* c = window.findByPrompt(equateOrPrompt)) return *c;
  }
  return findControl(lock, "look at " + std::string(equateOrPrompt), equateOrPrompt);
}

std::vector<std::string> HeadlessDriver::rows(std::string_view listEquate) {
  const Control& list = control(listEquate);
  std::vector<std::string> result;
  if (!list.model()) return result;
  for (int r = 0; r < list.model()->rowCount(); ++r) result.push_back(rowText(*list.model(), r));
  return result;
}

std::string HeadlessDriver::focus() {
  const Window& w = window();
  return w.focus() ? w.focus()->equate() : std::string();
}

std::vector<std::string> HeadlessDriver::openWindows() {
  Lock lock(mutex_);
  std::vector<std::string> titles;
  for (const Window* w : open_) titles.push_back(w->title());
  return titles;
}

void HeadlessDriver::type(std::string_view equate, std::string_view text) {
  Lock lock(mutex_);
  const std::string action = "type into " + std::string(equate);
  Control& control = requireUsable(lock, action, equate);
  const bool typable = control.kind() == ControlKind::Entry || control.kind() == ControlKind::Text ||
                       control.kind() == ControlKind::DropCombo;
  if (!typable)
    failLocked(lock, "cannot " + action + ": it is not an entry (" +
                         std::string(controlKindName(control.kind())) + ")");
  if (control.readOnly()) failLocked(lock, "cannot " + action + ": it is read-only");
  transcript_.push_back("type " + control.equate() + " " + quote(text));
  deliver(lock, typed(control, std::string(text)));
}

void HeadlessDriver::pick(std::string_view equate, std::string_view choice) {
  Lock lock(mutex_);
  const std::string action = "pick " + quote(choice) + " in " + std::string(equate);
  Control& control = requireUsable(lock, action, equate);
  transcript_.push_back("pick " + control.equate() + " " + quote(choice));
  std::vector<std::string> offered;
  int index = -1;
  switch (control.kind()) {
    case ControlKind::DropList:
    case ControlKind::DropCombo:
      for (std::size_t i = 0; i < control.choices().size(); ++i) {
        offered.push_back(control.choices()[i].text);
        if (index < 0 && sameCaption(control.choices()[i].text, choice)) index = static_cast<int>(i);
      }
      break;
    case ControlKind::Option:
    case ControlKind::Sheet: {
      const auto members = control.members();
      for (std::size_t i = 0; i < members.size(); ++i) {
        offered.push_back(members[i]->text());
        if (index < 0 && sameCaption(members[i]->text(), choice)) index = static_cast<int>(i);
      }
      break;
    }
    case ControlKind::List:
      if (control.model()) {
        for (int r = 0; r < control.model()->rowCount(); ++r) {
          offered.push_back(rowText(*control.model(), r));
          bool match = equalsIgnoreCase(offered.back(), choice);
          for (int c = 0; !match && c < control.model()->columnCount(); ++c)
            match = equalsIgnoreCase(trim(control.model()->cell(r, c).text), trim(choice));
          if (index < 0 && match) index = r;
        }
      }
      break;
    default:
      failLocked(lock, "cannot " + action + ": it is not a list, drop list, option group or sheet (" +
                           std::string(controlKindName(control.kind())) + ")");
  }
  if (index < 0) {
    std::string list;
    for (const auto& o : offered) list += (list.empty() ? "" : ", ") + quote(o);
    failLocked(lock, "cannot " + action + ": it offers " + (list.empty() ? std::string("nothing") : list));
  }
  deliver(lock, clicked(control, index));
}

void HeadlessDriver::tick(std::string_view equate, bool on) {
  Lock lock(mutex_);
  const std::string action = std::string(on ? "tick " : "clear ") + std::string(equate);
  Control& control = requireUsable(lock, action, equate);
  if (control.kind() != ControlKind::Check) failLocked(lock, "cannot " + action + ": it is not a check box");
  transcript_.push_back("tick " + control.equate() + (on ? " on" : " off"));
  if (control.ticked() == on) return;
  deliver(lock, clicked(control, on ? 1 : 0));
}

void HeadlessDriver::press(std::string_view equate) {
  Lock lock(mutex_);
  const std::string action = "press " + std::string(equate);
  Control& control = requireUsable(lock, action, equate);
  transcript_.push_back("press " + control.equate());
  deliver(lock, clicked(control));
}

void HeadlessDriver::key(std::string_view name) {
  Lock lock(mutex_);
  const auto key = keyFromName(name);
  if (!key) failLocked(lock, "there is no key " + quote(name));
  Window& window = requireWindow(lock, "press the key " + std::string(name));
  transcript_.push_back("key " + std::string(keyName(*key)));
  // Keys that work a field's text have nothing to work here: text is typed
  // whole with type().
  deliver(lock, keyMeaning(window, window.focus(), *key).events);
}

void HeadlessDriver::highlight(std::string_view listEquate, int row) {
  Lock lock(mutex_);
  const std::string action = "highlight row " + std::to_string(row) + " of " + std::string(listEquate);
  Control& list = requireUsable(lock, action, listEquate);
  if (list.kind() != ControlKind::List || !list.model())
    failLocked(lock, "cannot " + action + ": it is not a list");
  if (row < 0 || row >= list.model()->rowCount())
    failLocked(lock, "cannot " + action + ": it shows " + std::to_string(list.model()->rowCount()) + " rows");
  transcript_.push_back("highlight " + list.equate() + " " + std::to_string(row));
  deliver(lock, clicked(list, row));
}

void HeadlessDriver::clickCell(std::string_view listEquate, int row, int column) {
  Lock lock(mutex_);
  const std::string action =
      "click cell " + std::to_string(row) + "," + std::to_string(column) + " of " + std::string(listEquate);
  Control& list = requireUsable(lock, action, listEquate);
  if (list.kind() != ControlKind::List || !list.model())
    failLocked(lock, "cannot " + action + ": it is not a list");
  if (row < 0 || row >= list.model()->rowCount() || column < 0 || column >= list.model()->columnCount())
    failLocked(lock, "cannot " + action + ": no such cell");
  transcript_.push_back("click " + list.equate() + " " + std::to_string(row) + "," + std::to_string(column));
  std::vector<Event> events = focusGiven(list);
  for (Event& event : cellClicked(list, row, column)) events.push_back(std::move(event));
  deliver(lock, std::move(events));
}

void HeadlessDriver::scroll(std::string_view listEquate, int rows) {
  Lock lock(mutex_);
  const std::string action = "scroll " + std::string(listEquate);
  Control& list = requireUsable(lock, action, listEquate);
  if (list.kind() != ControlKind::List || !list.model())
    failLocked(lock, "cannot " + action + ": it is not a list");
  transcript_.push_back("scroll " + list.equate() + " " + std::to_string(rows));
  Event moved = Event::field(EventKind::Scroll, list);
  moved.index = rows;
  deliver(lock, {moved});
}

void HeadlessDriver::sortBy(std::string_view listEquate, std::string_view column) {
  Lock lock(mutex_);
  const std::string action = "sort " + std::string(listEquate) + " by " + quote(column);
  Control& list = requireUsable(lock, action, listEquate);
  if (list.kind() != ControlKind::List || !list.model())
    failLocked(lock, "cannot " + action + ": it is not a list");
  std::string headers;
  for (int c = 0; c < list.model()->columnCount(); ++c) {
    const std::string header = list.listColumn(c).header;
    if (equalsIgnoreCase(trim(header), trim(column))) {
      transcript_.push_back("sort " + list.equate() + " " + quote(header));
      Event clicked = Event::field(EventKind::HeaderClicked, list);
      clicked.index = c;
      deliver(lock, {clicked});
      return;
    }
    headers += (headers.empty() ? "" : ", ") + quote(header);
  }
  failLocked(lock, "cannot " + action + ": its columns are " + headers);
}

void HeadlessDriver::drop(std::vector<std::string> files, std::string_view equate) {
  Lock lock(mutex_);
  requireWindow(lock, "drop files");
  std::string line = "drop";
  if (!equate.empty()) line += " on " + std::string(equate);
  for (const auto& f : files) line += " " + quote(f);
  Event event = equate.empty() ? Event::window(EventKind::Drop)
                               : Event::field(EventKind::Drop, requireUsable(lock, "drop files", equate));
  event.files = std::move(files);
  transcript_.push_back(std::move(line));
  deliver(lock, {event});
}

void HeadlessDriver::popup(std::string_view equate) {
  Lock lock(mutex_);
  Control& control = requireUsable(lock, "open the menu of " + std::string(equate), equate);
  transcript_.push_back("popup " + control.equate());
  deliver(lock, {Event::field(EventKind::PopupMenu, control)});
}

void HeadlessDriver::closeWindow() {
  Lock lock(mutex_);
  requireWindow(lock, "close the window");
  transcript_.push_back("close");
  deliver(lock, {Event::window(EventKind::CloseWindow)});
}

void HeadlessDriver::holdTimers(bool held) {
  Lock lock(mutex_);
  timersHeld_ = held;
  // A window whose timer was held runs on now, until it is idle again.
  if (!held && phase_ == Phase::Waiting && waitingIn_ && waitingIn_->timer() > 0) {
    phase_ = Phase::Busy;
    changed_.notify_all();
    waitIdle(lock);
  }
}

void HeadlessDriver::runTimer(int times) {
  for (int i = 0; i < times; ++i) {
    Lock lock(mutex_);
    Window& window = requireWindow(lock, "run the timer");
    if (window.timer() <= 0) failLocked(lock, "window " + quote(window.title()) + " has no timer running");
    transcript_.push_back("timer");
    deliver(lock, {Event::window(EventKind::Timer)});
  }
}

void HeadlessDriver::expectWindow(std::string_view title) {
  Lock lock(mutex_);
  Window& window = requireWindow(lock, "find the window " + quote(title));
  if (window.title() != title)
    failLocked(lock, "expected the window " + quote(title) + ", but the procedure waits in " +
                         quote(window.title()));
}

bool HeadlessDriver::hasDialog() {
  Lock lock(mutex_);
  return phase_ == Phase::InDialog;
}

const PendingDialog& HeadlessDriver::requireDialog(Lock& lock, std::string_view action) {
  if (phase_ == Phase::InDialog && dialog_) return *dialog_;
  if (phase_ == Phase::Waiting && waitingIn_)
    failLocked(lock, "expected a dialog to " + std::string(action) +
                         ", but the procedure waits in the window " + quote(waitingIn_->title()));
  if (phase_ == Phase::Finished)
    failLocked(lock, "expected a dialog to " + std::string(action) + ", but the procedure has finished");
  failLocked(lock, "expected a dialog to " + std::string(action) + ", but there is none");
}

const PendingDialog& HeadlessDriver::dialog() {
  Lock lock(mutex_);
  return requireDialog(lock, "look at");
}

MessageRequest HeadlessDriver::messageBox() {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "read");
  if (pending.kind != DialogKind::Message)
    failLocked(lock, "expected a message box, but " + describePending() + " is up");
  return pending.message;
}

MessageRequest HeadlessDriver::expectMessage(std::string_view title, std::optional<std::string_view> text) {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "read");
  const std::string wanted = "the message box " + quote(title) + (text ? " " + quote(*text) : std::string());
  if (pending.kind != DialogKind::Message)
    failLocked(lock, "expected " + wanted + ", but " + describePending() + " is up");
  if (pending.message.title != title || (text && pending.message.text != *text))
    failLocked(lock, "expected " + wanted + ", but " + describePending() + " is up");
  return pending.message;
}

void HeadlessDriver::giveAnswer(Lock& lock, Answer answer, std::string line) {
  transcript_.push_back(std::move(line));
  answer_ = std::move(answer);
  phase_ = Phase::Busy;
  changed_.notify_all();
  waitIdle(lock);
}

void HeadlessDriver::answer(std::string_view caption) {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "answer " + quote(caption));
  std::vector<std::string> options;
  if (pending.kind == DialogKind::Message)
    options = pending.message.buttonCaptions();
  else if (pending.kind == DialogKind::Popup)
    options = pending.popup.itemTexts();
  else
    failLocked(lock, "cannot answer " + describePending() + " with " + quote(caption));
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (!sameCaption(options[i], caption)) continue;
    Answer a;
    a.index = static_cast<int>(i) + 1;
    giveAnswer(lock, std::move(a), "answer " + quote(options[i]));
    return;
  }
  failLocked(lock, "cannot answer " + describePending() + " with " + quote(caption) + ": it offers " +
                       (pending.kind == DialogKind::Message ? pending.message.buttons : pending.popup.items));
}

void HeadlessDriver::answer(int index) {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "answer " + std::to_string(index));
  std::vector<std::string> options;
  if (pending.kind == DialogKind::Message)
    options = pending.message.buttonCaptions();
  else if (pending.kind == DialogKind::Popup)
    options = pending.popup.itemTexts();
  else
    failLocked(lock, "cannot answer " + describePending() + " with a number");
  if (index < 1 || index > static_cast<int>(options.size()))
    failLocked(lock, "cannot answer " + describePending() + " with " + std::to_string(index) + ": it has " +
                         std::to_string(options.size()) + " choices");
  Answer a;
  a.index = index;
  giveAnswer(lock, std::move(a), "answer " + quote(options[static_cast<std::size_t>(index - 1)]));
}

void HeadlessDriver::answerFiles(std::vector<std::filesystem::path> files) {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "choose files");
  const bool takesFiles = pending.kind == DialogKind::OpenFiles || pending.kind == DialogKind::SaveFile ||
                          pending.kind == DialogKind::SendTo;
  if (!takesFiles) failLocked(lock, "cannot answer " + describePending() + " with files");
  if (files.empty())
    failLocked(lock, "cannot answer " + describePending() + " with no file; cancel it instead");
  if (pending.kind != DialogKind::OpenFiles && files.size() > 1)
    failLocked(lock, "cannot answer " + describePending() + " with several files");
  if (pending.kind == DialogKind::OpenFiles && !pending.file.multiple && files.size() > 1)
    failLocked(lock, "cannot choose several files in " + describePending());
  std::string line = "answer files";
  for (const auto& f : files) line += " " + quote(f.string());
  Answer a;
  a.files = std::move(files);
  giveAnswer(lock, std::move(a), std::move(line));
}

void HeadlessDriver::answerDate(Date date) {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "choose a date");
  if (pending.kind != DialogKind::Calendar)
    failLocked(lock, "cannot answer " + describePending() + " with a date");
  Answer a;
  a.date = date;
  giveAnswer(lock, std::move(a), "answer date " + dateText(date));
}

void HeadlessDriver::answerPrint() {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "print");
  if (pending.kind != DialogKind::SendTo) failLocked(lock, "cannot print from " + describePending());
  Answer a;
  a.print = true;
  giveAnswer(lock, std::move(a), "answer print");
}

void HeadlessDriver::cancelDialog() {
  Lock lock(mutex_);
  const PendingDialog& pending = requireDialog(lock, "cancel");
  if (pending.kind == DialogKind::Message)
    failLocked(lock,
               "a message box cannot be cancelled; answer one of its buttons: " + pending.message.buttons);
  Answer a;
  a.cancelled = true;
  giveAnswer(lock, std::move(a), "answer cancel");
}

bool HeadlessDriver::finished() {
  Lock lock(mutex_);
  return phase_ == Phase::Finished;
}

bool HeadlessDriver::running() {
  Lock lock(mutex_);
  return phase_ == Phase::Busy || phase_ == Phase::Waiting || phase_ == Phase::InDialog;
}

void HeadlessDriver::expectFinished() {
  Lock lock(mutex_);
  if (phase_ == Phase::Finished) {
    if (!failure_.empty()) failLocked(lock, "the procedure ended with an exception: " + failure_);
    return;
  }
  if (phase_ == Phase::InDialog)
    failLocked(lock, "expected the procedure to finish, but " + describePending() + " is up");
  if (phase_ == Phase::Waiting && waitingIn_)
    failLocked(lock,
               "expected the procedure to finish, but it waits in the window " + quote(waitingIn_->title()));
  failLocked(lock, "expected the procedure to finish, but no procedure was called");
}

int HeadlessDriver::response() {
  expectFinished();
  Lock lock(mutex_);
  return response_;
}

std::vector<std::string> HeadlessDriver::transcript() {
  Lock lock(mutex_);
  return transcript_;
}

std::string HeadlessDriver::transcriptText() {
  Lock lock(mutex_);
  std::string text;
  for (const auto& line : transcript_) text += line + "\n";
  return text;
}

void HeadlessDriver::note(std::string line) {
  Lock lock(mutex_);
  transcript_.push_back(std::move(line));
}

}  // namespace crv::ui
