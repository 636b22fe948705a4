// The fault-injecting backend: connections, stores and cursors that ask the
// backend before every read, write and commit.
#include "support/fault_injecting_backend.h"

#include <array>
#include <map>

#include "host/storage/sqlite/sqlite_backend.h"

namespace crv::test {
namespace {

class FaultyCursor final : public Cursor {
 public:
  FaultyCursor(std::unique_ptr<Cursor> inner, FaultInjectingBackend& backend, std::string table)
      : inner_(std::move(inner)), backend_(&backend), table_(std::move(table)) {}
  TableError next(Record& out, RowId& row) override {
    TableError error = inner_->next(out, row);
    if (error.failed()) return error;
    return backend_->intercept(StorageOp::Read, table_);
  }

 private:
  std::unique_ptr<Cursor> inner_;
  FaultInjectingBackend* backend_;
  std::string table_;
};

class FaultyStore final : public TableStore {
 public:
  FaultyStore(TableStore& inner, FaultInjectingBackend& backend, std::string table)
      : inner_(&inner), backend_(&backend), table_(std::move(table)) {}

  TableError insert(Record& record, RowId& row) override {
    if (TableError error = write(); error.failed()) return error;
    return inner_->insert(record, row);
  }
  TableError update(RowId row, const Record& record) override {
    if (TableError error = write(); error.failed()) return error;
    return inner_->update(row, record);
  }
  TableError remove(RowId row) override {
    if (TableError error = write(); error.failed()) return error;
    return inner_->remove(row);
  }
  TableError fetch(const KeyDef& key, const Record& values, Record& out, RowId& row) override {
    if (TableError error = read(); error.failed()) return error;
    return inner_->fetch(key, values, out, row);
  }
  TableError fetchRow(RowId row, Record& out) override {
    if (TableError error = read(); error.failed()) return error;
    return inner_->fetchRow(row, out);
  }
  std::unique_ptr<Cursor> scan(const ScanRequest& request) override {
    return std::make_unique<FaultyCursor>(inner_->scan(request), *backend_, table_);
  }
  TableError count(const ScanRequest& request, std::int64_t& rows) override {
    return inner_->count(request, rows);
  }

 private:
  TableError read() { return backend_->intercept(StorageOp::Read, table_); }
  TableError write() { return backend_->intercept(StorageOp::Write, table_); }

  TableStore* inner_;
  FaultInjectingBackend* backend_;
  std::string table_;
};

class FaultyConnection final : public Connection {
 public:
  FaultyConnection(std::unique_ptr<Connection> inner, FaultInjectingBackend& backend)
      : inner_(std::move(inner)), backend_(&backend) {}

  TableStore& store(const TableDef& def) override {
    auto& slot = stores_[def.name()];
    if (!slot) slot = std::make_unique<FaultyStore>(inner_->store(def), *backend_, def.name());
    return *slot;
  }
  TableError begin(std::chrono::milliseconds wait) override { return inner_->begin(wait); }
  TableError commit() override {
    if (TableError error = backend_->intercept(StorageOp::Commit, {}); error.failed()) return error;
    return inner_->commit();
  }
  TableError rollback() override { return inner_->rollback(); }
  int transactionDepth() const override { return inner_->transactionDepth(); }
  std::uint64_t writeGeneration() const override { return inner_->writeGeneration(); }
  std::string location() const override { return inner_->location(); }
  int schemaVersion() const override { return inner_->schemaVersion(); }

 private:
  std::unique_ptr<Connection> inner_;
  FaultInjectingBackend* backend_;
  std::map<std::string, std::unique_ptr<FaultyStore>> stores_;
};

}  // namespace

TableError faultError(Fault fault) {
  TableError error;
  switch (fault) {
    case Fault::Busy:
      return makeError(ErrorCode::FileLocked);
    case Fault::DiskFull:
      error = makeError(ErrorCode::DiskFull);
      error.fileCode = "13";
      error.fileMessage = "database or disk is full";
      return error;
    case Fault::IoError:
      error = makeError(ErrorCode::FileSystem);
      error.fileCode = "10";
      error.fileMessage = "disk I/O error";
      return error;
  }
  return error;
}

struct FaultInjectingBackend::Plan {
  StorageOp op = StorageOp::Write;
  int nth = 0;
  Fault fault = Fault::IoError;
  std::string table;
  std::array<int, 3> counted{};
  bool fired = false;
};

FaultInjectingBackend::FaultInjectingBackend() : FaultInjectingBackend(std::make_unique<SqliteBackend>()) {}

FaultInjectingBackend::FaultInjectingBackend(std::unique_ptr<StorageBackend> real) : real_(std::move(real)) {}

FaultInjectingBackend::~FaultInjectingBackend() = default;

std::string FaultInjectingBackend::name() const { return real_->name(); }

std::unique_ptr<Connection> FaultInjectingBackend::open(const std::string& location, const SchemaInfo& schema,
                                                        bool create) {
  return std::make_unique<FaultyConnection>(real_->open(location, schema, create), *this);
}

void FaultInjectingBackend::failNth(StorageOp op, int nth, Fault fault, std::string_view table) {
  std::lock_guard<std::mutex> lock(mutex_);
  plan_ = std::make_unique<Plan>();
  plan_->op = op;
  plan_->nth = nth;
  plan_->fault = fault;
  plan_->table = std::string(table);
}

void FaultInjectingBackend::disarm() {
  std::lock_guard<std::mutex> lock(mutex_);
  plan_.reset();
}

bool FaultInjectingBackend::fired() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return plan_ && plan_->fired;
}

int FaultInjectingBackend::counted(StorageOp op) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return plan_ ? plan_->counted[static_cast<std::size_t>(op)] : 0;
}

TableError FaultInjectingBackend::intercept(StorageOp op, std::string_view table) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!plan_) return {};
  if (op != StorageOp::Commit && !plan_->table.empty() && table != plan_->table) return {};
  const int count = ++plan_->counted[static_cast<std::size_t>(op)];
  if (plan_->fired || op != plan_->op || count != plan_->nth) return {};
  plan_->fired = true;
  return faultError(plan_->fault);
}

}  // namespace crv::test
