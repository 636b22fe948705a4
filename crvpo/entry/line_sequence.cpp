// Moving a line within its order.
#include "crvpo/entry/line_sequence.h"

#include <stdexcept>
#include <vector>

#include "crvpo/entry/order_lines.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/transaction.h"

namespace crvpo {
namespace {

constexpr const char* notMovedText = "The line was not moved.";

struct Place {
  crv::Id detail = 0;
  crv::Id sequence = 0;
};

// The new sequence numbers: the lines' own numbers handed out again in the
// new order of the lines.
std::vector<Place> reordered(const std::vector<Place>& places, std::size_t from, LineMove move) {
  std::vector<Place> lines = places;
  const Place moved = lines[from];
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from));
  std::size_t to = from;
  switch (move) {
    case LineMove::Up:
      to = from - 1;
      break;
    case LineMove::Down:
      to = from + 1;
      break;
    case LineMove::ToTop:
      to = 0;
      break;
    case LineMove::ToBottom:
      to = lines.size();
      break;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(to), moved);
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i].sequence = places[i].sequence;
  return lines;
}

// Writes the new sequence numbers of the order's lines.
void renumber(crv::TableSteps& steps, crv::Connection& connection, crv::Id poid, crv::Id detailId,
              LineMove move) {
  std::vector<Place> places;
  forEachLine(steps, connection, poid, [&](const crv::PODetailRecord& line) {
    places.push_back({line.DetailID, line.SequenceNo});
  });
  std::size_t at = 0;
  while (at < places.size() && places[at].detail != detailId) ++at;
  const bool first = at == 0;
  const bool last = at + 1 >= places.size();
  if (at == places.size() || ((move == LineMove::Up || move == LineMove::ToTop) && first) ||
      ((move == LineMove::Down || move == LineMove::ToBottom) && last))
    return;

  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  for (const Place& place : reordered(places, at, move)) {
    lines.rec.DetailID = place.detail;
    if (!steps.fetch(lines.table, crv::PODetailRecord::KeyDetailID) || lines.rec.SequenceNo == place.sequence)
      continue;
    lines.rec.SequenceNo = place.sequence;
    steps.update(lines.table);
  }
}

}  // namespace

OperationOutcome moveLine(crv::Connection& connection, crv::Id poid, crv::Id detailId, LineMove move) {
  OperationOutcome outcome;
  std::optional<crv::StepFailure> failure;
  try {
    failure = crv::runAtomically(connection, crv::Transaction::defaultWait, "PODetail", crv::TableOp::Saving,
                                 [&](crv::TableSteps& steps) {
                                   renumber(steps, connection, poid, detailId, move);
                                   return true;
                                 });
  } catch (const std::exception& error) {
    return outcome.fail(std::string(error.what()) + "||" + notMovedText, {});
  }
  if (failure) return outcome.fail(failureText(*failure, notMovedText), {});
  return OperationOutcome::success();
}

}  // namespace crvpo
