// Puts a list over a table into a window: the window's List control draws
// the BrowseClass through ListModel, its buttons call the form procedure,
// a locator entry positions the list, and a list procedure called to choose
// a row ends with the chosen record in the table's buffer.
//
// The component is added to the procedure's WindowManager, which hands it
// every event before the procedure's own handlers. On the window's opening
// it starts the list (choosing when the procedure was called with
// SelectRecord; the Select button shows only then); when the procedure asks
// its components for a fresh look it reloads the page around the
// highlighted row. Insert, Change, Delete and View buttons (and the Insert
// and Delete keys in the list) run BrowseClass::ask(); Select, or Enter or a
// double click on the list while choosing, completes the procedure with the
// highlighted row; outside selection a double click changes the row.
//
// Sort orders: a sheet whose tabs are the list's sort orders, one tab per
// order in the same order, sorts the list by the chosen tab. A click on a
// column's header sorts by the order that starts with the column's field
// (BrowseClass::sortForColumn), choosing its tab when there are tabs. A new
// order drops the locator's text, which belonged to the old order's field.
#pragma once

#include <string>

#include "host/framework/ui/browse_class.h"
#include "host/framework/ui/window_component.h"

namespace crv::ui {

class Control;

class BrowseComponent : public WindowComponent {
 public:
  // The list's pop-up menu item that hands the rows to the send-to facility.
  static constexpr const char* sendToItem = "Send list contents to...";

  // Equates of the list's buttons; empty for a button the window lacks.
  struct Buttons {
    std::string insert;
    std::string change;
    std::string remove;
    std::string view;
    std::string select;
  };

  // `listEquate` names the window's List control.
  BrowseComponent(BrowseClass& browse, std::string listEquate, Buttons buttons = {});

  // An entry whose text, as typed or when completed, locates the list.
  BrowseComponent& setLocator(std::string entryEquate);
  // A sheet whose tabs choose the list's sort orders.
  BrowseComponent& setSortTabs(std::string sheetEquate);

  BrowseClass& browse() { return *browse_; }

  Level takeEvent(WindowManager& manager, const Event& event) override;
  void reset(WindowManager& manager) override;
  void kill(WindowManager& manager) override;

 private:
  Control* find(WindowManager& manager, const std::string& equate) const;
  bool usable(const Control* button) const;
  Level ask(WindowManager& manager, int request);
  Level choose(WindowManager& manager);
  void sortBy(WindowManager& manager, int order);

  BrowseClass* browse_;
  std::string listEquate_;
  Buttons buttons_;
  std::string locatorEquate_;
  std::string sortTabsEquate_;
  bool started_ = false;
  Control* list_ = nullptr;
  Control* insert_ = nullptr;
  Control* change_ = nullptr;
  Control* remove_ = nullptr;
  Control* view_ = nullptr;
  Control* select_ = nullptr;
  Control* locator_ = nullptr;
  Control* sortTabs_ = nullptr;
};

}  // namespace crv::ui
