// The header form's line list.
#include "crvpo/entry/order_line_list.h"

#include "crvpo/entry/entry_state.h"
#include "crvpo/entry/update_po_detail.h"
#include "host/framework/services/global_request.h"

namespace crvpo {

OrderLineList::OrderLineList(std::function<crv::Id()> order) : BrowseClass(crv::PODetail, pageRows) {
  id_ = addComputedColumn("ID", "@s15");
  description_ = addComputedColumn("Description", "@s30");
  quantity_ = addColumn("Quantity", "QtyOrdered", "@n-12.4b");
  price_ = addColumn("Unit Price", "UnitPrice", "@n-13.4b");
  total_ = addColumn("Total", "TotalAmount", "@n-13.2b");
  addSort(crv::ui::BrowseSort(crv::PODetailRecord::KeyPOID, "by Line").fix(std::move(order)));
  setUpdateProcedure([] { updatePODetail(); });
}

std::string OrderLineList::itemIdText(const crv::PODetailRecord& line) {
  return line.TextFlag == 1 ? std::string("Text") : line.ItemID.str();
}

std::string OrderLineList::descriptionText(const crv::PODetailRecord& line) {
  if (line.TextFlag != 1) return line.Description.str().substr(0, 30);
  const std::string text = line.Text.str();
  return text.size() <= 30 ? text : text.substr(0, 27) + "...";
}

void OrderLineList::setQueueRecord(crv::ui::BrowseRow& row) {
  BrowseClass::setQueueRecord(row);
  const crv::PODetailRecord& line = crv::POD;
  row.setText(id_, itemIdText(line));
  row.setText(description_, descriptionText(line));
  if (line.TextFlag == 1) {
    row.setText(quantity_, "");
    row.setText(price_, "");
    row.setText(total_, "");
  }
}

int OrderLineList::ask(int request) {
  if (request == crv::DeleteRecord) {
    if (remove_ && highlighted()) remove_();
    return crv::GlobalResponse;
  }
  // The line form tells a line it was opened for apart from a new one.
  if (request == crv::InsertRecord) entryState().NewVendorDetailID = 0;
  if (request == crv::ChangeRecord) entryState().NewVendorDetailID = 1;
  const int response = BrowseClass::ask(request);
  if (response == crv::RequestCompleted && written_) written_();
  return response;
}

}  // namespace crvpo
