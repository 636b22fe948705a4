// The life cycle of the purchase-order module.
#include "crvpo/foundation/module_lifecycle.h"

#include <exception>

#include "crvpo/foundation/network_trace.h"
#include "crvpo/foundation/table_reporters.h"
#include "crvpo/foundation/type_ahead_location.h"
#include "host/data/crvdata_module.h"
#include "host/data/shared_values.h"
#include "host/framework/services/command_line.h"
#include "host/framework/services/debug_output.h"
#include "host/framework/services/lifecycle_log.h"
#include "host/siblings/CRVAP/crvap_module.h"
#include "host/siblings/CRVAR/crvar_module.h"
#include "host/siblings/CRVEQ/crveq_module.h"
#include "host/siblings/CRVGL/crvgl_module.h"
#include "host/siblings/CRVIN/crvin_module.h"
#include "host/siblings/CRVJC/crvjc_module.h"
#include "host/siblings/CRVMISC/crvmisc_module.h"

namespace crvpo {
namespace {

struct SiblingEntries {
  void (*init)(crv::ErrorClass*, crv::INIClass*);
  void (*kill)();
};

// In the order of siblingOrder.
constexpr SiblingEntries siblings[] = {{CRVDATA_INIT, CRVDATA_KILL}, {CRVMISC_INIT, CRVMISC_KILL},
                                       {CRVJC_INIT, CRVJC_KILL},     {CRVIN_INIT, CRVIN_KILL},
                                       {CRVEQ_INIT, CRVEQ_KILL},     {CRVGL_INIT, CRVGL_KILL},
                                       {CRVAP_INIT, CRVAP_KILL},     {CRVAR_INIT, CRVAR_KILL}};
static_assert(std::size(siblings) == std::size(siblingOrder));

}  // namespace

LoadContext LoadContext::fromProcess() {
  LoadContext context;
  std::error_code ec;
  context.currentDirectory = std::filesystem::current_path(ec);
  if (ec) context.currentDirectory = ".";
  context.arguments = crv::commandLineArguments();
  return context;
}

ModuleLifecycle::~ModuleLifecycle() { unload(); }

void ModuleLifecycle::load(const LoadContext& context) {
  if (state_.loaded) return;
  state_.loaded = true;

  state_.spellSettingsPath.clear();
  state_.spellLanguage.clear();

  state_.typeAhead = std::make_unique<crv::EasyAutoEntryClass>();
  state_.fuzzy = std::make_unique<crv::FuzzyClass>();
  state_.errors = std::make_unique<crv::ErrorClass>();
  state_.settings = std::make_unique<crv::INIClass>();
  // The reporter's error status is the runtime's per-thread state
  // (crv::RuntimeErrors), so there is nothing further to attach to it.

  state_.settings->init(context.currentDirectory / moduleSettingsFile);
  state_.settingsInForce = state_.settings.get();
  if (!state_.errorsInForce) state_.errorsInForce = state_.errors.get();

  state_.fuzzy->init();
  state_.fuzzy->setOption(crv::FuzzyClass::CaseInsensitive, true);
  state_.fuzzy->setOption(crv::FuzzyClass::AnyWordOrder, false);

  state_.spellChecker.setProgramPath(context.currentDirectory);
  state_.spellSettingsPath =
      state_.spellChecker.resolveSettingsFile(crv::SpellChecker::defaultSettingsFile).string();
  state_.spellChecker.setLanguage(spellLanguageDefault);
  state_.spellLanguage = spellLanguageDefault;

  const std::string traceOn = traceSwitch(context.arguments);
  state_.tracing = !traceOn.empty();
  if (state_.tracing) writeTraceOpening(traceOn);

  state_.typeAhead->init(typeAheadStoreFile(context.currentDirectory.string()), "", true);

  crv::LifecycleLog::record("CRVPO", "LOAD");
}

void ModuleLifecycle::unload() {
  if (!state_.loaded) return;
  state_.loaded = false;

  if (state_.tracing) writeTraceClosing();

  state_.typeAhead->kill();
  state_.fuzzy->kill();
  state_.settings->kill();
  // Tables still reporting through the module's own reporter would keep a
  // pointer to an object about to be destroyed.
  detachTableReporter(state_.errors.get());
  state_.errorsInForce = nullptr;
  state_.settingsInForce = nullptr;

  state_.settings.reset();
  state_.errors.reset();
  state_.typeAhead.reset();
  state_.fuzzy.reset();

  crv::LifecycleLog::record("CRVPO", "UNLOAD");
}

void ModuleLifecycle::init(crv::ErrorClass* errors, crv::INIClass* settings) {
  if (state_.initialised) return;
  state_.initialised = true;
  crv::LifecycleLog::record("CRVPO", "INIT", crv::SuiteModule::initDetail(errors, settings));

  if (errors) state_.errorsInForce = errors;
  if (settings) state_.settingsInForce = settings;
  setTableReporters(state_.errorsInForce);
  for (const SiblingEntries& sibling : siblings) sibling.init(errors, settings);
}

void ModuleLifecycle::kill() {
  if (state_.killed) return;
  state_.killed = true;
  crv::LifecycleLog::record("CRVPO", "KILL");
  for (const SiblingEntries& sibling : siblings) sibling.kill();
}

void ModuleLifecycle::toggleTypeAhead() {
  if (!state_.typeAhead) return;
  const bool on = crv::GLO.EasyAutoEntry != 0;
  state_.typeAhead->setEnabled(on);
  state_.typeAhead->init(typeAheadStoreFile(crv::clip(crv::DataPath)), "", on);
}

ModuleLifecycle& loadedModule() {
  // Never destroyed: the unload hook may run after static objects of the
  // process have gone; unload() releases everything the instance owns.
  static ModuleLifecycle* instance = new ModuleLifecycle;
  return *instance;
}

void moduleLoad() {
  try {
    loadedModule().load(LoadContext::fromProcess());
  } catch (const std::exception& e) {
    crv::debugOutput(std::string("CRVPO load failed: ") + e.what());
  }
}

void moduleUnload() {
  try {
    loadedModule().unload();
  } catch (const std::exception& e) {
    crv::debugOutput(std::string("CRVPO unload failed: ") + e.what());
  }
}

}  // namespace crvpo
