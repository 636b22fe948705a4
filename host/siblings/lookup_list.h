// The window of a sibling module's lookup list: a list over one table with
// a locator entry, its sort orders on tabs when it has several, and Select
// and Cancel when it was called to choose a row.
//
// The list comes ready-made (columns, sort orders with their ranges) from
// the procedure, which may override the BrowseClass to fill computed
// columns. Called with GlobalRequest = SelectRecord, Select (or Enter or a
// double click on a row) leaves the highlighted record in the table's
// buffer and answers RequestCompleted; Cancel answers RequestCancelled. A
// list with no rows opens all the same, and Select then does nothing. A
// list told where to open (openAt) highlights that row, or the row after
// where it would be.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/framework/services/global_request.h"
#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

class LookupList : public ui::WindowManager {
 public:
  static constexpr int pageRows = 12;

  struct Titles {
    std::string list;    // outside selection: "Jobs"
    std::string select;  // when choosing: "Select a Job"
  };

  // `tabs` names the list's sort orders, one per order; a list with a
  // single order has no tabs.
  LookupList(std::string procedure, std::unique_ptr<ui::BrowseClass> browse, const Titles& titles,
             const std::vector<std::string>& tabs = {})
      : WindowManager(std::move(procedure)),
        browse_(std::move(browse)),
        component_(*browse_, "?Browse", buttons()) {
    addTable(browse_->table());
    window().setTitle(titles.list);
    setTitleFor(SelectRecord, titles.select);
    if (tabs.size() > 1) {
      ui::Control& sheet = window().add(ui::ControlKind::Sheet, "?Sorts");
      for (std::size_t i = 0; i < tabs.size(); ++i)
        window().add(ui::ControlKind::Tab, "?Sorts:Tab" + std::to_string(i + 1), tabs[i]).in(sheet);
      sheet.choose(0);
      component_.setSortTabs("?Sorts");
    }
    ui::Control& locator =
        window().addField("&Locate:", "?Locator", ui::Binding::local(locator_, "LOC:Locator")).setImmediate();
    window().addList("?Browse", browse_.get());
    window().addButton("?Select", "&Select").setDefault();
    window().addButton("?Close", request() == SelectRecord ? "Cancel" : "Close", ui::ButtonRole::Close);
    window().select(locator);
    component_.setLocator("?Locator");
    addComponent(component_);
  }

 protected:
  ui::BrowseClass& browse() { return *browse_; }
  // The list opens on the first row at or after `text` in the locator's
  // field of its first sort order; blank opens it at the top.
  void openAt(std::string text) { openAt_ = std::move(text); }

  ui::Level takeWindowEvent(const ui::Event& event) override {
    const ui::Level level = WindowManager::takeWindowEvent(event);
    if (event.kind == ui::EventKind::OpenWindow && !openAt_.empty()) browse_->locate(openAt_);
    return level;
  }

 private:
  static ui::BrowseComponent::Buttons buttons() {
    ui::BrowseComponent::Buttons b;
    b.select = "?Select";
    return b;
  }

  std::unique_ptr<ui::BrowseClass> browse_;
  ui::BrowseComponent component_;
  std::string locator_;
  std::string openAt_;
};

}  // namespace crv::siblings
