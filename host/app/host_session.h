// One run of the host on a company: the company database open, the suite's
// shared values set for it, and the purchase-order module loaded and
// started. Ending the session stops the module, unloads it and closes the
// company, in that order.
#pragma once

#include <filesystem>
#include <memory>

#include "host/app/module_library.h"
#include "host/data/company.h"
#include "host/data/company_services.h"
#include "host/framework/services/error_class.h"
#include "host/framework/services/ini_class.h"

namespace crv {

// Whether a session starts the purchase-order module. A command that only
// reads the company (its summary) does without, and without loading the
// module's libraries.
enum class SessionModule { Load, None };

class HostSession {
 public:
  // Throws StorageOpenError or ModuleLoadError with a message for the user.
  explicit HostSession(const std::filesystem::path& companyFolder,
                       SessionModule module = SessionModule::Load);
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  Company& company() { return *company_; }
  // Only for a session that loaded the module.
  ModuleLibrary& module() { return *module_; }
  ErrorClass& errors() { return errors_; }
  INIClass& settings() { return settings_; }

  // The suite's settings file in the company folder.
  static constexpr const char* settingsFileName = "CVSetup.ini";

 private:
  void setSharedValues();

  ErrorClass errors_;
  INIClass settings_;
  std::unique_ptr<Company> company_;
  std::unique_ptr<CompanyServices> services_;
  std::unique_ptr<ModuleLibrary> module_;
};

}  // namespace crv
