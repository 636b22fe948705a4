// Starting and ending a host session.
#include "host/app/host_session.h"

#include <unistd.h>

#include <cstdlib>

#include "host/data/company_switches.h"
#include "host/data/shared_values.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/temporary_files.h"

namespace crv {

using ModuleInit = void(ErrorClass*, INIClass*);
using ModuleKill = void();

HostSession::HostSession(const std::filesystem::path& companyFolder, SessionModule module) {
  company_ = Company::open(companyFolder);
  services_ = std::make_unique<CompanyServices>();
  settings_.init((companyFolder / settingsFileName).string());
  setSharedValues();
  if (module == SessionModule::None) return;
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
  GLO.TempPath = privateTemporaryFolder().string();

  // The suite's purchasing switches: this host runs purchasing in full,
  // with job cost, inventory and equipment purchasing, change orders and
  // attachments.
  GENERIC = 0;
  INPURCHASE = 1;
  EQPURCHASE = 1;
  PURCHASELEVEL = 2;
  // Printed reports open in the previewer first; a person who prints
  // directly chooses so for one run, after which previewing is on again.
  GLO.PrintPreview = 1;

  const char* user = std::getenv("CRV_USER");
  UserID = user && *user ? user : "ADM";
  ui::changeHistory().setUser(UserID.str());
  // Rows this station writes carry its name, so another station whose edit
  // went stale is told who changed the record.
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  company_->connection().setStation(UserID.str() + " on " + host);

  // A company without a settings row runs with the switches of a new one.
  Systems.open();
  Systems.set(SYS.KeySystemID);
  if (Systems.next() != TableStatus::Ok) SYS.clear();
  CompanyName = SYS.CompanyName.view();
  setSwitchesFrom(SYS);
  Systems.close();
}

}  // namespace crv
