// The module-wide state of the purchase-order module: its own service
// objects, the error reporter and settings in force, the spell checker's
// settings and the once-only flags of INIT and KILL.
//
// One instance per loaded module (see module_lifecycle.h). The reporter in
// force is the one every table of the module reports through and on which
// every procedure sets its name; it starts as the module's own reporter and
// becomes the host's when INIT hands one over. The same holds for the
// settings in force.
#pragma once

#include <memory>

#include "host/framework/services/easy_auto_entry_class.h"
#include "host/framework/services/error_class.h"
#include "host/framework/services/fuzzy_class.h"
#include "host/framework/services/ini_class.h"
#include "host/framework/services/spell_checker.h"
#include "host/framework/values/text.h"

namespace crvpo {

struct ModuleState {
  std::unique_ptr<crv::ErrorClass> errors;  // the module's own reporter
  crv::ErrorClass* errorsInForce = nullptr;
  std::unique_ptr<crv::INIClass> settings;  // bound to crvpo.INI
  crv::INIClass* settingsInForce = nullptr;
  std::unique_ptr<crv::FuzzyClass> fuzzy;
  std::unique_ptr<crv::EasyAutoEntryClass> typeAhead;
  crv::SpellChecker spellChecker;
  crv::Text<255> spellSettingsPath;  // full path of the checker's settings file
  crv::Text<5> spellLanguage;

  bool loaded = false;
  bool initialised = false;  // set by the first INIT
  bool killed = false;       // set by the first KILL
  bool tracing = false;      // the command line asked for the network trace
};

}  // namespace crvpo
