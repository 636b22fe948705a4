// Committed-cost recalculation against a set-based floor, and one save.
//
// Builds a company of 100,000 orders with 1,000,000 job lines across
// 2,000 jobs (10 cost lines each, one change-order detail per job) with
// every committed figure stale, then in the same run:
//   - the recalculation through the table layer, timed, with its peak
//     resident memory;
//   - the same figures rebuilt with set-based SQL (one grouped UPDATE per
//     table after clearing), timed: the floor;
//   - a check that both arrive at the same totals;
//   - one save of an order of 50 lines, timed over several saves;
//   - with a PostgreSQL server given (bench/bench_engines.h), the same company
//     copied there (before any figure is mended) and the recalculation and
//     the set-based floor run on the server, side by side.
// Beside wall time each figure gives the CPU time it took (user and system):
// this process's, and on the server that of every server process (the
// private server of scripts/bench.sh serves nobody else), so that figures
// taken on a busy machine stay comparable.
//
//   recalc_bench [orders] [lines per order]   (default 100000 10)
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench/bench_engines.h"
#include "crvpo/entry/purchase_order_save.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/data/company.h"
#include "host/data/company_copy.h"
#include "host/data/shared_values.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/services/global_request.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int jobs = 2000;
constexpr int codesPerJob = 10;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

double ownCpu() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto of = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return of(usage.ru_utime) + of(usage.ru_stime);
}

// Fields 14 to 17 of /proc/PID/stat: user and system time of the process
// and of its children that ended, in clock ticks; the parent's id in `parent`.
double processCpu(const std::string& pid, bool withEnded, long& parent) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string text;
  std::getline(stat, text);
  const std::size_t end = text.rfind(')');
  if (end == std::string::npos) return 0;
  std::istringstream rest(text.substr(end + 2));
  std::string field;
  long ticks[4] = {};
  for (int i = 3; i <= 17 && rest >> field; ++i) {
    if (i == 4) parent = std::atol(field.c_str());
    if (i >= 14) ticks[i - 14] = std::atol(field.c_str());
  }
  const long sum = ticks[0] + ticks[1] + (withEnded ? ticks[2] + ticks[3] : 0);
  return static_cast<double>(sum) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The CPU time of the private server's processes so far: the postmaster
// with the server processes that ended, and those still running.
double serverCpu() {
  const char* folder = std::getenv("CRV_TEST_PG_FOLDER");
  if (!folder) return 0;
  std::ifstream pidFile(std::string(folder) + "/data/postmaster.pid");
  std::string postmaster;
  if (!std::getline(pidFile, postmaster)) return 0;
  long parent = 0;
  double total = processCpu(postmaster, true, parent);
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string pid = entry.path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    const double cpu = processCpu(pid, false, parent);
    if (std::to_string(parent) == postmaster) total += cpu;
  }
  return total;
}

// What one step took: wall time, and CPU time here and on the server.
struct Cost {
  double wall = 0, cpu = 0, serverCpu = 0;
  double totalCpu() const { return cpu + serverCpu; }
  std::string text() const {
    char line[120];
    std::snprintf(line, sizeof line, "%7.2f s wall, %7.2f s CPU (%.2f here, %.2f on the server)", wall,
                  totalCpu(), cpu, serverCpu);
    return line;
  }
};

// `onServer`: the step runs on the server, whose CPU time counts too.
template <class Step>
Cost measure(bool onServer, Step step) {
  const double cpuBefore = ownCpu();
  const double serverBefore = onServer ? serverCpu() : 0;
  const auto start = Clock::now();
  step();
  return {seconds(start), ownCpu() - cpuBefore, onServer ? serverCpu() - serverBefore : 0};
}

long statusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  return -1;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string text = error ? error : "?";
    sqlite3_free(error);
    throw std::runtime_error(text + " in: " + sql.substr(0, 80));
  }
}

struct Statement {
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db));
  }
  ~Statement() { sqlite3_finalize(s); }
  void run() {
    if (sqlite3_step(s) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(s)));
    sqlite3_reset(s);
  }
  sqlite3_stmt* s = nullptr;
};

std::string job(int j) { return std::to_string(10000 + j); }
std::string code(int c) { return "0" + std::to_string(c) + "-100M"; }

void fill(const fs::path& file, int orders, int linesPerOrder) {
  sqlite3* db = nullptr;
  sqlite3_open(file.string().c_str(), &db);
  exec(db, "BEGIN");
  {
    Statement cost(
        db, "INSERT INTO JCCost (RecordID, JobID, CostCode, Committed, COCommitted) VALUES (?,?,?,?,?)");
    Statement detail(db, "INSERT INTO JCCOD (CODID, COID, JobID, CostCode, Committed) VALUES (?,?,?,?,?)");
    for (int j = 0; j < jobs; ++j) {
      for (int c = 0; c < codesPerJob; ++c) {
        const std::string id = crv::JCCostRecord::recordIdFor(job(j), code(c), 6);
        sqlite3_bind_text(cost.s, 1, id.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(cost.s, 2, job(j).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(cost.s, 3, code(c).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(cost.s, 4, 123);  // stale figures
        sqlite3_bind_int64(cost.s, 5, 45);
        cost.run();
      }
      sqlite3_bind_int64(detail.s, 1, j + 1);
      sqlite3_bind_int64(detail.s, 2, j + 1);
      sqlite3_bind_text(detail.s, 3, job(j).c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(detail.s, 4, code(0).c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int64(detail.s, 5, 77);
      detail.run();
    }
    Statement order(db,
                    "INSERT INTO POMaster (POID, PONumber, VendorID, POAmount, SortPONumber, SortVendorID) "
                    "VALUES (?,?,101,?,?,101)");
    Statement line(
        db,
        "INSERT INTO PODetail (POID, SequenceNo, DetailType, JobID, CostCode, QtyOrdered, QtyInvoiced, "
        "UnitPrice, TotalAmount, AmountInvoiced, Reconciliation, CODetailID, Description) "
        "VALUES (?,?,'Job',?,?,?,?,?,?,?,?,?,'Framing lumber, kiln dried')");
    std::uint64_t seed = 42;
    auto random = [&seed](int n) {
      seed = seed * 6364136223846793005ull + 1442695040888963407ull;
      return static_cast<int>((seed >> 33) % static_cast<std::uint64_t>(n));
    };
    for (int o = 1; o <= orders; ++o) {
      const int j = random(jobs);
      std::int64_t total = 0;
      for (int l = 1; l <= linesPerOrder; ++l) {
        const int qty = 1 + random(40);
        const int cents = 100 + random(20000);
        const int invoiced = random(4) == 0 ? random(qty + 1) : 0;
        const std::int64_t amount = static_cast<std::int64_t>(qty) * cents;
        total += amount;
        sqlite3_bind_int64(line.s, 1, o);
        sqlite3_bind_int64(line.s, 2, l);
        sqlite3_bind_text(line.s, 3, job(j).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(line.s, 4, code(random(codesPerJob)).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(line.s, 5, qty * 10000LL);
        sqlite3_bind_int64(line.s, 6, invoiced * 10000LL);
        sqlite3_bind_double(line.s, 7, cents / 100.0);
        sqlite3_bind_int64(line.s, 8, amount);
        sqlite3_bind_int64(line.s, 9, static_cast<std::int64_t>(invoiced) * cents);
        sqlite3_bind_int(line.s, 10, invoiced == qty ? 2 : invoiced > 0 ? 1 : 0);
        sqlite3_bind_int64(line.s, 11, random(10) == 0 ? j + 1 : 0);
        line.run();
      }
      const std::string number = std::to_string(100000 + o);
      sqlite3_bind_int64(order.s, 1, o);
      sqlite3_bind_text(order.s, 2, number.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int64(order.s, 3, total);
      sqlite3_bind_text(order.s, 4, number.c_str(), -1, SQLITE_TRANSIENT);
      order.run();
    }
  }
  exec(db, "COMMIT");
  sqlite3_close(db);
}

// The same figures rebuilt with one grouped UPDATE per table. `halfUp`
// divides a quantity sum by 100 rounding half up, in the engine's words.
std::vector<std::string> floorStatements(const std::string& halfUp) {
  return {
      "UPDATE JCCost SET Committed = 0, COCommitted = 0",
      "UPDATE JCCOD SET Committed = 0",
      "CREATE TEMP TABLE OpenLines AS SELECT d.JobID, d.CostCode, d.CODetailID, "
      "d.TotalAmount - d.AmountInvoiced AS Open FROM PODetail d JOIN POMaster m ON m.POID = d.POID "
      "WHERE d.Reconciliation <> 2 AND d.QtyOrdered <> d.QtyInvoiced AND d.DetailType = 'Job' AND "
      "d.TextFlag = 0 "
      "AND EXISTS (SELECT 1 FROM JCCost c WHERE c.JobID = d.JobID AND c.CostCode = d.CostCode)",
      "UPDATE JCCost SET Committed = a.Total, COCommitted = a.OnChangeOrders FROM (SELECT JobID, CostCode, "
      "SUM(Open) AS Total, SUM(CASE WHEN CODetailID <> 0 AND EXISTS (SELECT 1 FROM JCCOD x WHERE x.CODID = "
      "CODetailID) THEN Open ELSE 0 END) AS OnChangeOrders FROM OpenLines GROUP BY JobID, CostCode) a "
      "WHERE JCCost.JobID = a.JobID AND JCCost.CostCode = a.CostCode",
      "UPDATE JCCOD SET Committed = a.Total FROM (SELECT CODetailID, SUM(Open) AS Total FROM OpenLines "
      "WHERE CODetailID <> 0 GROUP BY CODetailID) a WHERE JCCOD.CODID = a.CODetailID",
      "UPDATE POMaster SET QuantityReconciled = " + halfUp +
          ", AmountReconciled = a.Amount FROM "
          "(SELECT POID, SUM(QtyInvoiced) AS Quantity, SUM(AmountInvoiced) AS Amount FROM PODetail GROUP BY "
          "POID) a "
          "WHERE POMaster.POID = a.POID",
      "DROP TABLE OpenLines"};
}

const char* totalsQuery =
    "SELECT (SELECT SUM(Committed) FROM JCCost), (SELECT SUM(COCommitted) FROM JCCost), "
    "(SELECT SUM(Committed) FROM JCCOD), (SELECT SUM(QuantityReconciled) FROM POMaster), "
    "(SELECT SUM(AmountReconciled) FROM POMaster)";

void setBasedFloor(const fs::path& file) {
  sqlite3* db = nullptr;
  sqlite3_open(file.string().c_str(), &db);
  exec(db, "BEGIN IMMEDIATE");
  for (const std::string& sql : floorStatements("(a.Quantity + 50) / 100")) exec(db, sql);
  exec(db, "COMMIT");
  sqlite3_close(db);
}

// The server side: the company's schema through a connection of its own.
class Server {
 public:
  explicit Server(const fs::path& folder) {
    const crv::ServerCompany server = crv::CompanyStorage(folder).server();
    const std::string options = "-c search_path=" + server.schema;
    const char* keywords[] = {"host", "port", "dbname", "user", "options", nullptr};
    const char* values[] = {server.host.c_str(), server.port.c_str(), server.database.c_str(),
                            server.user.c_str(), options.c_str(),     nullptr};
    conn_ = PQconnectdbParams(keywords, values, 0);
    if (PQstatus(conn_) != CONNECTION_OK) throw std::runtime_error(PQerrorMessage(conn_));
  }
  ~Server() { PQfinish(conn_); }
  std::string run(const std::string& sql) {
    PGresult* result = PQexec(conn_, sql.c_str());
    const ExecStatusType status = PQresultStatus(result);
    std::string text;
    if (status == PGRES_TUPLES_OK)
      for (int i = 0; i < PQnfields(result); ++i) text += std::string(PQgetvalue(result, 0, i)) + " ";
    const std::string error = PQresultErrorMessage(result);
    PQclear(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
      throw std::runtime_error(error + " in: " + sql);
    return text;
  }

 private:
  PGconn* conn_ = nullptr;
};

void setBasedFloorOnServer(const fs::path& folder) {
  Server server(folder);
  server.run("BEGIN");
  for (const std::string& sql : floorStatements("div(a.Quantity + 50, 100)")) server.run(sql);
  server.run("COMMIT");
}

std::string totals(const fs::path& file) {
  sqlite3* db = nullptr;
  sqlite3_open(file.string().c_str(), &db);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, totalsQuery, -1, &s, nullptr);
  std::string text;
  if (sqlite3_step(s) == SQLITE_ROW)
    for (int i = 0; i < 5; ++i) text += std::to_string(sqlite3_column_int64(s, i)) + " ";
  sqlite3_finalize(s);
  sqlite3_close(db);
  return text;
}

struct Counting final : crvpo::RecalcObserver {
  void costLineChanged(const crvpo::CostLineChange&) override { ++costs; }
  void orderChanged(const crvpo::OrderChange&) override { ++orders; }
  void stopped(const std::string& why) override { std::fprintf(stderr, "stopped: %s\n", why.c_str()); }
  long costs = 0, orders = 0;
};

double timeSave(const fs::path& folder) {
  auto company = crv::Company::open(folder);
  crv::POMaster.open();
  crv::POM.POID = 1;
  if (crv::POMaster.fetch(crv::POM.KeyPOID) != crv::TableStatus::Ok) throw std::runtime_error("no order 1");
  crv::PODetail.open();
  // Order 1 gets 50 lines on its job's cost lines.
  crv::POD.clear();
  crv::POD.POID = 1;
  crv::PODetail.setRange(crv::POD.KeyPOID, 1);
  crv::PODetail.next();
  crv::PODetailRecord model = crv::POD;
  for (crv::Id sequence = 100; sequence < 140; ++sequence) {
    crv::POD = model;
    crv::POD.DetailID = 0;
    crv::POD.SequenceNo = sequence;
    crv::PODetail.insert();
  }
  crvpo::OpeningCommitments opening = *crvpo::OpeningCommitments::ofOrder(company->connection(), 1);
  constexpr int saves = 20;
  const auto start = Clock::now();
  for (int i = 0; i < saves; ++i) {
    crv::POMaster.fetch(crv::POM.KeyPOID);
    if (!crvpo::PurchaseOrderSave().save(crv::ChangeRecord, opening).done)
      throw std::runtime_error("save failed");
  }
  const double each = seconds(start) / saves;
  std::printf("  order of %zu lines\n", opening.entries().size());
  crv::PODetail.close();
  crv::POMaster.close();
  return each;
}

// The recalculation through the table layer: what it took, and its peak
// memory printed.
Cost recalculate(const fs::path& folder, bool onServer) {
  auto company = crv::Company::open(folder);
  const long before = statusKb("VmRSS:");
  resetPeak();
  Counting counting;
  crvpo::RecalcSummary summary;
  const Cost cost = measure(
      onServer, [&] { summary = crvpo::CommittedCostRecalculation(company->connection()).run(counting); });
  std::printf("recalculation:  %s\n  (%ld cost lines and %ld orders changed, %lld lines committing)\n",
              cost.text().c_str(), counting.costs, counting.orders,
              static_cast<long long>(summary.linesCommitted));
  std::printf("  peak resident memory: %ld KB above the %ld KB before the run\n", statusKb("VmHWM:") - before,
              before);
  return cost;
}

void compare(const Cost& recalc, const Cost& floor, const char* target, const std::string& byRecalc,
             const std::string& bySql) {
  std::printf("set-based SQL:  %s\n", floor.text().c_str());
  std::printf("ratio:          %7.2f x the floor by wall time, %.2f x by CPU time (target: %s)\n",
              recalc.wall / floor.wall, recalc.totalCpu() / floor.totalCpu(), target);
  std::printf("same figures:   %s\n", byRecalc == bySql ? "yes" : ("NO: " + byRecalc + "/ " + bySql).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const int orders = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int linesPerOrder = argc > 2 ? std::atoi(argv[2]) : 10;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const fs::path folder = fs::temp_directory_path() / ("recalc_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  try {
    crv::CostCodeLen = 6;
    crv::Company::open(folder, true).reset();
    const auto filling = Clock::now();
    fill(folder / crv::Company::databaseFileName, orders, linesPerOrder);
    std::printf("company: %d orders, %d lines, %d jobs, %d cost lines (built in %.1f s)\n", orders,
                orders * linesPerOrder, jobs, jobs * codesPerJob, seconds(filling));

    fs::path server;
    if (bench::haveServer()) {
      server = folder.parent_path() / (folder.filename().string() + "_server");
      bench::prepareServerFolder(server);
      const auto copying = Clock::now();
      const crv::CompanyCopyResult copy = crv::copyCompany(folder, server);
      std::printf("copied to PostgreSQL in %.1f s (%s)\n", seconds(copying),
                  copy.verified() ? "counts and checksums match" : copy.error.c_str());
    }

    std::printf("-- SQLite\n");
    const Cost recalcCost = recalculate(folder, false);
    const std::string byRecalc = totals(folder / crv::Company::databaseFileName);
    const Cost floorCost = measure(false, [&] { setBasedFloor(folder / crv::Company::databaseFileName); });
    compare(recalcCost, floorCost, "within 1.5x", byRecalc, totals(folder / crv::Company::databaseFileName));

    if (!server.empty()) {
      std::printf("-- PostgreSQL\n");
      const Cost serverCost = recalculate(server, true);
      const std::string byServerRecalc = Server(server).run(totalsQuery);
      const Cost serverFloor = measure(true, [&] { setBasedFloorOnServer(server); });
      compare(serverCost, serverFloor, "within 3x", byServerRecalc, Server(server).run(totalsQuery));
      std::printf("one save:       %7.2f ms\n", timeSave(server) * 1000);
      fs::remove_all(server);
    } else {
      std::printf("PostgreSQL: no server given (scripts/bench.sh starts one)\n");
    }
    std::printf("-- SQLite\n");
    const double save = timeSave(folder);
    std::printf("one save:       %7.2f ms\n", save * 1000);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "recalc_bench: %s\n", error.what());
    fs::remove_all(folder);
    return 1;
  }
  fs::remove_all(folder);
  return 0;
}
