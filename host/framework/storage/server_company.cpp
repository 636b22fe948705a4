// Server company settings.
#include "host/framework/storage/server_company.h"

namespace crv {
namespace {

// A schema name that needs no quoting and reads the same on every server.
bool plainName(const std::string& name) {
  if (name.empty() || name.size() > 63 || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

}  // namespace

std::string ServerCompany::describe() const {
  return "postgresql://" + user + "@" + host + ":" + port + "/" + database + ", schema " + schema;
}

std::string ServerCompany::problem() const {
  if (host.empty() || database.empty() || user.empty() || schema.empty())
    return "the server settings need a host, a database, a schema and a user";
  if (!plainName(schema))
    return "the schema name \"" + schema + "\" may hold only lower-case letters, digits and underscores";
  return {};
}

}  // namespace crv
