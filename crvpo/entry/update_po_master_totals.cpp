// The header form's lines (deleting and moving them), totals and taxes.
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_deletion_adjustment.h"
#include "crvpo/entry/line_sequence.h"
#include "crvpo/entry/update_po_master_window.h"
#include "host/data/tables/payables_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/transaction.h"
#include "host/framework/values/picture.h"

namespace crvpo {

using crv::ui::Level;

void UpdatePOMasterWindow::linesChanged() {
  linesTouched_ = true;
  if (auto sums = sumOrderLines(*crv::PODetail.connection(), crv::POM.POID)) sums_ = *sums;
  refreshTotals();
}

// Each refresh: the totals from the lines, under the company's tax, and a
// bold caption on every tab that has something for this order.
void UpdatePOMasterWindow::refreshTotals() {
  if (!viewOnly()) applyTotals(crv::POM, sums_, canadian_, gstRate_, pstRate_);
  showTabWeights();
  window().touch();
}

void UpdatePOMasterWindow::showTabWeights() {
  auto weigh = [this](const char* tab, bool any) { control(tab).setFontWeight(any ? 700 : 400); };
  weigh("?Tab:Lines", sums_.lines > 0);
  weigh("?Tab:Reconciliation", invoices_.rowCount() > 0);
  weigh("?Tab:Attachments", !attachments_.empty());
  weigh("?Tab:Notes", !notes_.empty());
}

void UpdatePOMasterWindow::showCanadianTax() {
  control("?TotalsGroup").setHidden(canadian_);
  control("?CanadianTotalsGroup").setHidden(!canadian_);
  control("?POM:Taxable").setHidden(canadian_);
  control("?Loc:GST").setHidden(!canadian_);
  control("?Loc:PST").setHidden(!canadian_);
  if (!canadian_) return;
  gstPrompt_ = crv::SYS.GSTLabel.str() + "  " + crv::Picture::parse("@n_7.3").formatTrimmed(gstRate_) + "%";
  control("?POM:DiscountAmount:Prompt").setText(gstPrompt_);
  if (mode_ == crv::InsertRecord) crv::POM.CheckNo = crv::SYS.State.view();
  if (auto rate = pstRateOf(crv::POM.CheckNo.view())) pstRate_ = *rate;
  gst_ = crv::POM.Taxable == 1 || crv::POM.Taxable == 2 ? 1 : 0;
  pst_ = crv::POM.Taxable == 1 || crv::POM.Taxable == 3 ? 1 : 0;
}

// The list's Delete: asked, the line's posted commitment undone, then the
// line removed, together; a failure leaves both as they were.
Level UpdatePOMasterWindow::deleteLine() {
  if (viewOnly() || !lines_.highlighted() || lines_.reloadSelected() != crv::TableStatus::Ok)
    return Level::Notify;
  if (crv::message("Are you sure you want to delete the highlighted record?", "Confirm Delete",
                   crv::Icon::Question, "&Yes|&No", 2) != 1)
    return Level::Notify;
  crv::Connection& connection = *crv::PODetail.connection();
  const OpeningCommitments before = opening_;
  OperationOutcome outcome;
  const auto failure = crv::runAtomically(connection, crv::Transaction::defaultWait, crv::PODetail.name(),
                                          crv::TableOp::Deleting, [&](crv::TableSteps& steps) {
                                            outcome =
                                                LineDeletionAdjustment(connection).apply(crv::POD, opening_);
                                            if (!outcome.done) return false;
                                            steps.remove(crv::PODetail);
                                            return true;
                                          });
  if (failure) outcome.fail(failureText(*failure, LineDeletionAdjustment::notDeletedText), {});
  if (!outcome.done) {
    // Rolled back: the line and its posted commitment are as they were.
    opening_ = before;
    tellUser(outcome);
    lines_.refresh();
    return Level::Notify;
  }
  crv::GlobalResponse = crv::RequestCompleted;
  lines_.refresh();
  linesChanged();
  return Level::Notify;
}

Level UpdatePOMasterWindow::moveLine(LineMove move) {
  if (viewOnly() || !lines_.highlighted() || lines_.reloadSelected() != crv::TableStatus::Ok)
    return Level::Notify;
  const crv::Id moved = crv::POD.DetailID;
  const OperationOutcome outcome = crvpo::moveLine(*crv::PODetail.connection(), crv::POM.POID, moved, move);
  tellUser(outcome);
  if (!outcome.done) return Level::Notify;
  linesTouched_ = true;
  crv::POD.clear();
  crv::POD.DetailID = moved;
  if (crv::PODetail.fetch(crv::PODetailRecord::KeyDetailID) == crv::TableStatus::Ok) lines_.resetFromBuffer();
  window().touch();
  return Level::Notify;
}

Level UpdatePOMasterWindow::taxableAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  crv::PrivateTable<crv::PODetailRecord> lines(crv::PODetail);
  lines.rec.POID = crv::POM.POID;
  if (lines.isOpen() && lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) == crv::TableStatus::Ok)
    while (lines.table.next() == crv::TableStatus::Ok) {
      if (lines.rec.Taxable == crv::POM.Taxable) continue;
      lines.rec.Taxable = crv::POM.Taxable;
      if (lines.table.tryUpdate() != crv::TableStatus::Ok)
        crv::message(lines.table.lastError().describe() + " Saving PODetail");
    }
  lines_.refresh();
  linesChanged();
  return Level::Benign;
}

Level UpdatePOMasterWindow::taxRateAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  refreshTotals();
  return Level::Benign;
}

Level UpdatePOMasterWindow::taxAmountAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  // A typed tax sets the rate it stands for; without taxable lines the
  // rate stays as it was.
  if (auto rate = rateOf(crv::POM.TaxAmount, sums_.taxable)) crv::POM.TaxRate = *rate;
  refreshTotals();
  return Level::Benign;
}

Level UpdatePOMasterWindow::canadianTaxAccepted() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  crv::POM.Taxable = canadianTaxCode(gst_ != 0, pst_ != 0);
  return Level::Benign;
}

Level UpdatePOMasterWindow::provinceChosen() {
  if (acceptingAll() || viewOnly()) return Level::Benign;
  if (auto rate = pstRateOf(crv::POM.CheckNo.view())) pstRate_ = *rate;
  refreshTotals();
  return Level::Benign;
}

}  // namespace crvpo
