// Where a company on a database server lives: the server, the database, the
// company's schema and the user who signs in. The password is never part of
// it (the server's client library reads it from the user's own files).
#pragma once

#include <string>

namespace crv {

struct ServerCompany {
  std::string host;
  std::string port;
  std::string database;
  std::string schema;
  std::string user;

  // "postgresql://user@host:port/database, schema acme"
  std::string describe() const;
  // Empty when the settings can be used, otherwise what is wrong with them.
  std::string problem() const;
};

}  // namespace crv
