// The dialog that edits one field of an import layout.
#include "crvpo/importexport/import_item_window.h"

#include <algorithm>

#include "host/data/shared_values.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {
namespace {

using crv::ui::ButtonRole;

constexpr std::string_view oneFileDetails =
    "Record Type (D)|PO Number|Text Flag|Text|Item ID|Description|Quantity Ordered|Unit Price|Unit "
    "Name|Total Amount|Detail Type|Account|Job ID|Cost Code|Equipment ID|Cost Category|Deliver After "
    "Date|Delivery Date|Deadline Date|Unused";
// The detail contents of a two-file source; the PO number, by which details
// may be tied to their headers, is offered after the POID as well.
constexpr std::string_view twoFileDetails =
    "POID|Text Flag|Text|Item ID|Description|Quantity Ordered|Unit Price|Unit Name|Total Amount|Detail "
    "Type|Account|Job ID|Cost Code|Equipment ID|Cost Category|Deliver After Date|Delivery Date|Deadline "
    "Date|Unused";
constexpr std::string_view twoFileDetailsGeneric =
    "POID|PO Number|Text Flag|Text|Item ID|Description|Quantity Ordered|Unit Price|Unit Name|Total "
    "Amount|Detail Type|Account|Deliver After Date|Delivery Date|Deadline Date|Unused";

std::vector<std::string> split(std::string_view list) {
  std::vector<std::string> items;
  for (std::size_t from = 0;;) {
    const auto bar = list.find('|', from);
    items.emplace_back(
        list.substr(from, bar == std::string_view::npos ? std::string_view::npos : bar - from));
    if (bar == std::string_view::npos) return items;
    from = bar + 1;
  }
}

bool jobCostOnly(const std::string& contents) {
  return contents == "Job ID" || contents == "Cost Code" || contents == "Equipment ID" ||
         contents == "Cost Category";
}

class ImportItemWindow final : public crv::ui::WindowManager {
 public:
  ImportItemWindow(std::string procedure, ImportFieldList::Entry& entry, std::vector<std::string> choices,
                   bool fixed)
      : WindowManager(std::move(procedure)), entry_(entry), contents_(entry.contents), length_(entry.length) {
    crv::ui::Window& w = window();
    w.setTitle("Changing an Import Item");
    w.setIcon("import");
    w.setHelp("html/PO_Import_Export.htm", "sources");
    std::vector<crv::ui::Choice> items;
    for (auto& choice : choices) items.push_back({choice, choice});
    w.addPrompt("?Contents:Prompt", "Contents of Field:");
    crv::ui::Control& contents = w.add(crv::ui::ControlKind::DropList, "?Contents")
                                     .bind(crv::ui::Binding::local(contents_, "LOC:Contents"));
    contents.setChoices(std::move(items)).setPrompt(w.control("?Contents:Prompt"));
    w.addField("Field Length:", "?Length", crv::ui::Binding::local(length_, "LOC:Length"), "@n3b");
    if (!fixed) w.hideField("?Length");
    w.addButton("?OK", "OK", ButtonRole::Ok).setDefault();
    w.addButton("?Cancel", "Cancel", ButtonRole::Cancel);
    onAccepted("?OK", [this] { store(); });
  }

 private:
  crv::ui::Level store() {
    entry_.contents = contents_;
    entry_.length = std::clamp(length_, 0, 99);
    complete(crv::RequestCompleted);
    return crv::ui::Level::Notify;
  }

  ImportFieldList::Entry& entry_;
  std::string contents_;
  std::int32_t length_;
};

}  // namespace

std::vector<std::string> headerItemChoices() {
  std::vector<std::string> choices;
  for (const HeaderDescriptor& descriptor : headerDescriptors()) choices.emplace_back(descriptor.contents);
  return choices;
}

std::vector<std::string> detailItemChoices(bool oneFile) {
  if (!oneFile && crv::GENERIC) return split(twoFileDetailsGeneric);
  std::vector<std::string> choices = split(oneFile ? oneFileDetails : twoFileDetails);
  if (!oneFile) choices.insert(choices.begin() + 1, "PO Number");
  if (crv::GENERIC) std::erase_if(choices, jobCostOnly);
  return choices;
}

bool updatePOMasterImportItem(ImportFieldList::Entry& entry, bool fixed) {
  return ImportItemWindow("UpdatePOMasterImportItem", entry, headerItemChoices(), fixed).run() ==
         crv::RequestCompleted;
}

bool updatePODetailImportItem(ImportFieldList::Entry& entry, bool fixed, bool oneFile) {
  return ImportItemWindow("UpdatePODetailImportItem", entry, detailItemChoices(oneFile), fixed).run() ==
         crv::RequestCompleted;
}

}  // namespace crvpo
