// The header form's window class, shared by the files that build it by
// aspect: update_po_master.cpp (the window, opening, OK, Cancel, print),
// update_po_master_vendor.cpp (vendor entry), update_po_master_shipping.cpp
// (ship-to, number, default job, purchasing agent) and
// update_po_master_totals.cpp (lines, totals and tax). The attachment and
// note tabs are components of their own (order_attachments_tab.h,
// order_notes_tab.h).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "crvpo/entry/entered_vendor.h"
#include "crvpo/entry/line_sequence.h"
#include "crvpo/entry/opening_commitments.h"
#include "crvpo/entry/order_attachments_tab.h"
#include "crvpo/entry/order_edit_undo.h"
#include "crvpo/entry/order_invoice_list.h"
#include "crvpo/entry/order_line_list.h"
#include "crvpo/entry/order_notes_tab.h"
#include "crvpo/entry/order_totals.h"
#include "crvpo/entry/po_number_counter.h"
#include "crvpo/entry/text_case_menu.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/browse_component.h"
#include "host/framework/ui/window_manager.h"

namespace crvpo {

// Adds a purchasing agent to the drop-down list "POM Purchasing Agent"
// unless it is there.
void rememberAgent(std::string_view agent);

class UpdatePOMasterWindow final : public crv::ui::WindowManager {
 public:
  UpdatePOMasterWindow();
  ~UpdatePOMasterWindow() override;

 protected:
  void primeFields() override;
  crv::ui::Level opening() override;
  crv::ui::Level validate() override;
  crv::ui::Level write() override;
  void closing() override;
  crv::ui::Level takeEvent(const crv::ui::Event& event) override;
  crv::ui::Level takeCancelled() override;
  crv::ui::Level takeDrop(const std::vector<std::string>& files, crv::ui::Control* onto) override;
  crv::ui::Level takePopupMenu(crv::ui::Control& control) override;

 private:
  // Building the window (update_po_master.cpp).
  void build();
  void buildVendorGroup();
  void buildShipToGroup();
  void buildMiscellaneousGroup();
  void buildTabs();
  void buildTotals();
  void handle();
  crv::ui::Control& fieldIn(crv::ui::Control& group, std::string prompt, std::string equate,
                            crv::ui::Binding binding, std::string_view picture, bool lookup = false);

  // Life cycle (update_po_master.cpp).
  void readSettings();
  bool viewOnly() const;
  void lockForViewing();
  void showOpeningState();
  bool startEditing();
  crv::ui::Level saveOrder();
  crv::ui::Level deleteOrder();
  void startNextOrder();
  crv::ui::Level print();
  bool confirmCancel();
  void undoEdits(bool showMessages);
  void assignDefaultJob();

  // Vendor (update_po_master_vendor.cpp).
  crv::ui::Level enteredVendorAccepted();
  crv::ui::Level takeEnteredVendor(const EnteredVendor& entered);
  crv::ui::Level vendorNameChosen();
  crv::ui::Level vendorLookup();
  crv::ui::Level clearVendor();
  crv::ui::Level validateVendor();
  bool fetchVendor(crv::Id vendorId);
  void showVendorNames();
  void showVendorInformation();
  void takeNewVendorFromLine();

  // Ship-to, number, default job, agent (update_po_master_shipping.cpp).
  void showShipToFields();
  crv::ui::Level shipToTypeChosen();
  crv::ui::Level shipToJobAccepted(bool lookedUp);
  crv::ui::Level shipToVendorAccepted(bool lookedUp);
  crv::ui::Level shipToCustomerAccepted(bool lookedUp);
  crv::ui::Level alternateShipTo();
  void fillShipToFromRecord();
  crv::ui::Level editShipping();
  crv::ui::Level poNumberAccepted();
  crv::ui::Level defaultJobAccepted();
  crv::ui::Level defaultJobNameSearch();
  void loadAgents();
  crv::ui::Level agentLookup();

  // Lines, totals and tax (update_po_master_totals.cpp).
  void linesChanged();
  void refreshTotals();
  void showCanadianTax();
  void showTabWeights();
  crv::ui::Level deleteLine();
  crv::ui::Level moveLine(LineMove move);
  crv::ui::Level taxableAccepted();
  crv::ui::Level taxRateAccepted();
  crv::ui::Level taxAmountAccepted();
  crv::ui::Level canadianTaxAccepted();
  crv::ui::Level provinceChosen();

  // What the form shows beside the record.
  crv::Text<10> enteredVendor_;
  crv::Text<50> localVendorName_;
  std::string vendorChoice_;  // the name list's entry: the vendor number as text
  crv::Text<40> cityStateZip_;
  std::string gstPrompt_;
  crv::Byte gst_ = 0;
  crv::Byte pst_ = 0;
  double pstRate_ = 0;
  LineSums sums_;

  // Settings read at opening.
  bool canadian_ = false;
  bool warnDuplicateNumber_ = false;
  double gstRate_ = 0;

  // The order being edited: how it is being saved (a new order becomes a
  // changed one once a print saved it), what it committed when the form
  // last saved or opened it, and how it looked then.
  int mode_ = 0;
  bool saved_ = false;
  bool linesTouched_ = false;
  bool undone_ = false;
  OpeningCommitments opening_;
  std::optional<OrderEditUndo> undo_;
  std::optional<PONumberCounter> counter_;
  crv::POMasterRecord openingState_;
  crv::Id lastVendor_ = 0;

  OrderLineList lines_;
  crv::ui::BrowseComponent linesComponent_;
  OrderInvoiceList invoices_;
  crv::ui::BrowseComponent invoicesComponent_;
  OrderAttachmentsTab attachments_;
  OrderNotesTab notes_;
  TextCaseMenu cases_{TextCaseMenu::Store::WhenChanged};
};

}  // namespace crvpo
