// Starting and ending a host session.
#include "host/app/host_session.h"

#include <cstdlib>

#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"

namespace crv {

using ModuleInit = void(ErrorClass*, INIClass*);
using ModuleKill = void();

HostSession::HostSession(const std::filesystem::path& companyFolder) {
  company_ = Company::open(companyFolder);
  services_ = std::make_unique<CompanyServices>();
  settings_.init((companyFolder / settingsFileName).string());
  setSharedValues();
  module_ = std::make_unique<ModuleLibrary>("CRVPO");
  module_->entry<ModuleInit>("CRVPO_INIT")(&errors_, &settings_);
}

HostSession::~HostSession() {
  if (module_) {
    if (void* kill = module_->find("CRVPO_KILL")) reinterpret_cast<ModuleKill*>(kill)();
    module_.reset();
  }
  services_.reset();
  company_.reset();
}

void HostSession::setSharedValues() {
  const auto folder = company_->folder();
  DataPath = folder.string();
  IniPath = folder.string();
  std::error_code ec;
  GLO.TempPath = std::filesystem::temp_directory_path(ec).string();

  // The suite's purchasing switches: this host runs purchasing in full,
  // with job cost, inventory and equipment purchasing, change orders and
  // attachments.
  GENERIC = 0;
  INPURCHASE = 1;
  EQPURCHASE = 1;
  PURCHASELEVEL = 2;

  const char* user = std::getenv("CRV_USER");
  UserID = user && *user ? user : "ADM";
  ui::changeHistory().setUser(UserID.str());

  Systems.open();
  Systems.set(SYS.KeySystemID);
  if (Systems.next() == TableStatus::Ok) CompanyName = SYS.CompanyName.view();
  Systems.close();
}

}  // namespace crv
