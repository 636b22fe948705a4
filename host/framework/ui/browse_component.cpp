// A list over a table in a window.
#include "host/framework/ui/browse_component.h"

#include "host/framework/services/global_request.h"
#include "host/framework/ui/control.h"
#include "host/framework/ui/front_end.h"
#include "host/framework/ui/window_manager.h"
#include "host/framework/values/text.h"

namespace crv::ui {

BrowseComponent::BrowseComponent(BrowseClass& browse, std::string listEquate, Buttons buttons)
    : browse_(&browse), listEquate_(std::move(listEquate)), buttons_(std::move(buttons)) {}

BrowseComponent& BrowseComponent::setLocator(std::string entryEquate) {
  locatorEquate_ = std::move(entryEquate);
  return *this;
}

BrowseComponent& BrowseComponent::setSortTabs(std::string sheetEquate) {
  sortTabsEquate_ = std::move(sheetEquate);
  return *this;
}

Control* BrowseComponent::find(WindowManager& manager, const std::string& equate) const {
  return equate.empty() ? nullptr : &manager.window().control(equate);
}

bool BrowseComponent::usable(const Control* button) const {
  return button && button->isVisible() && button->isEnabled();
}

void BrowseComponent::reset(WindowManager& manager) {
  if (started_) {
    browse_->refresh();
    return;
  }
  // Controls are looked up once the window is built, so that a procedure
  // may add the component before its controls.
  list_ = find(manager, listEquate_);
  if (!list_->model()) list_->setModel(browse_);
  insert_ = find(manager, buttons_.insert);
  change_ = find(manager, buttons_.change);
  remove_ = find(manager, buttons_.remove);
  view_ = find(manager, buttons_.view);
  select_ = find(manager, buttons_.select);
  locator_ = find(manager, locatorEquate_);
  sortTabs_ = find(manager, sortTabsEquate_);
  if (insert_) manager.window().alert(Key::Insert);
  if (remove_) manager.window().alert(Key::Delete);
  started_ = true;
  browse_->init(manager.request() == SelectRecord);
  if (select_) select_->setHidden(!browse_->selectMode());
}

void BrowseComponent::kill(WindowManager& /*manager*/) {
  started_ = false;
  list_ = insert_ = change_ = remove_ = view_ = select_ = locator_ = sortTabs_ = nullptr;
}

Level BrowseComponent::ask(WindowManager& manager, int request) {
  browse_->ask(request);
  manager.window().touch();
  return Level::Notify;
}

Level BrowseComponent::choose(WindowManager& manager) {
  if (!browse_->chooseHighlighted()) {
    // The row went away under the list (another station deleted it).
    browse_->refresh();
    return Level::Notify;
  }
  manager.complete(RequestCompleted);
  return Level::Notify;
}

void BrowseComponent::sortBy(WindowManager& manager, int order) {
  if (order < 0 || order >= browse_->sortCount() || order == browse_->currentSort()) return;
  if (sortTabs_) sortTabs_->choose(order);
  if (locator_ && locator_->binding().bound())
    locator_->binding().clear();
  else if (locator_)
    locator_->setText({});
  browse_->setSort(order);
  manager.window().touch();
}

Level BrowseComponent::takeEvent(WindowManager& manager, const Event& event) {
  if (!started_) return Level::Benign;
  Control* control = event.control;
  switch (event.kind) {
    case EventKind::Accepted:
      if (!control) return Level::Benign;
      if (control == select_ && usable(select_)) return choose(manager);
      if (control == insert_ && usable(insert_)) return ask(manager, InsertRecord);
      if (control == change_ && usable(change_)) return ask(manager, ChangeRecord);
      if (control == remove_ && usable(remove_)) return ask(manager, DeleteRecord);
      if (control == view_ && usable(view_)) return ask(manager, ViewRecord);
      if (control == list_) {
        if (browse_->selectMode()) return choose(manager);
        if (usable(change_)) return ask(manager, ChangeRecord);
        if (usable(view_)) return ask(manager, ViewRecord);
        return Level::Benign;
      }
      if (control == locator_) browse_->locate(trim(locator_->shown()));
      return Level::Benign;
    case EventKind::NewSelection:
      if (control && control == locator_) browse_->locate(trim(locator_->shown()));
      if (control && control == sortTabs_) sortBy(manager, sortTabs_->currentTab());
      return Level::Benign;
    case EventKind::HeaderClicked:
      if (control == list_) sortBy(manager, browse_->sortForColumn(event.index));
      return Level::Benign;
    case EventKind::PopupMenu:
      if (control == list_ && frontEnd().popupMenu({sendToItem}) == 1)
        frontEnd().sendTo({manager.window().title(), browse_});
      return Level::Benign;
    case EventKind::AlertKey:
      if (control != list_) return Level::Benign;
      if (event.key == Key::Insert && usable(insert_)) return ask(manager, InsertRecord);
      if (event.key == Key::Delete && usable(remove_)) return ask(manager, DeleteRecord);
      return Level::Benign;
    default:
      return Level::Benign;
  }
}

}  // namespace crv::ui
