// Reading an order's lines.
#include "crvpo/entry/order_lines.h"

#include "host/framework/table/private_table.h"

namespace crvpo {
namespace {

// A read outside a transaction only needs to know whether every line was
// read; the steps count the failures.
class UnreportedFailures final : public crv::StepFailureSink {
 public:
  void stepFailed(const crv::StepFailure&) override {}
};

}  // namespace

void forEachLine(crv::TableSteps& steps, crv::Connection& connection, crv::Id poid,
                 const std::function<void(const crv::PODetailRecord&)>& visit) {
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  if (!steps.check(lines.table.setRange(crv::PODetailRecord::KeyPOID, 1), lines.table, crv::TableOp::Reading))
    return;
  while (steps.next(lines.table)) visit(lines.rec);
}

std::vector<crv::PODetailRecord> readOrderLines(crv::TableSteps& steps, crv::Connection& connection,
                                                crv::Id poid) {
  std::vector<crv::PODetailRecord> lines;
  forEachLine(steps, connection, poid, [&](const crv::PODetailRecord& line) { lines.push_back(line); });
  return lines;
}

bool forEachLine(crv::Connection& connection, crv::Id poid,
                 const std::function<void(const crv::PODetailRecord&)>& visit) {
  UnreportedFailures sink;
  crv::TableSteps steps(sink);
  forEachLine(steps, connection, poid, visit);
  return steps.failures() == 0;
}

std::optional<std::vector<crv::PODetailRecord>> readOrderLines(crv::Connection& connection, crv::Id poid) {
  UnreportedFailures sink;
  crv::TableSteps steps(sink);
  std::vector<crv::PODetailRecord> lines = readOrderLines(steps, connection, poid);
  if (steps.failures() != 0) return std::nullopt;
  return lines;
}

}  // namespace crvpo
