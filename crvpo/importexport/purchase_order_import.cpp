// Writing imported orders in one transaction.
#include "crvpo/importexport/purchase_order_import.h"

#include <set>
#include <unordered_map>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_commitment.h"
#include "crvpo/entry/purchase_order_save.h"
#include "crvpo/importexport/import_fields.h"
#include "crvpo/importexport/import_lookups.h"
#include "host/data/shared_values.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {
namespace {

// Answers the text of a step that stopped the import, in the words the
// user knows for the writes of orders and lines.
std::string stoppedText(const crv::StepFailure& failure) {
  const std::string why = failure.error.describe();
  if (failure.op == crv::TableOp::Autoincrementing && failure.table == "POMaster")
    return "Unable to PrimeAutoInc POMaster.|" + why;
  if (failure.op == crv::TableOp::Inserting && failure.table == "POMaster")
    return "Unable to Insert POMaster.|" + why;
  if (failure.op == crv::TableOp::Inserting && failure.table == "PODetail")
    return "Unable to Insert PODetail.|" + why;
  if (failure.table == PurchaseOrderImport::subject) return "The import could not be written: " + why;
  return failure.text();
}

}  // namespace

class PurchaseOrderImport::Run {
 public:
  Run(crv::Connection& connection, crv::TableSteps& steps, bool exchange, ImportPreview& preview,
      ImportObserver* observer)
      : steps_(steps),
        exchange_(exchange),
        preview_(preview),
        observer_(observer),
        orders_(connection),
        lines_(connection),
        systems_(connection),
        agents_(connection),
        lookups_(connection),
        poster_(connection, steps) {}

  void all() {
    readSettings();
    assignDefaultJobs();
    readAgents();
    total_ = preview_.headers.size() + preview_.details.size();
    for (const ImportHeader& header : preview_.headers) writeHeader(header);
    if (counterMoved_) steps_.update(systems_.table);
    for (const ImportDetail& detail : preview_.details) writeDetail(detail);
    commitments_.post(poster_);
  }

  std::size_t orders = 0;
  std::size_t lines = 0;

 private:
  void readSettings();
  void assignDefaultJobs();
  void readAgents();
  void writeHeader(const ImportHeader& header);
  void fillHeader(const ImportHeader& header, crv::POMasterRecord& po);
  void addAgent(std::string_view agent);
  void writeDetail(const ImportDetail& detail);
  void fillDetail(const ImportDetail& detail, crv::PODetailRecord& line);
  void countOne();
  std::string_view text(ImportDetail::Ref ref) const { return preview_.text(ref); }

  crv::TableSteps& steps_;
  bool exchange_;
  ImportPreview& preview_;
  ImportObserver* observer_;
  crv::PrivateTable<crv::POMasterRecord> orders_;
  crv::PrivateTable<crv::PODetailRecord> lines_;
  crv::PrivateTable<crv::SystemsRecord> systems_;
  crv::PrivateTable<crv::DropListRecord> agents_;
  ImportLookups lookups_;
  CommitmentPoster poster_;
  CommitmentBatch commitments_;
  bool haveSettings_ = false;
  bool counterMoved_ = false;
  std::set<std::string> knownAgents_;
  std::unordered_map<std::uint32_t, crv::Id> poidOf_;  // file identifier -> new POID
  std::unordered_map<crv::Id, crv::Id> sequence_;      // POID -> last line number
  std::size_t done_ = 0;
  std::size_t total_ = 0;
  int shown_ = -1;
};

void PurchaseOrderImport::Run::readSettings() {
  systems_.table.set(crv::SystemsRecord::KeySystemID);
  haveSettings_ = steps_.next(systems_.table);
}

// The first job line of each order gives the order its default job.
void PurchaseOrderImport::Run::assignDefaultJobs() {
  std::unordered_map<std::uint32_t, std::size_t> headerOf;
  for (std::size_t i = 0; i < preview_.headers.size(); ++i) headerOf.emplace(preview_.headers[i].fileId, i);
  for (const ImportDetail& detail : preview_.details) {
    const std::string_view job = crv::clip(text(detail.jobId));
    if (detail.textFlag != 0 || job.empty()) continue;
    const auto header = headerOf.find(detail.fileId);
    if (header != headerOf.end() && preview_.headers[header->second].defaultJob.empty())
      preview_.headers[header->second].defaultJob = job;
  }
}

void PurchaseOrderImport::Run::readAgents() {
  agents_.rec.FieldName = purchasingAgentList;
  agents_.table.setRange(crv::DropListRecord::KeyFieldName, 1);
  while (steps_.next(agents_.table)) knownAgents_.insert(agents_.rec.FieldValue.str());
}

void PurchaseOrderImport::Run::writeHeader(const ImportHeader& header) {
  crv::POMasterRecord& po = orders_.rec;
  po.clear();
  steps_.primeAutoInc(orders_.table);
  fillHeader(header, po);
  steps_.insert(orders_.table);
  poidOf_[header.fileId] = po.POID;
  addAgent(header.preparedBy);
  ++orders;
  countOne();
}

void PurchaseOrderImport::Run::fillHeader(const ImportHeader& h, crv::POMasterRecord& po) {
  po.VendorID = h.vendorId;
  po.PreparedBy = h.preparedBy;
  po.PreparedDate = h.preparedDate;
  if (crv::clip(h.poNumber).empty() && haveSettings_) {
    po.PONumber = plainDigits(systems_.rec.NextPONumber);
    systems_.rec.NextPONumber += 1;
    counterMoved_ = true;
  } else {
    po.PONumber = h.poNumber;
  }
  po.IssueDate = h.issueDate;
  po.DeliverAfterDate = h.deliverAfterDate;
  po.DeliveryDate = h.deliveryDate;
  po.DeadlineDate = h.deadlineDate;
  po.PreTaxAmount = h.preTaxAmount;
  po.TaxAmount = h.taxAmount;
  // The exchange file carries the rate itself; other files only amounts.
  if (exchange_)
    po.TaxRate = h.taxRate;
  else if (!h.taxAmount.isZero() && !h.preTaxAmount.isZero())
    po.TaxRate = h.taxAmount.toDouble() / h.preTaxAmount.toDouble() * 100;
  po.POAmount = h.poAmount;
  po.Taxable = 1;
  po.ShipToType = h.shipToType;
  po.ShipToJob = h.shipToJob;
  po.ShipToVendor = h.shipToVendor;
  po.ShipToCustomer = h.shipToCustomer;
  po.ShipToName = h.shipToName;
  po.ShipToAddress1 = h.shipToAddress1;
  po.ShipToAddress2 = h.shipToAddress2;
  po.ShipToCity = h.shipToCity;
  po.ShipToState = h.shipToState;
  po.ShipToZip = h.shipToZip;
  po.ShipToContact = h.shipToContact;
  po.ShipVia = h.shipVia;
  po.ShipToInstructions = h.shipToInstructions;
  po.FOB = h.fob;
  po.Terms = h.terms;
  po.DefaultJob = h.defaultJob;
  // Reconciliation state and sort fields as a save sets them: the lines
  // come in unreconciled.
  PurchaseOrderSave::StateTally tally;
  if (h.detailCount > 0) tally.add(0);
  po.Reconciled = tally.state(po.POAmount);
  po.RecTF = po.Reconciled == 2 ? 1 : 0;
  po.SortVendorID = po.Reconciled == 2 ? 0 : po.VendorID;
  po.SortPONumber = po.Reconciled == 2 ? std::string_view() : po.PONumber.view();
}

void PurchaseOrderImport::Run::addAgent(std::string_view agent) {
  agent = crv::clip(agent);
  if (agent.empty() || !knownAgents_.insert(std::string(agent)).second) return;
  crv::DropListRecord& row = agents_.rec;
  row.clear();
  row.FieldName = purchasingAgentList;
  row.FieldValue = agent;
  row.UserID = crv::UserID.view();
  row.DateAdded = crv::Date::today();
  steps_.insert(agents_.table);
}

void PurchaseOrderImport::Run::writeDetail(const ImportDetail& detail) {
  const auto order = poidOf_.find(detail.fileId);
  if (order == poidOf_.end()) return;  // its header was dropped
  crv::PODetailRecord& line = lines_.rec;
  line.clear();
  line.POID = order->second;
  line.SequenceNo = ++sequence_[order->second];
  fillDetail(detail, line);
  steps_.insert(lines_.table);
  if (auto entry = OpeningCommitments::of(line)) commitments_.add(*entry);
  ++lines;
  countOne();
}

void PurchaseOrderImport::Run::fillDetail(const ImportDetail& d, crv::PODetailRecord& line) {
  line.TextFlag = d.textFlag;
  if (d.textFlag != 0) {
    line.Text = text(d.text);
    return;
  }
  line.ItemID = text(d.itemId);
  line.Description = text(d.description);
  line.QtyOrdered = d.qtyOrdered;
  line.UnitPrice = d.unitPrice;
  line.UnitName = text(d.unitName);
  line.Taxable = 1;
  line.TotalAmount = d.totalAmount;
  line.DetailType = detailTypeName(d.typeCode);
  line.JobID = text(d.jobId);
  line.CostCode = text(d.costCode);
  line.Account = text(d.account);
  line.EquipmentID = text(d.equipmentId);
  line.CostCategory = text(d.costCategory);
  line.DeliverAfterDate = d.deliverAfterDate;
  line.DeliveryDate = d.deliveryDate;
  line.DeadlineDate = d.deadlineDate;
  if (line.DetailType != "Inventory") return;
  // The quantity on order in the item's stock unit, as the line form
  // works it out: by the unit's conversion unless the line is in the
  // stock unit (or names no known item). A file that names no unit orders
  // in the stock unit.
  const ImportLookups::Item* item = lookups_.item(line.ItemID.view());
  if (!item || line.UnitName.empty() || line.UnitName == item->stockUnit) {
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, line.QtyInvoiced);
  } else if (auto conversion = lookups_.conversion(line.ItemID.view(), line.UnitName.view())) {
    line.ConversionID = conversion->id;
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, line.QtyInvoiced, conversion->factor);
  }
}

void PurchaseOrderImport::Run::countOne() {
  ++done_;
  if (!observer_ || total_ == 0) return;
  const int percent = static_cast<int>(done_ * 100 / total_);
  if (percent == shown_) return;
  shown_ = percent;
  observer_->progress(percent);
}

// ---------------------------------------------------------------- the import

PurchaseOrderImport::PurchaseOrderImport(crv::Connection& connection, const ImportSource& source)
    : connection_(&connection), exchange_(source.exchange()) {}

ImportOutcome PurchaseOrderImport::run(ImportPreview& preview, ImportObserver* observer) {
  ImportOutcome outcome;
  std::optional<crv::StepFailure> failure;
  try {
    failure =
        crv::runAtomically(*connection_, wait_, subject, crv::TableOp::Saving, [&](crv::TableSteps& steps) {
          Run run(*connection_, steps, exchange_, preview, observer);
          run.all();
          outcome.orders = run.orders;
          outcome.lines = run.lines;
          return true;
        });
  } catch (const std::exception& error) {
    outcome.message = std::string(error.what()) + "||" + notImportedText;
    return outcome;
  }
  if (failure) {
    outcome.message = stoppedText(*failure) + "||" + notImportedText;
    outcome.orders = outcome.lines = 0;
    return outcome;
  }
  preview.dropHeaders();
  preview.details = {};
  outcome.done = true;
  return outcome;
}

}  // namespace crvpo
