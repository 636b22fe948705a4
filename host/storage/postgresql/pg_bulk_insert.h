// Bulk inserts on a PostgreSQL company: rows gathered in COPY's text form
// and sent a few megabytes at a time with COPY ... FROM STDIN, one round
// trip per batch rather than one per row.
#pragma once

#include <cstdint>
#include <string>

#include "host/framework/storage/bulk_insert.h"
#include "host/storage/postgresql/pg_connection.h"

namespace crv::postgresql {

class PgBulkInsert final : public BulkInsert {
 public:
  PgBulkInsert(PgConnection& connection, PgTableStore& store);

 protected:
  TableError take(Record& record) override;
  TableError send() override;

 private:
  void append(Record& record, bool numbered);

  PgConnection* connection_;
  PgTableStore* store_;
  int autoField_;
  // Rows that bring their number name the auto-numbered column; the others
  // leave it to the sequence. A batch holds rows of one kind.
  std::string copySql_;
  std::string copyNumberedSql_;
  std::string rows_;
  bool numbered_ = false;
  std::int64_t highest_ = 0;  // the highest number a batch brought
};

}  // namespace crv::postgresql
