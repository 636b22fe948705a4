// The editor of a limit's list values.
#include "host/siblings/CRVMISC/update_lim_list.h"

#include <algorithm>

#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_error.h"
#include "host/framework/values/text.h"

namespace crv::siblings {

using ui::Binding;
using ui::ButtonRole;
using ui::Level;

namespace {

// What a value is called in messages: the entry's prompt without its colon
// and hot-key mark.
std::string noun(const LimListKind& kind) {
  std::string name;
  for (char c : kind.prompt)
    if (c != '&' && c != ':') name += c;
  return std::string(trim(name));
}

}  // namespace

UpdateLimListWindow::UpdateLimListWindow(std::string owner, Id limitId, std::string listName,
                                         LimListKind kind)
    : WindowManager("UpdateLimList"),
      owner_(std::move(owner)),
      limitId_(limitId),
      listName_(std::move(listName)),
      kind_(std::move(kind)),
      rows_({"Value", "Description"}) {
  ui::Window& w = window();
  w.setTitle(kind_.title);
  w.setHelp("html/PO_Purchase_Order_Listing.htm", "list_values");
  ui::Control& entry = w.addField(kind_.prompt, "?Value", Binding::local(typed_, "LOC:Value"), kind_.picture);
  if (kind_.lookup) {
    w.addLookup(entry);
    onAccepted("?Value:Lookup", [this] { lookUp(); });
  }
  w.addList("?List", &rows_);
  w.addButton("?Add", "&Add").setDefault();
  w.addButton("?Delete", "&Delete");
  w.addButton("?Close", "&Close", ButtonRole::Close);
  w.addButton("?Help", "&Help", ButtonRole::Help);
  onAccepted("?Add", [this] { return add(); });
  onAccepted("?Delete", [this] { remove(); });
}

Level UpdateLimListWindow::opening() {
  load();
  select("?Value");
  return Level::Benign;
}

void UpdateLimListWindow::load() {
  rows_.clear();
  records_.clear();
  values_.clear();
  PrivateTable<LimListRecord> list(LimList);
  list.rec.Owner = owner_;
  list.rec.LimitID = limitId_;
  list.rec.ListName = listName_;
  const KeyDef& key = kind_.numeric ? LimListRecord::KeyNumeric : LimListRecord::KeyString;
  if (list.isOpen() && list.table.setRange(key, 3) == TableStatus::Ok) {
    while (list.table.next() == TableStatus::Ok) {
      LimListValue value{list.rec.TextValue.str(), list.rec.NumericValue};
      const auto [shown, description] =
          kind_.show ? kind_.show(value)
                     : std::pair<std::string, std::string>{
                           kind_.numeric ? std::to_string(value.number) : value.text, ""};
      rows_.addRow(std::vector<std::string>{shown, description});
      records_.push_back(list.rec.RecordID);
      values_.push_back(std::move(value));
    }
  }
  if (rows_.size() > 0) rows_.setCurrent(0);
  rows_.refresh();
  window().touch();
}

bool UpdateLimListWindow::contains(const LimListValue& value) const {
  return std::any_of(values_.begin(), values_.end(), [&](const LimListValue& v) {
    return kind_.numeric ? v.number == value.number : clip(v.text) == clip(value.text);
  });
}

Level UpdateLimListWindow::add() {
  const std::string typed(trim(typed_));
  if (typed.empty()) {
    select("?Value");
    return Level::Notify;
  }
  std::optional<LimListValue> value =
      kind_.resolve ? kind_.resolve(typed) : std::optional<LimListValue>(LimListValue{typed, 0});
  if (!value) {
    message(noun(kind_) + " " + typed + " was not found.", "Not Found", Icon::Exclamation);
    select("?Value");
    return Level::Notify;
  }
  if (contains(*value)) {
    message(noun(kind_) + " " + typed + " is already in the list.", "Already Listed", Icon::Exclamation);
    select("?Value");
    return Level::Notify;
  }
  PrivateTable<LimListRecord> list(LimList);
  list.rec.clear();
  TableStatus status = list.isOpen() ? list.table.primeAutoInc() : TableStatus::Failed;
  TableOp step = TableOp::Autoincrementing;
  if (status == TableStatus::Ok) {
    list.rec.Owner = owner_;
    list.rec.LimitID = limitId_;
    list.rec.ListName = listName_;
    list.rec.TextValue = value->text;
    list.rec.NumericValue = value->number;
    status = list.table.tryInsert();
    step = TableOp::Inserting;
  }
  if (status != TableStatus::Ok) {
    message(list.table.lastError().describe() + errorContext(step, "LimList"));
    return Level::Notify;
  }
  typed_.clear();
  load();
  select("?Value");
  return Level::Benign;
}

void UpdateLimListWindow::remove() {
  const int at = rows_.current();
  if (at < 0 || at >= static_cast<int>(records_.size())) return;
  PrivateTable<LimListRecord> list(LimList);
  list.rec.RecordID = records_[static_cast<std::size_t>(at)];
  if (list.fetch(LimListRecord::KeyRecordID) && list.table.tryRemove() != TableStatus::Ok)
    message(list.table.lastError().describe() + errorContext(TableOp::Deleting, "LimList"));
  load();
}

void UpdateLimListWindow::lookUp() {
  const std::optional<std::string> chosen = kind_.lookup();
  resetComponents();
  if (!chosen) {
    select("?Value");
    return;
  }
  typed_ = *chosen;
  add();
}

void editLimList(std::string_view owner, Id limitId, std::string_view listName, LimListKind kind) {
  const int request = GlobalRequest;
  GlobalRequest = 0;
  UpdateLimListWindow(std::string(owner), limitId, std::string(listName), std::move(kind)).run();
  GlobalRequest = request;
}

}  // namespace crv::siblings

void UpdateLimList() {
  using namespace crv;
  siblings::LimListKind kind;
  kind.title = "List of " + LL.ListName.str();
  siblings::editLimList(LL.Owner.view(), LL.LimitID, LL.ListName.view(), std::move(kind));
}
