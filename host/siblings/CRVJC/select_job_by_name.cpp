// Picking a job among the candidates matched by name.
#include "host/siblings/CRVJC/select_job_by_name.h"

#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"

namespace crv::siblings {

SelectJobByNameWindow::Placement SelectJobByNameWindow::placementFrom(int increment) {
  if (increment <= 0) return {};
  return {increment / 1000, increment % 1000};
}

SelectJobByNameWindow::SelectJobByNameWindow()
    : WindowManager("SelectJobByName"),
      entries_(RXQUEUE),
      list_({"Job ID", "Name"}),
      placement_(placementFrom(GLO.Increment)) {
  window().setTitle("Select a Job");
  for (const std::string& entry : entries_) {
    const auto dash = entry.find(" - ");
    if (dash == std::string::npos)
      list_.addRow(std::vector<std::string>{entry, std::string()});
    else
      list_.addRow(std::vector<std::string>{entry.substr(0, dash), entry.substr(dash + 3)});
  }
  if (list_.size() > 0) list_.setCurrent(0);
  ui::Control& jobs = window().addList("?Browse", &list_);
  window().addButton("?Select", "&Select").setDefault();
  window().addButton("?Close", "Cancel", ui::ButtonRole::Cancel);
  window().select(jobs);
  onAccepted("?Select", [this] { return choose(); });
  // Enter or a double click on a row.
  onAccepted("?Browse", [this] { return choose(); });
}

ui::Level SelectJobByNameWindow::choose() {
  const int at = list_.current();
  if (at < 0 || at >= static_cast<int>(entries_.size())) return ui::Level::Notify;
  chosen_ = entries_[static_cast<std::size_t>(at)];
  complete(RequestCompleted);
  return ui::Level::Notify;
}

void SelectJobByNameWindow::closing() {
  RXQUEUE.clear();
  if (response() == RequestCompleted) RXQUEUE.push_back(chosen_);
}

}  // namespace crv::siblings

void SelectJobByName() { crv::siblings::SelectJobByNameWindow().run(); }
