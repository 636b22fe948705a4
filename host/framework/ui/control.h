// One control of a window: an entry, a check box, a list, a button, a
// group, and so on, with the properties a procedure changes while it runs.
//
// A control is known by its equate ("?POM:VendorID", "?OK",
// "?LOC:Total"), unique within its window and compared without regard to
// case. Its value lives in its binding (a record field or a local value);
// what a person sees is that value under the control's picture. Every
// change of a property moves the window's revision on, so a front end can
// tell when to redraw. Controls belong to their window and keep their
// address for its life.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/ui/binding.h"
#include "host/framework/values/picture.h"

namespace crv::ui {

class ListModel;
class Window;

enum class ControlKind {
  Prompt,     // the label before an entry
  Entry,      // one line of typed text
  Text,       // several lines of typed text
  String,     // a label, or a value shown and not typed
  Check,      // a check box
  Option,     // a group of radio buttons holding one value
  Radio,      // one choice of an option group (its child)
  DropList,   // a list that drops down, choose only
  DropCombo,  // a list that drops down, choose or type
  List,       // a list of rows drawn from a ListModel
  Button,
  Group,  // a frame around other controls
  Sheet,  // a set of tabs
  Tab,    // one page of a sheet (its child)
  Image,
  Progress,  // a progress bar, 0 to 100
  Panel,     // a plain area, drawn only
};

std::string_view controlKindName(ControlKind kind);

// What a button does without procedure code.
enum class ButtonRole {
  None,
  Ok,        // completes the form (the OK steps)
  Cancel,    // leaves without writing
  Close,     // closes a list or any window that does not write
  Help,      // opens the window's help topic
  Lookup,    // the lookup of an entry (F2 in that entry presses it)
  Calendar,  // picks a date for an entry ("Select a Date"; F2 too)
};

std::string_view buttonRoleName(ButtonRole role);

struct ListColumn {
  std::string header;
  int width = 0;  // characters, 0 = from the picture or the contents
  std::optional<Picture> picture;
};

// One entry of a drop list: the text shown and the value stored.
struct Choice {
  std::string text;
  std::string value;  // storage form ("Job", "2")
};

// Where a front end that lays forms out in aligned columns puts a control;
// -1 and 0 leave it to the front end (the window order decides).
struct LayoutHint {
  int row = -1;
  int column = -1;
  int width = 0;  // characters
};

class Control {
 public:
  Control(Window& window, int id, ControlKind kind, std::string equate);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& window() const { return *window_; }
  int id() const { return id_; }  // 1-based position in the window order
  ControlKind kind() const { return kind_; }
  const std::string& equate() const { return equate_; }
  bool is(std::string_view equate) const;

  // The caption of a prompt, button, check box, radio, tab or group, or the
  // text of an unbound entry or label.
  const std::string& text() const { return text_; }
  Control& setText(std::string text);

  const Picture* picture() const { return picture_ ? &*picture_ : nullptr; }
  Control& setPicture(std::string_view picture);  // "" removes it

  Control& bind(Binding binding);
  const Binding& binding() const { return binding_; }
  Binding& binding() { return binding_; }

  // What a person sees in the control now (without the picture's padding):
  // a value under its picture, the chosen entry's text of a drop list or
  // option group, "on"/"off" for a check box, the highlighted row of a
  // list (cells joined by " | "), the caption of anything else.
  std::string shown() const;
  // Takes text a person typed into an entry-like control; false when it
  // does not fit the picture (the value is left as it was).
  bool takeInput(std::string_view typed);
  // Takes the n-th (0-based) entry of a drop list, radio of an option group
  // or tab of a sheet; false when there is no such entry.
  bool choose(int index);

  // Check boxes: the values stored when ticked and when cleared.
  Control& setCheckValues(std::string ticked, std::string cleared);
  bool ticked() const;
  void setTicked(bool on);

  // Drop lists: the entries; "Job|G/L Account" gives entries whose values
  // are their texts.
  Control& setChoices(std::vector<Choice> choices);
  Control& setChoices(std::string_view texts);
  const std::vector<Choice>& choices() const { return choices_; }
  // The entry whose value the binding holds (an unbound list: the last one
  // chosen), -1 when none.
  int chosenIndex() const;

  // Radios: the value the option group stores when this radio is chosen
  // (its caption without hot-key mark unless set).
  Control& setRadioValue(std::string value);
  std::string radioValue() const;
  // Option groups and sheets: their radios or tabs, in window order.
  std::vector<Control*> members() const;
  // Sheets: the tab shown now (0-based).
  int currentTab() const { return kind_ == ControlKind::Sheet ? chosen_ : -1; }

  // Lists.
  Control& setModel(ListModel* model);
  ListModel* model() const { return model_; }
  // The procedure's settings of the columns; a setting left empty (a blank
  // header, no width, no picture) is the list model's.
  Control& setColumns(std::vector<ListColumn> columns);
  const std::vector<ListColumn>& columns() const { return columns_; }
  Control& setColumnWidth(std::size_t column, int width);
  // A column as a front end draws it: the procedure's settings, and the
  // model's header and picture where it made none.
  ListColumn listColumn(int column) const;

  bool hidden() const { return hidden_; }
  Control& hide() { return setHidden(true); }
  Control& unhide() { return setHidden(false); }
  Control& setHidden(bool hidden);
  bool disabled() const { return disabled_; }
  Control& disable() { return setDisabled(true); }
  Control& enable() { return setDisabled(false); }
  Control& setDisabled(bool disabled);
  bool readOnly() const { return readOnly_; }
  Control& setReadOnly(bool readOnly);
  bool required() const { return required_; }
  Control& setRequired(bool required = true);
  // An immediate entry reports every change of its text as a NewSelection
  // (a list's locator); an immediate check box or list reports at once.
  bool immediate() const { return immediate_; }
  Control& setImmediate(bool immediate = true);

  int fontWeight() const { return fontWeight_; }  // 400 normal, 700 bold
  Control& setFontWeight(int weight);
  std::optional<std::uint32_t> foreground() const { return foreground_; }  // 0xRRGGBB
  std::optional<std::uint32_t> background() const { return background_; }
  Control& setColors(std::optional<std::uint32_t> foreground, std::optional<std::uint32_t> background = {});
  const std::string& icon() const { return icon_; }
  Control& setIcon(std::string icon);
  const std::string& tip() const { return tip_; }
  Control& setTip(std::string tip);
  // The type-ahead section and field an entry's typed values are kept
  // under; empty when the procedure did not register the entry. A front end
  // offers the kept values as completions.
  const std::string& typeAheadSection() const { return typeAheadSection_; }
  const std::string& typeAheadField() const { return typeAheadField_; }
  Control& setTypeAhead(std::string section, std::string field);
  int progress() const { return progress_; }
  Control& setProgress(int percent);

  // Buttons.
  bool isDefault() const { return default_; }
  Control& setDefault(bool isDefault = true);
  ButtonRole role() const { return role_; }
  Control& setRole(ButtonRole role);

  // The container (group, option group, tab or sheet) the control sits in.
  Control* parent() const { return parent_; }
  Control& in(Control& container);
  // An entry's prompt, and its lookup or calendar button; hiding a field
  // with Window::hideField hides all three.
  Control* prompt() const { return prompt_; }
  Control& setPrompt(Control& prompt);
  Control* lookupButton() const { return lookup_; }
  Control& setLookupButton(Control& button);
  // For a lookup or calendar button: the entry it serves.
  Control* serves() const { return serves_; }

  const LayoutHint& layout() const { return layout_; }
  Control& at(int row, int column, int width = 0);

  // Neither the control nor a container is hidden.
  bool isShown() const;
  // Shown, and on the current tab of every sheet it sits in: a person
  // can see it now.
  bool isVisible() const;
  // Neither the control nor a container is disabled.
  bool isEnabled() const;
  // Holds a value a person enters: entries, texts, check boxes, option
  // groups, drop lists.
  bool isEntryLike() const;

 private:
  void touch();
  std::string shownValue() const;

  Window* window_;
  int id_;
  ControlKind kind_;
  std::string equate_;
  std::string text_;
  std::optional<Picture> picture_;
  Binding binding_;
  std::string checkOn_ = "1";
  std::string checkOff_ = "0";
  std::vector<Choice> choices_;
  int chosen_ = -1;  // unbound drop lists, option groups and sheets
  std::optional<std::string> radioValue_;
  ListModel* model_ = nullptr;
  std::vector<ListColumn> columns_;
  bool hidden_ = false;
  bool disabled_ = false;
  bool readOnly_ = false;
  bool required_ = false;
  bool immediate_ = false;
  bool default_ = false;
  int fontWeight_ = 400;
  std::optional<std::uint32_t> foreground_;
  std::optional<std::uint32_t> background_;
  std::string icon_;
  std::string tip_;
  std::string typeAheadSection_;
  std::string typeAheadField_;
  int progress_ = 0;
  ButtonRole role_ = ButtonRole::None;
  Control* parent_ = nullptr;
  Control* prompt_ = nullptr;
  Control* lookup_ = nullptr;
  Control* serves_ = nullptr;
  LayoutHint layout_;
};

}  // namespace crv::ui
