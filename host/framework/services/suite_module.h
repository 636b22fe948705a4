// A module of the suite as its INIT and KILL entries see it: the error
// reporter and settings object the host handed it.
//
// Each library module (the data module and the sibling modules) keeps one
// SuiteModule and forwards its exported INIT and KILL to it. INIT keeps what
// it was given (null stays null) and KILL lets go of it, since the host may
// destroy those objects after shutting the modules down. Both record
// themselves in the lifecycle log so the order of a start-up and shut-down
// can be checked.
#pragma once

#include <string>

namespace crv {

class ErrorClass;
class INIClass;

class SuiteModule {
 public:
  explicit SuiteModule(std::string name) : name_(std::move(name)) {}
  SuiteModule(const SuiteModule&) = delete;
  SuiteModule& operator=(const SuiteModule&) = delete;

  void init(ErrorClass* errors, INIClass* settings);
  void kill();

  const std::string& name() const { return name_; }
  ErrorClass* errors() const { return errors_; }
  INIClass* settings() const { return settings_; }
  bool isInitialised() const { return initialised_; }

  // How a module's INIT is described in the lifecycle log.
  static std::string initDetail(const ErrorClass* errors, const INIClass* settings);

 private:
  std::string name_;
  ErrorClass* errors_ = nullptr;
  INIClass* settings_ = nullptr;
  bool initialised_ = false;
};

}  // namespace crv
