// The header form's list of an order's lines (tab "Line Item Detail"), in
// line order, with the columns "ID" (BrowseItemID), "Description"
// (BrowseDescription), "Quantity", "Unit Price" and "Total". A text line
// shows "Text" as its ID, its text as description (the first 27 characters
// and "..." when it is longer than 30) and no figures.
//
// Add and Change open the line form (UpdatePODetail); Delete calls back
// into the header form, which asks and undoes what the line committed
// before the line goes. After a line was written the header form is told,
// to refresh its totals.
#pragma once

#include <functional>
#include <string>

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/ui/browse_class.h"

namespace crvpo {

class OrderLineList final : public crv::ui::BrowseClass {
 public:
  static constexpr int pageRows = 8;

  // `order` answers the POID of the order whose lines are listed.
  explicit OrderLineList(std::function<crv::Id()> order);

  // Runs for Delete instead of the line form.
  void onDelete(std::function<void()> remove) { remove_ = std::move(remove); }
  // Runs after the line form wrote a line.
  void onWritten(std::function<void()> written) { written_ = std::move(written); }

  int ask(int request) override;

  // What the ID and Description columns show for a line.
  static std::string itemIdText(const crv::PODetailRecord& line);
  static std::string descriptionText(const crv::PODetailRecord& line);

 protected:
  void setQueueRecord(crv::ui::BrowseRow& row) override;

 private:
  std::function<void()> remove_;
  std::function<void()> written_;
  int id_ = 0;
  int description_ = 0;
  int quantity_ = 0;
  int price_ = 0;
  int total_ = 0;
};

}  // namespace crvpo
