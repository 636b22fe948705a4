// UpdateLimList: edits the values of one "list" selection of a saved limit
// set, the LimList rows of an owner table ("POLimits"), a limit and a list
// name ("JobID", "CostCode", "VendorID", "PONumber").
//
// The window lists the values with what they stand for; a value typed in
// the entry (or chosen with its lookup) is added with "&Add" and the
// highlighted one removed with "&Delete". Each value is in the list once.
// The caller says what a value is: how typed text becomes the stored value
// (text or number), how a stored value shows, and the lookup that picks
// one; a value that does not resolve is refused with a message naming it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/data/tables/suite_tables.h"
#include "host/framework/services/module_export.h"
#include "host/framework/ui/row_list_model.h"
#include "host/framework/ui/window_manager.h"

namespace crv::siblings {

// One value of a list as stored: in TextValue or, for a numeric list, in
// NumericValue.
struct LimListValue {
  std::string text;
  Id number = 0;
};

struct LimListKind {
  std::string title = "List";     // the window's title: "Job List"
  std::string prompt = "Value:";  // the entry's prompt: "Job ID:"
  std::string picture = "@s30";   // of the entry
  bool numeric = false;           // values in NumericValue
  // Typed text to the value to store; nullopt when there is no such value.
  std::function<std::optional<LimListValue>(std::string_view typed)> resolve;
  // The value as the list shows it and what it stands for.
  std::function<std::pair<std::string, std::string>(const LimListValue&)> show;
  // Runs the lookup; answers the chosen value as it would be typed.
  std::function<std::optional<std::string>()> lookup;
};

class UpdateLimListWindow final : public ui::WindowManager {
 public:
  UpdateLimListWindow(std::string owner, Id limitId, std::string listName, LimListKind kind);

 protected:
  ui::Level opening() override;

 private:
  void load();
  ui::Level add();
  void remove();
  void lookUp();
  bool contains(const LimListValue& value) const;

  std::string owner_;
  Id limitId_;
  std::string listName_;
  LimListKind kind_;
  ui::RowListModel rows_;
  std::vector<Id> records_;  // RecordIDs in list order
  std::vector<LimListValue> values_;
  std::string typed_;
};

// The list editor for the values of `listName` of the limit `limitId` of
// `owner`.
void editLimList(std::string_view owner, Id limitId, std::string_view listName, LimListKind kind);

}  // namespace crv::siblings

extern "C" {
// Hand-over: LL holds the owner, the limit and the list name. Values are
// taken as typed (text).
CRV_EXPORT void UpdateLimList();
}
