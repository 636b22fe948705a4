// The window manager: the life of a procedure's window.
#include "host/framework/ui/window_manager.h"

#include "host/framework/services/error_class.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/relation_manager.h"
#include "host/framework/ui/change_history.h"
#include "host/framework/ui/error_reporter.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/list_model.h"
#include "host/framework/ui/type_ahead.h"
#include "host/framework/values/text.h"

namespace crv::ui {
namespace {

// The name a control's value goes by in the history and type-ahead:
// its equate without the leading '?'.
std::string fieldName(std::string_view equate) {
  if (!equate.empty() && equate.front() == '?') equate.remove_prefix(1);
  return std::string(equate);
}

}  // namespace

WindowManager::WindowManager(std::string procedureName) : name_(std::move(procedureName)) {
  request_ = GlobalRequest;
  // A request is meant for one call; a procedure this one calls must not
  // take it for its own.
  GlobalRequest = 0;
  ErrorClass* errors = errorReporter();
  previousName_ = errors->procedureName();
  errors->setProcedureName(name_);
}

WindowManager::~WindowManager() { restoreProcedureName(); }

void WindowManager::restoreProcedureName() {
  // The caller's errors are reported under the caller's name again.
  if (nameRestored_) return;
  nameRestored_ = true;
  errorReporter()->setProcedureName(previousName_);
}

void WindowManager::complete(int response) {
  response_ = response;
  closing_ = true;
}

void WindowManager::keepOpen() {
  closing_ = false;
  response_ = insertedAny_ ? RequestCompleted : RequestCancelled;
}

void WindowManager::addTable(Table& table, bool isPrimary) {
  tables_.push_back(&table);
  if (isPrimary) primary_ = &table;
}

void WindowManager::recordHistory(std::initializer_list<std::string_view> equates) {
  for (auto equate : equates) historyFields_.emplace_back(equate);
}

void WindowManager::checkSpelling(std::initializer_list<std::string_view> equates) {
  for (auto equate : equates) spellFields_.emplace_back(equate);
}

void WindowManager::useTypeAhead(std::string section, std::initializer_list<std::string_view> equates) {
  for (auto equate : equates) typeAheadSections_[toUpperAscii(equate)] = section;
}

std::string WindowManager::typeAheadSection(const Control& control) const {
  auto it = typeAheadSections_.find(toUpperAscii(control.equate()));
  return it == typeAheadSections_.end() ? std::string() : it->second;
}

void WindowManager::addHandler(EventKind kind, std::string_view equate, Handler handler) {
  handlers_[{kind, toUpperAscii(equate)}].push_back(std::move(handler));
}

Level WindowManager::runHandlers(EventKind kind, const Control& control) {
  auto it = handlers_.find({kind, toUpperAscii(control.equate())});
  if (it == handlers_.end()) return Level::Benign;
  for (auto& handler : it->second) {
    const Level level = handler();
    if (level != Level::Benign) return level;
  }
  return Level::Benign;
}

void WindowManager::resetComponents() {
  for (WindowComponent* component : components_) component->reset(*this);
}

int WindowManager::run() {
  errorReporter()->setProcedureName(name_);
  nameRestored_ = false;
  try {
    if (init()) eventLoop();
  } catch (...) {
    kill();
    throw;
  }
  kill();
  return response_;
}

bool WindowManager::init() {
  response_ = RequestCancelled;
  for (Table* table : tables_) {
    if (table->open() != TableStatus::Ok) {
      errorReporter()->reportTableError(table->lastError(), TableOp::Opening);
      return false;
    }
    opened_.push_back(table);
  }
  if (request_ == InsertRecord && primary_ && !primeRecord()) return false;
  if ((request_ == ChangeRecord || request_ == DeleteRecord) && primary_) positionOnRecord();
  snapshotHistory();
  if (auto title = titles_.find(request_); title != titles_.end()) window_.setTitle(title->second);
  window_.alert(Key::F1);
  window_.alert(Key::F2);
  window_.alert(Key::F7);
  for (const auto& [equate, section] : typeAheadSections_)
    if (Control* control = window_.find(equate)) control->setTypeAhead(section, fieldName(control->equate()));
  if (opening() == Level::Fatal) return false;
  frontEnd().openWindow(window_);
  windowOpen_ = true;
  return true;
}

bool WindowManager::primeRecord() {
  primary_->buffer().clear();
  if (primary_->def().autoNumberField() >= 0) {
    if (primary_->primeAutoInc() != TableStatus::Ok) {
      // A table without a reporter of its own leaves the report to us.
      if (!primary_->errorReporter())
        errorReporter()->reportTableError(primary_->lastError(), TableOp::Autoincrementing);
      return false;
    }
  }
  primeFields();
  return true;
}

void WindowManager::positionOnRecord() {
  // The caller usually read the record through this table, which is then
  // positioned on it. When it was not (the buffer filled some other way),
  // the row is found by the table's unique key; the buffer keeps what the
  // caller put in it.
  if (primary_->currentRow() != 0) return;
  for (const KeyDef* key : primary_->def().keys()) {
    if (!key->unique) continue;
    auto kept = primary_->def().newRecord();
    kept->copyFrom(primary_->buffer());
    if (primary_->fetch(*key) == TableStatus::Ok) primary_->buffer().copyFrom(*kept);
    return;
  }
}

void WindowManager::eventLoop() {
  closing_ = false;
  for (WindowComponent* component : components_) component->reset(*this);
  if (takeEvent(Event::window(EventKind::OpenWindow)) == Level::Fatal) takeCancelled();
  while (!closing_) {
    Event event = window_.hasPosted() ? window_.takePosted() : frontEnd().nextEvent(window_);
    if (takeEvent(event) == Level::Fatal) takeCancelled();
  }
}

void WindowManager::kill() {
  for (WindowComponent* component : components_) component->kill(*this);
  closing();
  // An insert that was never completed gives its reserved number back.
  if (primary_ && primary_->isOpen() && primary_->isPrimed()) primary_->cancelAutoInc();
  if (windowOpen_) {
    windowOpen_ = false;
    frontEnd().closeWindow(window_);
  }
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
  GlobalResponse = response_;
  restoreProcedureName();
}

Level WindowManager::takeEvent(const Event& event) {
  if (Control* control = event.control) {
    const bool input = event.kind == EventKind::Accepted || event.kind == EventKind::NewSelection;
    if (input && event.input) {
      if (!control->takeInput(*event.input)) {
        Event rejected = event;
        rejected.kind = EventKind::Rejected;
        rejected.input.reset();
        return takeEvent(rejected);
      }
      if (event.kind == EventKind::Accepted) {
        const std::string section = typeAheadSection(*control);
        if (!section.empty()) typeAhead().remember(section, fieldName(control->equate()), control->shown());
      }
    } else if (input && event.index >= 0) {
      if (control->kind() == ControlKind::List) {
        if (control->model()) control->model()->select(event.index);
      } else if (control->kind() != ControlKind::Button) {
        control->choose(event.index);
      }
    }
    if (event.kind == EventKind::Scroll && control->model()) {
      ListModel& list = *control->model();
      if (event.index == Event::kScrollToFirst)
        list.home();
      else if (event.index == Event::kScrollToLast)
        list.end();
      else
        list.scroll(event.index);
      Event moved = event;
      moved.kind = EventKind::NewSelection;
      moved.index = -1;
      return takeEvent(moved);
    }
    if (event.kind == EventKind::Selected) window_.select(*control);
  }
  for (WindowComponent* component : components_) {
    const Level level = component->takeEvent(*this, event);
    if (level != Level::Benign) return level;
  }
  return event.control ? takeFieldEvent(event) : takeWindowEvent(event);
}

Level WindowManager::takeFieldEvent(const Event& event) {
  Control& control = *event.control;
  switch (event.kind) {
    case EventKind::Accepted:
      return takeAccepted(control);
    case EventKind::Selected:
      return takeSelected(control);
    case EventKind::NewSelection:
      return takeNewSelection(control);
    case EventKind::Rejected:
      return takeRejected(control);
    case EventKind::PopupMenu:
      return takePopupMenu(control);
    case EventKind::Drop:
      return takeDrop(event.files, &control);
    case EventKind::AlertKey:
      return takeAlertKey(event.key, &control);
    default:
      return runHandlers(event.kind, control);
  }
}

Level WindowManager::takeWindowEvent(const Event& event) {
  switch (event.kind) {
    case EventKind::OpenWindow:
      if (!window_.focus()) {
        if (Control* first = window_.firstFocusable()) window_.select(*first);
      }
      return Level::Benign;
    case EventKind::CloseWindow:
    case EventKind::Cancelled:
      return takeCancelled();
    case EventKind::Completed:
      return takeCompleted();
    case EventKind::Timer:
      return takeTimer();
    case EventKind::Drop:
      return takeDrop(event.files, nullptr);
    case EventKind::AlertKey:
      return takeAlertKey(event.key, window_.focus());
    default:
      return Level::Benign;
  }
}

Level WindowManager::takeAccepted(Control& control) {
  const Level level = runHandlers(EventKind::Accepted, control);
  if (level != Level::Benign) return level;
  return control.kind() == ControlKind::Button ? takeRole(control) : Level::Benign;
}

Level WindowManager::takeSelected(Control& control) { return runHandlers(EventKind::Selected, control); }

Level WindowManager::takeNewSelection(Control& control) {
  return runHandlers(EventKind::NewSelection, control);
}

Level WindowManager::takeRejected(Control& control) {
  const Level level = runHandlers(EventKind::Rejected, control);
  if (level != Level::Benign) return level;
  frontEnd().beep(Sound::Default);
  window_.select(control);
  return Level::Notify;
}

Level WindowManager::takeAlertKey(Key key, Control* focus) {
  switch (key) {
    case Key::F1:
      if (window_.help().empty()) return Level::Benign;
      frontEnd().showHelp(window_.help());
      return Level::Notify;
    case Key::F2:
      if (focus && focus->lookupButton() && focus->lookupButton()->isVisible() &&
          focus->lookupButton()->isEnabled()) {
        window_.post(EventKind::Accepted, focus->lookupButton());
        return Level::Notify;
      }
      return Level::Benign;
    case Key::F7:
      return spellCheck();
    default:
      return Level::Benign;
  }
}

Level WindowManager::takeRole(Control& button) {
  switch (button.role()) {
    case ButtonRole::Ok:
      return takeCompleted();
    case ButtonRole::Cancel:
    case ButtonRole::Close:
      return takeCancelled();
    case ButtonRole::Help:
      if (!window_.help().empty()) frontEnd().showHelp(window_.help());
      return Level::Benign;
    case ButtonRole::Calendar:
      return button.serves() ? pickDate(*button.serves()) : Level::Benign;
    default:
      return Level::Benign;
  }
}

Level WindowManager::pickDate(Control& entry) {
  CalendarRequest request;
  if (entry.binding().bound() && entry.binding().kind() == FieldKind::Date)
    request.initial = Date::fromDay(static_cast<std::int32_t>(entry.binding().fieldRef()->integer()));
  const auto chosen = frontEnd().selectDate(request);
  window_.select(entry);
  if (!chosen) return Level::Benign;
  if (entry.binding().bound() && entry.binding().kind() == FieldKind::Date)
    entry.binding().setPlain(std::to_string(chosen->day()));
  else
    entry.takeInput(Picture::parse("@d2").formatTrimmed(*chosen));
  return takeAccepted(entry);
}

Level WindowManager::spellCheck() {
  SpellCheckRequest request;
  std::vector<Control*> fields;
  for (const std::string& equate : spellFields_) {
    Control* control = window_.find(equate);
    if (!control || !control->isVisible() || !control->isEnabled() || control->readOnly()) continue;
    fields.push_back(control);
    request.items.push_back({control->equate(), control->shown()});
  }
  if (fields.empty()) return Level::Benign;
  const auto corrected = frontEnd().checkSpelling(request);
  for (std::size_t i = 0; i < fields.size() && i < corrected.size(); ++i)
    if (corrected[i] != request.items[i].text) fields[i]->takeInput(corrected[i]);
  return Level::Notify;
}

Level WindowManager::acceptAll() {
  acceptingAll_ = true;
  Level result = Level::Benign;
  for (const auto& owned : window_.controls()) {
    Control& control = *owned;
    if (!control.isEntryLike() || !control.isShown() || !control.isEnabled()) continue;
    const Level level = takeAccepted(control);
    if (level != Level::Benign) {
      if (level == Level::Notify) window_.select(control);
      result = level;
      break;
    }
  }
  acceptingAll_ = false;
  if (result != Level::Benign) return result;
  for (const auto& owned : window_.controls()) {
    Control& control = *owned;
    if (control.required() && control.isEntryLike() && control.isShown() && control.isEnabled() &&
        clip(control.shown()).empty()) {
      frontEnd().beep(Sound::Default);
      window_.select(control);
      return Level::Notify;
    }
  }
  return Level::Benign;
}

Level WindowManager::takeCompleted() {
  if (request_ == ViewRecord) {
    complete(insertedAny_ ? RequestCompleted : RequestCancelled);
    return Level::Notify;
  }
  if (request_ != DeleteRecord) {
    const Level accepted = acceptAll();
    if (accepted != Level::Benign) return accepted;
    const Level valid = validate();
    if (valid != Level::Benign) return valid;
  }
  const Level level = write();
  if (level == Level::Benign) written();
  return level == Level::Benign ? Level::Notify : level;
}

Level WindowManager::write() {
  const bool writes =
      primary_ && (request_ == InsertRecord || request_ == ChangeRecord || request_ == DeleteRecord);
  if (!writes) {
    complete(RequestCompleted);
    return Level::Benign;
  }
  switch (request_) {
    case InsertRecord:
      if (primary_->tryInsert() != TableStatus::Ok) {
        errorReporter()->reportTableError(primary_->lastError(), TableOp::Inserting);
        return Level::Notify;
      }
      insertedAny_ = true;
      response_ = RequestCompleted;
      if (repetitiveInsert_) {
        if (!primeRecord()) {
          complete(RequestCompleted);
          return Level::Benign;
        }
        snapshotHistory();
        resetComponents();
        if (Control* first = window_.firstFocusable()) window_.select(*first);
        return Level::Benign;
      }
      complete(RequestCompleted);
      return Level::Benign;
    case ChangeRecord:
      if (primary_->tryUpdate() != TableStatus::Ok) {
        errorReporter()->reportTableError(primary_->lastError(), TableOp::Saving);
        return Level::Notify;
      }
      writeHistory();
      complete(RequestCompleted);
      return Level::Benign;
    default: {
      const int answer = message("Are you sure you want to delete this record?", "Confirm Delete",
                                 Icon::Question, "&Yes|&No", 2);
      if (answer != 1) {
        complete(RequestCancelled);
        return Level::Notify;
      }
      if (RelationManager::removeWithDependents(*primary_, true) != TableStatus::Ok) {
        errorReporter()->reportTableError(RuntimeErrors::current(), TableOp::Deleting);
        return Level::Notify;
      }
      complete(RequestCompleted);
      return Level::Benign;
    }
  }
}

Level WindowManager::takeCancelled() {
  if (primary_ && primary_->isOpen() && primary_->isPrimed()) primary_->cancelAutoInc();
  complete(insertedAny_ ? RequestCompleted : RequestCancelled);
  return Level::Notify;
}

void WindowManager::snapshotHistory() {
  historyBefore_.clear();
  for (const std::string& equate : historyFields_) {
    const Control* control = window_.find(equate);
    historyBefore_.push_back(control ? control->shown() : std::string());
  }
}

void WindowManager::writeHistory() {
  for (std::size_t i = 0; i < historyFields_.size() && i < historyBefore_.size(); ++i) {
    const Control* control = window_.find(historyFields_[i]);
    if (!control) continue;
    const std::string now = control->shown();
    if (now != historyBefore_[i])
      changeHistory().record(name_, fieldName(historyFields_[i]), historyBefore_[i], now);
  }
}

}  // namespace crv::ui
