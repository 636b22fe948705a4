// The host services that keep their data in the company database: the
// type-ahead store and the change history. Installing them points the
// framework's services at the open company; the destructor points them back
// at their in-memory defaults.
#pragma once

#include "host/framework/ui/change_history.h"
#include "host/framework/ui/type_ahead.h"

namespace crv {

class CompanyTypeAheadStore final : public ui::TypeAheadStore {
 public:
  std::vector<std::string> load(std::string_view section, std::string_view field) override;
  void save(std::string_view section, std::string_view field,
            const std::vector<std::string>& values) override;
};

class CompanyChangeHistory final : public ui::ChangeHistorySink {
 public:
  TableError record(const ui::HistoryEntry& entry) override;
};

class CompanyServices {
 public:
  CompanyServices();
  ~CompanyServices();
  CompanyServices(const CompanyServices&) = delete;
  CompanyServices& operator=(const CompanyServices&) = delete;

 private:
  CompanyTypeAheadStore typeAhead_;
  CompanyChangeHistory history_;
};

}  // namespace crv
