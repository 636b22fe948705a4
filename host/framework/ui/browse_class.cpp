// The paged list over a primary table.
#include "host/framework/ui/browse_class.h"

#include <algorithm>
#include <stdexcept>

#include "host/framework/services/global_request.h"
#include "host/framework/values/text.h"

namespace crv::ui {

namespace {

int compareText(std::string_view a, std::string_view b, bool caseless) {
  if (!caseless) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  const std::size_t n = std::min(a.size(), b.size());
  // The storage orders such text by folding ASCII letters only.
  auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
  };
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned x = fold(a[i]);
    const unsigned y = fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <class T>
int compareValues(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

// Every public move runs inside one: it remembers the table's buffer and at
// the end leaves the highlighted row there (or the remembered buffer when
// nothing is highlighted) and marks the model changed.
class BrowseClass::Operation {
 public:
  explicit Operation(BrowseClass& list) : list_(list) { list_.saved_->copyFrom(list_.table_->buffer()); }
  ~Operation() {
    Record& buffer = list_.table_->buffer();
    if (const BrowseRow* row = list_.highlighted())
      buffer.copyFrom(*row->record);
    else
      buffer.copyFrom(*list_.saved_);
    ++list_.revision_;
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

 private:
  BrowseClass& list_;
};

BrowseClass::BrowseClass(Table& table, int visibleRows)
    : table_(&table),
      low_(table.def().newRecord()),
      high_(table.def().newRecord()),
      scratch_(table.def().newRecord()),
      saved_(table.def().newRecord()),
      visible_(std::max(1, visibleRows)) {}

BrowseClass::~BrowseClass() = default;

int BrowseClass::addColumn(std::string header, std::string field, std::string_view picture) {
  if (table_->buffer().layout().indexOf(field) < 0)
    throw std::invalid_argument("BrowseClass: " + table_->name() + " has no field " + field);
  BrowseColumn column{std::move(header), std::move(field), std::nullopt};
  if (!picture.empty()) column.picture = Picture::parse(picture);
  columns_.push_back(std::move(column));
  return static_cast<int>(columns_.size()) - 1;
}

int BrowseClass::addComputedColumn(std::string header, std::string_view picture) {
  BrowseColumn column{std::move(header), {}, std::nullopt};
  if (!picture.empty()) column.picture = Picture::parse(picture);
  columns_.push_back(std::move(column));
  return static_cast<int>(columns_.size()) - 1;
}

int BrowseClass::addSort(BrowseSort sort) {
  table_->def().resolve(sort.key());  // throws for a key of another table
  sorts_.push_back(std::move(sort));
  if (sorts_.size() == 1) resetRange();
  return static_cast<int>(sorts_.size()) - 1;
}

void BrowseClass::requireSort() const {
  if (sorts_.empty())
    throw std::logic_error("BrowseClass: list over " + table_->name() + " has no sort order");
}

void BrowseClass::resetRange() {
  requireSort();
  const BrowseSort& sort = current();
  const KeyDef& key = sort.key();
  // A text field of any case-blind key is compared without case everywhere,
  // so the list must compare it the same way to find the range's ends.
  caseless_.assign(key.size(), false);
  for (std::size_t i = 0; i < key.size(); ++i)
    for (const KeyDef* other : table_->def().keys())
      for (std::size_t j = 0; other->noCase && j < other->size(); ++j)
        if (std::string_view(other->fields[j]) == key.fields[i]) caseless_[i] = true;
  low_->clear();
  high_->clear();
  sort.applyRange(*low_, *high_);
}

int BrowseClass::compareKey(Record& a, Record& b, std::size_t parts) const {
  const KeyDef& key = current().key();
  const std::size_t n = parts == 0 ? key.size() : std::min(parts, key.size());
  for (std::size_t i = 0; i < n; ++i) {
    FieldRef x = a.field(key.fields[i]);
    FieldRef y = b.field(key.fields[i]);
    int c = 0;
    switch (x.kind()) {
      case FieldKind::Text:
        c = compareText(x.text(), y.text(), caseless_[i]);
        break;
      case FieldKind::Real:
        c = compareValues(x.real(), y.real());
        break;
      default:
        c = compareValues(x.integer(), y.integer());
        break;
    }
    if (c != 0) return c;
  }
  return 0;
}

void BrowseClass::scan(const Start& start, bool backwards, const std::function<bool(RowId)>& visit) {
  const BrowseSort& sort = current();
  const KeyDef& key = sort.key();
  const std::size_t range = sort.rangeParts();
  Record& buffer = table_->buffer();
  // `backwards` and the start are in the order the list shows; from here on
  // they are in key order.
  const bool reverse = backwards != sort.isDescending();
  Start::Kind kind = start.kind;
  if (sort.isDescending() && kind != Start::Kind::At)
    kind = kind == Start::Kind::ViewStart ? Start::Kind::ViewEnd : Start::Kind::ViewStart;
  const std::size_t startParts = start.parts == 0 ? key.size() : start.parts;

  // A start outside the range: reading toward the range begins at its edge,
  // reading away from it finds nothing.
  if (kind == Start::Kind::At && range > 0) {
    const std::size_t n = std::min(startParts, range);
    if (!reverse) {
      if (compareKey(*start.values, *high_, n) > 0) return;
      if (compareKey(*start.values, *low_, n) < 0) kind = Start::Kind::ViewStart;
    } else {
      if (compareKey(*start.values, *low_, n) < 0) return;
      if (compareKey(*start.values, *high_, n) > 0) kind = Start::Kind::ViewEnd;
    }
  }

  TableStatus status = TableStatus::Ok;
  switch (kind) {
    case Start::Kind::ViewStart:
    case Start::Kind::ViewEnd:
      if (range > 0) {
        buffer.copyFrom(kind == Start::Kind::ViewStart ? *low_ : *high_);
        status = table_->setFrom(key, range);
      } else {
        status = table_->set(key);
      }
      break;
    case Start::Kind::At:
      buffer.copyFrom(*start.values);
      if (start.hasRow) {
        // Identities are whole numbers: starting with the row itself is
        // starting just past its neighbour in the reading direction.
        const RowId edge = !start.inclusive ? start.row : reverse ? start.row + 1 : start.row - 1;
        status = table_->setAfter(key, edge);
      } else {
        status = table_->setFrom(key, startParts);
      }
      break;
  }
  if (status != TableStatus::Ok) return;

  while ((reverse ? table_->previous() : table_->next()) == TableStatus::Ok) {
    ++rowsRead_;
    const RowId row = table_->currentRow();
    if (range > 0 && (reverse ? compareKey(buffer, *low_, range) < 0 : compareKey(buffer, *high_, range) > 0))
      break;
    if (!validateRecord()) continue;
    if (!visit(row)) break;
  }
}

BrowseRow BrowseClass::makeRow(RowId id) {
  BrowseRow row;
  row.row = id;
  row.record = table_->def().newRecord();
  row.record->copyFrom(table_->buffer());
  row.cells.resize(columns_.size());
  setQueueRecord(row);
  return row;
}

void BrowseClass::requeue(BrowseRow& row) {
  table_->buffer().copyFrom(*row.record);
  row.cells.assign(columns_.size(), ListCell{});
  row.foreground.reset();
  row.background.reset();
  setQueueRecord(row);
}

std::vector<BrowseRow> BrowseClass::readRows(const Start& start, bool reverse, std::size_t wanted) {
  std::vector<BrowseRow> rows;
  if (wanted == 0) return rows;
  rows.reserve(std::min<std::size_t>(wanted, static_cast<std::size_t>(visible_)));
  scan(start, reverse, [&](RowId id) {
    rows.push_back(makeRow(id));
    return rows.size() < wanted;
  });
  return rows;
}

void BrowseClass::setQueueRecord(BrowseRow& row) {
  Record& buffer = table_->buffer();
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (!columns_[i].field.empty())
      row.cells[i].text = formatField(buffer.field(columns_[i].field), columns_[i].picture);
}

bool BrowseClass::validateRecord() {
  if (tagView_ != TagView::All) {
    const bool isTagged = tags_.contains(table_->currentRow());
    if (isTagged != (tagView_ == TagView::Tagged)) return false;
  }
  return current().accepts();
}

void BrowseClass::loadHome() {
  page_ = readRows(Start{}, false, static_cast<std::size_t>(visible_));
  selected_ = page_.empty() ? -1 : 0;
}

void BrowseClass::loadEnd() {
  Start start;
  start.kind = Start::Kind::ViewEnd;
  page_ = readRows(start, true, static_cast<std::size_t>(visible_));
  std::reverse(page_.begin(), page_.end());
  selected_ = static_cast<int>(page_.size()) - 1;
}

void BrowseClass::loadAround(Record& values, std::size_t parts, bool hasRow, RowId row, int keepIndex) {
  keepIndex = std::clamp(keepIndex, 0, visible_ - 1);
  Start at;
  at.kind = Start::Kind::At;
  at.values = &values;
  at.parts = parts;
  at.hasRow = hasRow;
  at.row = row;
  std::vector<BrowseRow> below = readRows(at, false, static_cast<std::size_t>(visible_ - keepIndex));
  if (below.empty()) {
    loadEnd();
    return;
  }
  // Rows above the target fill the page up to the target's old place, and
  // further when the view ends before the page is full.
  Start before;
  before.kind = Start::Kind::At;
  before.values = below.front().record.get();
  before.hasRow = true;
  before.row = below.front().row;
  before.inclusive = false;
  std::vector<BrowseRow> above = readRows(before, true, static_cast<std::size_t>(visible_) - below.size());
  std::reverse(above.begin(), above.end());
  selected_ = static_cast<int>(above.size());
  for (BrowseRow& r : below) above.push_back(std::move(r));
  page_ = std::move(above);
}

void BrowseClass::init() { init(GlobalRequest == SelectRecord); }

void BrowseClass::init(bool selecting) {
  requireSort();
  selectMode_ = selecting;
  initialised_ = true;
  home();
}

void BrowseClass::home() {
  Operation operation(*this);
  resetRange();
  locator_.clear();
  loadHome();
}

void BrowseClass::end() {
  Operation operation(*this);
  resetRange();
  locator_.clear();
  loadEnd();
}

void BrowseClass::refresh() {
  Operation operation(*this);
  resetRange();
  if (const BrowseRow* row = highlighted()) {
    scratch_->copyFrom(*row->record);
    loadAround(*scratch_, 0, true, row->row, selected_);
  } else {
    loadHome();
  }
}

void BrowseClass::resetFromBuffer() {
  Operation operation(*this);
  scratch_->copyFrom(table_->buffer());
  const RowId row = table_->currentRow();
  resetRange();
  loadAround(*scratch_, 0, row != 0, row, std::max(selected_, 0));
}

int BrowseClass::sortForColumn(int column) const {
  if (column < 0 || column >= columnCount()) return -1;
  const std::string& field = columns_[static_cast<std::size_t>(column)].field;
  if (field.empty()) return -1;
  for (int s = 0; s < sortCount(); ++s) {
    const BrowseSort& order = sorts_[static_cast<std::size_t>(s)];
    const int part = order.locatorPart();
    if (part < 0) continue;
    const char* keyField = order.key().fields[static_cast<std::size_t>(part)];
    if (keyField && equalsIgnoreCase(keyField, field)) return s;
  }
  return -1;
}

void BrowseClass::setSort(int index) {
  if (index < 0 || index >= sortCount()) throw std::out_of_range("BrowseClass: no such sort order");
  if (index == sort_) return;
  Operation operation(*this);
  const BrowseRow* row = highlighted();
  const RowId id = row ? row->row : 0;
  if (row) scratch_->copyFrom(*row->record);
  sort_ = index;
  locator_.clear();
  resetRange();
  if (!initialised_) return;
  if (row)
    loadAround(*scratch_, 0, true, id, selected_);
  else
    loadHome();
}

void BrowseClass::select(int row) {
  if (row < 0 || row >= rowCount()) return;
  Operation operation(*this);
  selected_ = row;
}

void BrowseClass::setVisibleRows(int rows) {
  rows = std::max(1, rows);
  if (rows == visible_) return;
  visible_ = rows;
  if (!initialised_) return;
  refresh();
}

void BrowseClass::scroll(int rows) {
  Operation operation(*this);
  if (page_.empty()) {
    resetRange();
    loadHome();
    return;
  }
  const long size = static_cast<long>(page_.size());
  const long from = std::max(selected_, 0);
  long target = from + rows;
  if (target >= 0 && target < size) {
    selected_ = static_cast<int>(target);
    return;
  }
  Start edge;
  edge.kind = Start::Kind::At;
  edge.hasRow = true;
  edge.inclusive = false;
  if (target >= size) {
    const BrowseRow& last = page_.back();
    edge.values = last.record.get();
    edge.row = last.row;
    std::vector<BrowseRow> more = readRows(edge, false, static_cast<std::size_t>(target - (size - 1)));
    const long total = size + static_cast<long>(more.size());
    target = std::min(target, total - 1);
    const long drop = std::max(0L, total - visible_);
    for (BrowseRow& r : more) page_.push_back(std::move(r));
    page_.erase(page_.begin(), page_.begin() + drop);
    selected_ = static_cast<int>(target - drop);
  } else {
    const BrowseRow& first = page_.front();
    edge.values = first.record.get();
    edge.row = first.row;
    std::vector<BrowseRow> more = readRows(edge, true, static_cast<std::size_t>(-target));
    const long added = static_cast<long>(more.size());
    std::reverse(more.begin(), more.end());
    page_.insert(page_.begin(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    if (static_cast<long>(page_.size()) > visible_) page_.resize(static_cast<std::size_t>(visible_));
    selected_ = static_cast<int>(std::max(0L, target + added));
  }
}

bool BrowseClass::parseLocator(FieldRef field, std::string_view typed) const {
  const auto& picture = current().locatorPicture();
  if (field.kind() == FieldKind::Text) {
    field.setText(typed);
    return true;
  }
  if (picture && picture->kind() == PictureKind::Date) {
    auto date = picture->parseDate(typed);
    if (!date) return false;
    field.setInteger(date->day());
    return true;
  }
  if (picture && picture->kind() == PictureKind::Number) {
    auto number = picture->parseNumber(typed);
    return number && field.assign(*number);
  }
  return field.assign(typed);
}

void BrowseClass::locate(std::string_view typed) {
  Operation operation(*this);
  resetRange();
  locator_ = std::string(typed);
  const int part = current().locatorPart();
  if (typed.empty() || part < 0) {
    loadHome();
    return;
  }
  // The fixed range fields and the typed value make the position; the
  // fields after the locator's do not count.
  scratch_->copyFrom(*low_);
  if (!parseLocator(scratch_->field(current().key().fields[static_cast<std::size_t>(part)]), typed)) return;
  loadAround(*scratch_, static_cast<std::size_t>(part) + 1, false, 0, 0);
}

const BrowseRow* BrowseClass::highlighted() const {
  if (selected_ < 0 || selected_ >= rowCount()) return nullptr;
  return &page_[static_cast<std::size_t>(selected_)];
}

TableStatus BrowseClass::reloadSelected() {
  const BrowseRow* row = highlighted();
  if (!row) return TableStatus::NotFound;
  Record& buffer = table_->buffer();
  for (const KeyDef* key : table_->def().keys()) {
    if (!key->unique) continue;
    buffer.copyFrom(*row->record);
    const TableStatus status = table_->fetch(*key);
    if (status != TableStatus::Ok) return status;
    if (table_->currentRow() == row->row) return status;
    break;
  }
  // Without a unique key, the row is found among those with its sort key.
  buffer.copyFrom(*row->record);
  TableStatus status = table_->setFrom(current().key());
  if (status != TableStatus::Ok) return status;
  while ((status = table_->next()) == TableStatus::Ok) {
    if (table_->currentRow() == row->row) return status;
    if (compareKey(buffer, *row->record, 0) != 0) break;
  }
  buffer.copyFrom(*row->record);
  return TableStatus::NotFound;
}

bool BrowseClass::chooseHighlighted() {
  if (reloadSelected() != TableStatus::Ok) return false;
  GlobalResponse = RequestCompleted;
  return true;
}

void BrowseClass::cancelChoice() { GlobalResponse = RequestCancelled; }

int BrowseClass::ask(int request) {
  if (!update_) return RequestCancelled;
  std::unique_ptr<Record> before;
  RowId beforeRow = 0;
  if (const BrowseRow* row = highlighted()) {
    before = table_->def().newRecord();
    before->copyFrom(*row->record);
    beforeRow = row->row;
  }
  if (request == InsertRecord) {
    table_->buffer().clear();
    primeRecord();
  } else if (!before || reloadSelected() != TableStatus::Ok) {
    refresh();
    return RequestCancelled;
  }

  GlobalRequest = request;
  GlobalResponse = RequestCancelled;
  update_();
  const int response = GlobalResponse;

  if (response == RequestCompleted && (request == InsertRecord || request == ChangeRecord)) {
    resetFromBuffer();
    return response;
  }
  if (response == RequestCompleted && request == DeleteRecord) tags_.untag(beforeRow);
  Operation operation(*this);
  resetRange();
  // The row the form started from, or the one after it when it was deleted.
  if (before)
    loadAround(*before, 0, true, beforeRow, selected_);
  else
    loadHome();
  return response;
}

void BrowseClass::setHeader(int index, std::string header) {
  columns_.at(static_cast<std::size_t>(index)).header = std::move(header);
  ++revision_;
}

std::string BrowseClass::header(int column) const {
  return columns_.at(static_cast<std::size_t>(column)).header;
}

const Picture* BrowseClass::columnPicture(int column) const {
  const auto& picture = columns_.at(static_cast<std::size_t>(column)).picture;
  return picture ? &*picture : nullptr;
}

ListCell BrowseClass::cell(int row, int column) const {
  const BrowseRow& r = page_.at(static_cast<std::size_t>(row));
  ListCell cell = r.cells.at(static_cast<std::size_t>(column));
  if (!cell.foreground) cell.foreground = r.foreground;
  if (!cell.background) cell.background = r.background;
  return cell;
}

bool BrowseClass::tagged(int row) const {
  if (row < 0 || row >= rowCount()) return false;
  return tags_.contains(page_[static_cast<std::size_t>(row)].row);
}

bool BrowseClass::toggleTag() {
  if (selected_ < 0) return false;
  Operation operation(*this);
  BrowseRow& row = page_[static_cast<std::size_t>(selected_)];
  const bool now = tags_.toggle(row.row);
  requeue(row);
  return now;
}

void BrowseClass::clearTags() {
  Operation operation(*this);
  tags_.clear();
  for (BrowseRow& row : page_) requeue(row);
}

void BrowseClass::untag(RowId row) {
  Operation operation(*this);
  tags_.untag(row);
  for (BrowseRow& shown : page_)
    if (shown.row == row) requeue(shown);
}

std::size_t BrowseClass::collectView(std::size_t limit, const std::function<bool(RowId)>& include,
                                     std::set<RowId>& out) {
  resetRange();
  std::size_t seen = 0;
  scan(Start{}, false, [&](RowId row) {
    if (include(row)) out.insert(row);
    return ++seen < limit;
  });
  return seen;
}

std::size_t BrowseClass::tagAll(std::size_t limit, const std::function<void()>& eachTagged) {
  Operation operation(*this);
  std::set<RowId> rows;
  if (limit > 0)
    collectView(
        limit,
        [&](RowId) {
          if (eachTagged) eachTagged();
          return true;
        },
        rows);
  tags_.clear();
  for (RowId row : rows) tags_.tag(row);
  for (BrowseRow& row : page_) requeue(row);
  return tags_.size();
}

std::size_t BrowseClass::reverseTags(std::size_t limit) {
  Operation operation(*this);
  std::set<RowId> rows;
  if (limit > 0)
    collectView(
        limit, [this](RowId row) { return !tags_.contains(row); }, rows);
  tags_.clear();
  for (RowId row : rows) tags_.tag(row);
  for (BrowseRow& row : page_) requeue(row);
  return tags_.size();
}

void BrowseClass::setTagView(TagView view) {
  if (view == tagView_) return;
  tagView_ = view;
  if (initialised_) refresh();
}

}  // namespace crv::ui
