// The line form's private declarations, shared by its files:
//
//   update_po_detail.cpp               the form: modes, opening, OK, keys
//   update_po_detail_layout.cpp        the window's controls
//   update_po_detail_pricing.cpp       item, unit, quantity, price, amount
//   update_po_detail_distribution.cpp  detail type, job and cost code,
//                                      account, equipment, change order
//
// The priority-vendor list and the text-case menu are window components
// of their own (priority_vendor_list.h, text_case_menu.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/priority_vendor_list.h"
#include "crvpo/entry/text_case_menu.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo::detail_form {

using crv::TableStatus;
using crv::ui::Binding;
using crv::ui::ButtonRole;
using crv::ui::Control;
using crv::ui::ControlKind;
using crv::ui::Key;
using crv::ui::Level;

inline constexpr std::string_view typeJob = "Job";
inline constexpr std::string_view typeAccount = "G/L Account";
inline constexpr std::string_view typeEquipment = "Equipment";
inline constexpr std::string_view typeInventory = "Inventory";

// The lookups of the form by number.
enum Lookup { JobLookup = 1, AccountLookup, EquipmentLookup, CostCodeLookup, CategoryLookup };

class UpdatePODetailWindow final : public crv::ui::WindowManager {
 public:
  UpdatePODetailWindow();

 protected:
  void primeFields() override;
  Level opening() override;
  Level validate() override;
  Level takeEvent(const crv::ui::Event& event) override;
  Level takeAlertKey(Key key, Control* focus) override;

 private:
  // Layout.
  void build();
  void buildLineItem();
  void buildDistribution();
  void handle();
  // A prompt, entry and (unless None) lookup button, all inside `group`.
  Control& fieldIn(Control* group, std::string prompt, std::string equate, Binding binding,
                   std::string_view picture, std::optional<ButtonRole> lookup = std::nullopt);

  // Modes and settings.
  void readSettings();
  bool changeOrdersOn() const { return crv::PURCHASELEVEL == 2 && crv::SYS.POChangeOrders; }
  // Viewing a line, or a line of an order opened for viewing only: nothing
  // can be typed, chosen or looked up, and nothing is written.
  bool viewOnly() const { return request() == crv::ViewRecord || entryState().POViewOnly; }
  void lockForViewing();
  void offerDetailTypes();
  void describeLine(const std::string& lineType);
  void followTypeKeys();
  void textFlagChanged();
  void showTextLine(bool text);
  Level textLookup();

  // Pricing.
  bool fetchItem();
  bool fetchVendorItem();
  void fillPurchaseUnits();
  void takeVendorItem();
  void forgetVendorPrice(std::string_view unit);
  void applyAmountRule();
  void computeAmounts();
  Level itemAccepted();
  Level unitAccepted();
  Level quantityAccepted();
  Level amountAccepted();
  Level itemLookup();
  Level vendorTaken();
  void setInventoryQuantity();

  // Distribution.
  bool fetchJob(std::string_view job);
  bool fetchCostLine(std::string_view job, std::string_view code);
  bool fetchAccount();
  int runLookup(Lookup lookup);
  void showDistribution(std::string_view type, bool withChangeOrder);
  void detailTypeChanged();
  Level jobAccepted();
  Level jobNameSearch();
  void defaultCostCode();
  Level costCodeAccepted();
  Level costCodeLookup();
  Level costCodeFound();
  void costCodeClosing();
  Level accountAccepted();
  Level equipmentAccepted();
  Level categoryAccepted();
  Level changeOrderAccepted();
  Level changeOrderLookup();
  crv::Id findChangeOrderDetail();
  void refreshChangeOrder();

  PriorityVendorList vendors_;
  TextCaseMenu textCases_;

  std::string distribution1_;
  std::string distribution2_;
  std::string changeOrderDescription_;
  crv::Byte gst_ = 0;
  crv::Byte pst_ = 0;

  crv::Quantity minOrderQty_;
  crv::Text<10> minOrderUnit_;
  bool vendorPriced_ = false;
  int vendorPriority_ = 0;
  crv::Real lastUnitPrice_ = 0;
  crv::Quantity lastQuantity_;
  bool canada_ = false;
};

}  // namespace crvpo::detail_form
