// The view a designer report reads: the records of a primary table in the
// order the report asks, each joined with its child records in turn (or
// alone when it has none), with the lookup records of each row fetched.
//
// The report's order is a list of the primary table's published fields,
// "POP:PONumber, -POP:IssueDate" ("-" for descending); the view reads the
// primary records once to sort them and keeps only their identifiers and
// sort values. Rows the filter refuses are skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "host/framework/report/report_bindings.h"
#include "host/framework/report/report_runtime.h"
#include "host/framework/values/scalars.h"

namespace crv {
class Table;
}

namespace crvpo {

struct DesignerViewTables {
  crv::Table* primary = nullptr;
  std::string primaryPrefix;  // "POP": the report may sort by the fields named so
  // Positions the primary table at the start of the records to read.
  std::function<bool()> positionPrimary;
  // The identifier of the primary record in the buffer, and fetching the
  // record by it again.
  std::function<crv::Id()> primaryId;
  std::function<bool(crv::Id)> fetchPrimary;
  crv::Table* child = nullptr;
  // Positions the child table on the children of the primary record.
  std::function<bool()> positionChildren;
  // Fetches the lookup records of the primary record in the buffer.
  std::function<void()> lookups;
};

class DesignerView {
 public:
  DesignerView(DesignerViewTables tables, const crv::ReportBindings& bindings)
      : tables_(std::move(tables)), bindings_(bindings) {}

  // Reads the primary records in the report's order; an order naming
  // something else than the primary table's fields is ignored, and what to
  // tell the person about it is answered (blank when all is well).
  // `filter` answers whether the row in the buffers belongs to the view.
  std::string open(const std::string& order, std::function<bool()> filter);
  crv::FeedRow next(std::uint64_t& group);
  void close();
  std::size_t primaryRecords() const { return ids_.size(); }

 private:
  using SortValue = std::variant<std::int64_t, double, std::string>;
  struct SortField {
    const crv::FieldRef* value;
    bool descending;
  };
  struct Entry {
    crv::Id id;
    std::vector<SortValue> keys;
  };

  std::vector<SortField> sortFields(const std::string& order, std::string& refusal) const;
  static SortValue sortValue(const crv::FieldRef& value);
  bool accepted() const { return !filter_ || filter_(); }
  bool nextPrimary();

  DesignerViewTables tables_;
  const crv::ReportBindings& bindings_;
  std::function<bool()> filter_;
  std::vector<crv::Id> ids_;
  std::size_t next_ = 0;
  bool inChildren_ = false;
  crv::Id current_ = 0;
};

}  // namespace crvpo
