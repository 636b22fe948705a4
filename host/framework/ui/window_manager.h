// The window manager: the base of every procedure that runs a window.
//
// A procedure derives from WindowManager, builds its window (usually in its
// constructor), adds its tables, and overrides the handlers it needs (or
// registers handlers per control with onAccepted and friends). run() goes
// through the life of the window:
//
//   Init      (the constructor took the request from GlobalRequest, which
//             it cleared, and set the procedure's name on the error
//             reporter; the caller's name comes back when the window is
//             done), the tables
//             are opened; for an insert the primary record is cleared, its
//             auto-number primed (primeAutoInc) and primeFields() called;
//             for a change or delete the primary table is positioned on
//             the record in its buffer when the caller did not read it
//             through that table;
//             the title for the request is set; opening() runs; the window
//             opens through the front end.
//   Events    every event goes to takeEvent(): input is read into the
//             control's value first (typed text that does not fit the
//             picture becomes a Rejected event), window components see it,
//             then takeFieldEvent() (TakeAccepted, TakeSelected,
//             TakeNewSelection, TakeRejected) or takeWindowEvent().
//   OK        takeCompleted(): every shown, enabled entry-like control is
//             accepted once more with acceptingAll() true (handlers that
//             look records up skip their work then); a handler answering
//             Notify stops the OK and gets the focus; a required control
//             left blank stops it too; then validate(); then write() for
//             the request: insert, update, or, after the person confirms,
//             delete with the dependent rows. A failed write is reported
//             through the error reporter and the window stays open.
//             ViewRecord writes nothing; OK just closes.
//   Cancel    Cancel, Close, Escape or the close box; a primed insert is
//             cancelled (cancelAutoInc).
//   Kill      closing(), the window closes, the tables close, and
//             GlobalResponse is set: RequestCompleted when a record was
//             written (or a selection made), RequestCancelled otherwise.
//
// With repetitive insert on, a completed insert starts the form again with
// a fresh record; the response is RequestCompleted once any insert was
// written.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/framework/services/global_request.h"
#include "host/framework/table/table.h"
#include "host/framework/ui/level.h"
#include "host/framework/ui/window.h"
#include "host/framework/ui/window_component.h"

namespace crv::ui {

class WindowManager {
 public:
  explicit WindowManager(std::string procedureName);
  virtual ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // Runs the window to its end; answers the response (also left in
  // GlobalResponse).
  int run();

  const std::string& procedureName() const { return name_; }
  Window& window() { return window_; }
  const Window& window() const { return window_; }
  int request() const { return request_; }
  int response() const { return response_; }
  void setResponse(int response) { response_ = response; }
  // True while OK accepts every control once more.
  bool acceptingAll() const { return acceptingAll_; }
  bool repetitiveInsert() const { return repetitiveInsert_; }
  void setRepetitiveInsert(bool on) { repetitiveInsert_ = on; }
  Table* primary() const { return primary_; }

  // Leaves the event loop after the current event.
  void close() { closing_ = true; }
  // Sets the response and leaves.
  void complete(int response = RequestCompleted);
  // Takes back a completion of the current event: the window stays open
  // and answers as if this write had not happened (a write whose
  // surrounding transaction could not be committed).
  void keepOpen();
  void post(EventKind kind, Control* control = nullptr) { window_.post(kind, control); }
  void post(EventKind kind, std::string_view equate) { window_.post(kind, &window_.control(equate)); }
  Control& control(std::string_view equate) { return window_.control(equate); }
  void select(std::string_view equate) { window_.select(equate); }
  // Puts the focus on a control and ends the event there (Notify): the
  // answer of a handler that refused or corrected a field's value and keeps
  // the person on it.
  Level stayOn(std::string_view equate) {
    select(equate);
    return Level::Notify;
  }
  // Tells the window components to look afresh (after a called procedure).
  void resetComponents();

 protected:
  // Tables opened at Init and closed at Kill; the primary one is the record
  // the form edits.
  void addTable(Table& table, bool isPrimary = false);
  void addComponent(WindowComponent& component) { components_.push_back(&component); }
  void setTitleFor(int request, std::string title) { titles_[request] = std::move(title); }
  // Fields (by equate) whose changes go to the change history.
  void recordHistory(std::initializer_list<std::string_view> equates);
  // Text fields the spell checker (F7) reads.
  void checkSpelling(std::initializer_list<std::string_view> equates);
  // Fields whose typed values are remembered and offered again.
  void useTypeAhead(std::string section, std::initializer_list<std::string_view> equates);
  // The type-ahead section of a control, empty when it has none.
  std::string typeAheadSection(const Control& control) const;

  using Handler = std::function<Level()>;
  // Handlers for one control's events, run by the default takeAccepted
  // etc. before the control's standard role. A handler may return void
  // (Benign) or a Level.
  template <class F>
  void on(EventKind kind, std::string_view equate, F handler) {
    addHandler(kind, equate, wrap(std::move(handler)));
  }
  template <class F>
  void onAccepted(std::string_view equate, F handler) {
    on(EventKind::Accepted, equate, std::move(handler));
  }
  template <class F>
  void onNewSelection(std::string_view equate, F handler) {
    on(EventKind::NewSelection, equate, std::move(handler));
  }
  template <class F>
  void onSelected(std::string_view equate, F handler) {
    on(EventKind::Selected, equate, std::move(handler));
  }

  // Hooks of the life cycle.
  virtual Level opening() { return Level::Benign; }
  virtual void primeFields() {}
  virtual Level validate() { return Level::Benign; }
  virtual void written() {}  // after a successful write
  virtual void closing() {}

  // Event handling; overrides call the base for what they do not handle.
  virtual Level takeEvent(const Event& event);
  virtual Level takeFieldEvent(const Event& event);
  virtual Level takeWindowEvent(const Event& event);
  virtual Level takeAccepted(Control& control);
  virtual Level takeSelected(Control& control);
  virtual Level takeNewSelection(Control& control);
  virtual Level takeRejected(Control& control);
  virtual Level takeAlertKey(Key key, Control* focus);
  virtual Level takeTimer() { return Level::Benign; }
  virtual Level takeDrop(const std::vector<std::string>& /*files*/, Control* /*onto*/) {
    return Level::Benign;
  }
  virtual Level takePopupMenu(Control& /*control*/) { return Level::Benign; }
  virtual Level takeCompleted();
  virtual Level takeCancelled();
  // The write of the OK for the request.
  virtual Level write();

  // Clears the primary record, primes its auto-number and calls
  // primeFields(); false when the priming failed (reported).
  bool primeRecord();

 private:
  static Handler wrap(Handler handler) { return handler; }
  template <class F>
  static Handler wrap(F handler) {
    if constexpr (std::is_void_v<std::invoke_result_t<F&>>)
      return [h = std::move(handler)]() mutable {
        h();
        return Level::Benign;
      };
    else
      return Handler(std::move(handler));
  }
  void addHandler(EventKind kind, std::string_view equate, Handler handler);
  Level runHandlers(EventKind kind, const Control& control);
  Level takeRole(Control& button);
  Level pickDate(Control& entry);
  Level spellCheck();
  Level acceptAll();
  void positionOnRecord();
  void restoreProcedureName();
  void snapshotHistory();
  void writeHistory();
  bool init();
  void eventLoop();
  void kill();

  std::string name_;
  std::string previousName_;
  bool nameRestored_ = false;
  Window window_;
  int request_ = 0;
  int response_ = RequestCancelled;
  bool acceptingAll_ = false;
  bool repetitiveInsert_ = false;
  bool insertedAny_ = false;
  bool closing_ = false;
  bool windowOpen_ = false;
  Table* primary_ = nullptr;
  std::vector<Table*> tables_;
  std::vector<Table*> opened_;
  std::vector<WindowComponent*> components_;
  std::map<int, std::string> titles_;
  std::map<std::pair<EventKind, std::string>, std::vector<Handler>> handlers_;
  std::vector<std::string> historyFields_;
  std::vector<std::string> historyBefore_;
  std::vector<std::string> spellFields_;
  std::map<std::string, std::string> typeAheadSections_;  // upper-cased equate -> section
};

}  // namespace crv::ui
