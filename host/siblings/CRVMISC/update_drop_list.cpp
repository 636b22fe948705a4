// The values of a drop-down list.
#include "host/siblings/CRVMISC/update_drop_list.h"

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

constexpr int pageRows = 12;

std::unique_ptr<ui::BrowseClass> valueList(const std::string& fieldName) {
  auto list = std::make_unique<ui::BrowseClass>(DropList, pageRows);
  list->addColumn("Value", "FieldValue", "@s50");
  list->addColumn("Added", "DateAdded", "@d2b");
  list->addColumn("By", "UserID", "@s3");
  list->addSort(ui::BrowseSort(DropListRecord::KeyFieldValue, "by Value").fix(fieldName));
  return list;
}

ui::BrowseComponent::Buttons selectButton() {
  ui::BrowseComponent::Buttons buttons;
  buttons.select = "?Select";
  return buttons;
}

}  // namespace

UpdateDropListWindow::UpdateDropListWindow()
    : WindowManager("UpdateDropList"),
      fieldName_(REPORTFILTER.str()),
      browse_(valueList(fieldName_)),
      component_(*browse_, "?Browse", selectButton()) {
  addTable(DropList);
  ui::Window& w = window();
  w.setTitle("Drop-Down List Values");
  setTitleFor(SelectRecord, "Select a Value");
  w.setHelp("html/PO_Enter_Purchase_Orders.htm", "purchasing_agent");
  w.addString("?FieldName", fieldName_);
  w.addList("?Browse", browse_.get());
  w.addField("&Value:", "?Value", ui::Binding::local(value_, "LOC:Value"), "@s50");
  w.addButton("?Add", "&Add");
  w.addButton("?Delete", "&Delete");
  w.addButton("?Select", "&Select").setDefault();
  w.addButton("?Close", request() == SelectRecord ? "Cancel" : "Close", ui::ButtonRole::Close);
  addComponent(component_);
  onAccepted("?Add", [this] { return add(); });
  onAccepted("?Delete", [this] { return remove(); });
}

UpdateDropListWindow::~UpdateDropListWindow() = default;

ui::Level UpdateDropListWindow::add() {
  const std::string value(trim(value_));
  if (value.empty() || fieldName_.empty()) {
    select("?Value");
    return ui::Level::Notify;
  }
  PrivateTable<DropListRecord> values(DropList);
  values.rec.FieldName = fieldName_;
  values.rec.FieldValue = value;
  if (!values.fetch(DropListRecord::KeyFieldValue)) {
    values.rec.UserID = UserID.view();
    values.rec.DateAdded = Date::today();
    if (values.table.tryInsert() != TableStatus::Ok) {
      message(values.table.lastError().describe() + " Inserting DropList", {}, Icon::Stop);
      return ui::Level::Notify;
    }
  }
  value_.clear();
  DPL.copyFrom(values.rec);
  browse_->resetFromBuffer();
  window().touch();
  select("?Value");
  return ui::Level::Notify;
}

ui::Level UpdateDropListWindow::remove() {
  if (!browse_->highlighted() || browse_->reloadSelected() != TableStatus::Ok) return ui::Level::Notify;
  if (message("Are you sure you want to delete \"" + DPL.FieldValue.str() + "\" from the list?",
              "Confirm Delete", Icon::Question, "&Yes|&No", 2) != 1)
    return ui::Level::Notify;
  if (DropList.tryRemove() != TableStatus::Ok)
    message(DropList.lastError().describe() + " Deleting DropList", {}, Icon::Stop);
  browse_->refresh();
  window().touch();
  return ui::Level::Notify;
}

}  // namespace crv::siblings

void UpdateDropList() { crv::siblings::UpdateDropListWindow().run(); }
