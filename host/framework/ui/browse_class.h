// A list over a primary table: the paged view that list windows draw through
// ListModel.
//
// The list reads its primary table in the order of one of its sort orders
// (a key, a range, a filter; see BrowseSort) and holds only one page of rows,
// at most visibleRows(). Each move re-reads only what it needs by positioning
// the table at the key values and identity of the row at the page's edge and
// reading next or previous from there, so showing a page never reads the
// whole table, however large; a filter only makes it read past the rows it
// skips.
//
// Each row read passes through setQueueRecord(), with the row in the table's
// buffer, to produce its cells: the columns formatted by their pictures,
// computed columns, icons and colours. After every move the table's buffer
// holds the highlighted row (or what it held before when the list is empty);
// reloadSelected() also makes that row the table's current row, so that a
// form can change or delete it.
//
// The buttons of a list call a form procedure with GlobalRequest set (ask())
// and then reload the page around the row the form leaves behind: the added
// or changed row, or the row after a deleted one. A list opened with
// GlobalRequest = SelectRecord is choosing a row: chooseHighlighted() leaves
// the chosen record in the table's buffer and answers RequestCompleted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/table/table.h"
#include "host/framework/ui/browse_column.h"
#include "host/framework/ui/browse_row.h"
#include "host/framework/ui/browse_sort.h"
#include "host/framework/ui/browse_tags.h"
#include "host/framework/ui/list_model.h"

namespace crv::ui {

// Which rows a list shows with regard to its tags.
enum class TagView { All, Tagged, Untagged };

class BrowseClass : public ListModel {
 public:
  // "Tag all" stops after this many rows unless told otherwise.
  static constexpr std::size_t defaultTagLimit = 100000;

  explicit BrowseClass(Table& table, int visibleRows = 10);
  ~BrowseClass() override;
  BrowseClass(const BrowseClass&) = delete;
  BrowseClass& operator=(const BrowseClass&) = delete;

  Table& table() { return *table_; }

  // Columns, in display order; each returns the column's index.
  int addColumn(std::string header, std::string field, std::string_view picture = {});
  int addComputedColumn(std::string header, std::string_view picture = {});
  const BrowseColumn& column(int index) const { return columns_.at(static_cast<std::size_t>(index)); }
  void setHeader(int index, std::string header);

  // Sort orders; the first one added is current until setSort().
  int addSort(BrowseSort sort);
  int sortCount() const { return static_cast<int>(sorts_.size()); }
  const BrowseSort& sort(int index) const { return sorts_.at(static_cast<std::size_t>(index)); }
  int currentSort() const { return sort_; }
  // Switches the sort order, keeping the highlighted row highlighted when the
  // new order shows it (otherwise the row after where it would be).
  void setSort(int index);
  // The sort order that sorts by a column: the one whose locator field (the
  // first key field its range leaves free) is the column's field; -1 when
  // there is none or the column is computed.
  int sortForColumn(int column) const;

  // The form procedure the buttons call.
  void setUpdateProcedure(std::function<void()> procedure) { update_ = std::move(procedure); }

  // Starts the list: notes whether it was opened to choose a row and shows
  // the first page. Without an argument the list is choosing when
  // GlobalRequest is SelectRecord now.
  void init();
  void init(bool selecting);
  bool selectMode() const { return selectMode_; }
  // Selection: puts the highlighted record in the table's buffer and answers
  // RequestCompleted; false (and nothing answered) when no row can be chosen.
  bool chooseHighlighted();
  // Selection given up: answers RequestCancelled.
  void cancelChoice();

  // A button: InsertRecord, ChangeRecord, DeleteRecord or ViewRecord. Loads
  // the highlighted row (a cleared, primed buffer for an insert), calls the
  // form with GlobalRequest set, reloads the page around the row the form
  // leaves behind and returns GlobalResponse. Lists whose buttons check
  // something before the form opens override it and call it when they go on.
  virtual int ask(int request);

  // The highlighted row, nullptr when the list is empty.
  const BrowseRow* highlighted() const;
  // Reads the highlighted row afresh into the table's buffer and makes it the
  // table's current row. NotFound when another station deleted it.
  TableStatus reloadSelected();
  // Reloads the page around the row now in the table's buffer (its key
  // values and the table's current row), e.g. after a search found an order.
  void resetFromBuffer();

  // Tags.
  const BrowseTags& tags() const { return tags_; }
  // Toggles the highlighted row; returns whether it is tagged afterwards.
  bool toggleTag();
  void clearTags();
  // Untags one row, e.g. one that was deleted.
  void untag(RowId row);
  // Tags exactly the rows of the current view (range, filter, tag view), at
  // most `limit` of them, reading in key order; returns how many are tagged.
  // `eachTagged` is called for every row tagged while the table's buffer
  // holds it, so that figures of the tagged rows come from the same pass.
  std::size_t tagAll(std::size_t limit = defaultTagLimit, const std::function<void()>& eachTagged = {});
  // Tags the rows of the current view that were not tagged and untags the
  // rest, reading at most `limit` rows; returns how many are tagged.
  std::size_t reverseTags(std::size_t limit = defaultTagLimit);
  TagView tagView() const { return tagView_; }
  void setTagView(TagView view);

  // The text last given to locate().
  const std::string& locatorText() const { return locator_; }

  // Rows read from the table since the list was made, filtered or not.
  std::int64_t rowsRead() const { return rowsRead_; }

  // ListModel.
  int columnCount() const override { return static_cast<int>(columns_.size()); }
  std::string header(int column) const override;
  const Picture* columnPicture(int column) const override;
  int rowCount() const override { return static_cast<int>(page_.size()); }
  ListCell cell(int row, int column) const override;
  bool tagged(int row) const override;
  int selected() const override { return selected_; }
  void select(int row) override;
  int visibleRows() const override { return visible_; }
  void setVisibleRows(int rows) override;
  void scroll(int rows) override;
  void home() override;
  void end() override;
  void locate(std::string_view typed) override;
  void refresh() override;
  std::uint64_t revision() const override { return revision_; }

 protected:
  // Fills a row's cells; the row is in the table's buffer. The default
  // formats every field column through its picture; overrides add computed
  // columns, icons and colours, and must not move the primary table.
  virtual void setQueueRecord(BrowseRow& row);
  // Whether the row in the table's buffer belongs to the list: by default the
  // sort's filter and the tag view.
  virtual bool validateRecord();
  // Prepares the cleared buffer before an insert form runs.
  virtual void primeRecord() {}

 private:
  // Where reading starts.
  struct Start {
    enum class Kind { ViewStart, ViewEnd, At } kind = Kind::ViewStart;
    Record* values = nullptr;  // for At: the key values
    std::size_t parts = 0;     // leading key fields of `values` that count; 0 all
    bool hasRow = false;       // with `row`: a position among rows of equal keys
    RowId row = 0;
    bool inclusive = true;  // whether the row at `values`/`row` itself is read
  };
  class Operation;

  const BrowseSort& current() const { return sorts_.at(static_cast<std::size_t>(sort_)); }
  void requireSort() const;
  void resetRange();
  int compareKey(Record& a, Record& b, std::size_t parts) const;
  void scan(const Start& start, bool reverse, const std::function<bool(RowId)>& visit);
  std::vector<BrowseRow> readRows(const Start& start, bool reverse, std::size_t wanted);
  BrowseRow makeRow(RowId row);
  void requeue(BrowseRow& row);
  void loadHome();
  void loadEnd();
  void loadAround(Record& values, std::size_t parts, bool hasRow, RowId row, int keepIndex);
  bool parseLocator(FieldRef field, std::string_view typed) const;
  std::size_t collectView(std::size_t limit, const std::function<bool(RowId)>& include, std::set<RowId>& out);

  Table* table_;
  std::vector<BrowseColumn> columns_;
  std::vector<BrowseSort> sorts_;
  int sort_ = 0;
  std::vector<bool> caseless_;  // per key field of the current sort
  std::unique_ptr<Record> low_;
  std::unique_ptr<Record> high_;
  std::unique_ptr<Record> scratch_;
  std::unique_ptr<Record> saved_;
  std::vector<BrowseRow> page_;
  int selected_ = -1;
  int visible_;
  std::uint64_t revision_ = 0;
  BrowseTags tags_;
  TagView tagView_ = TagView::All;
  std::string locator_;
  std::function<void()> update_;
  bool initialised_ = false;
  bool selectMode_ = false;
  std::int64_t rowsRead_ = 0;
};

}  // namespace crv::ui
