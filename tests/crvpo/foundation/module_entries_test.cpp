// The loaded library: its load hook ran, its entries resolve by name, the
// exported INIT and KILL act once, and ToggleEasyAutoEntryPO moves the
// type-ahead store to the company's data folder.
#include "crvpo/foundation/module_entries.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "crvpo/foundation/module_lifecycle.h"
#include "crvpo/foundation/table_reporters.h"
#include "host/data/shared_values.h"
#include "host/framework/services/lifecycle_log.h"

namespace crvpo {
namespace {

TEST(ModuleEntries, LibraryLoadRanAndEntriesResolveByName) {
  const ModuleState& loaded = loadedModule().state();
  ASSERT_TRUE(loaded.loaded);
  EXPECT_EQ(loaded.settings->file().filename(), "crvpo.INI");
  EXPECT_TRUE(loaded.settings->file().is_absolute());

  void* library = dlopen(CRV_TEST_BIN_DIR "/libCRVPO.so", RTLD_NOW);
  ASSERT_NE(library, nullptr) << dlerror();
  using Init = void (*)(crv::ErrorClass*, crv::INIClass*);
  using Kill = void (*)();
  const auto init = reinterpret_cast<Init>(dlsym(library, "CRVPO_INIT"));
  const auto kill = reinterpret_cast<Kill>(dlsym(library, "CRVPO_KILL"));
  ASSERT_NE(init, nullptr);
  ASSERT_NE(kill, nullptr);
  EXPECT_EQ(init, &CRVPO_INIT);
  EXPECT_NE(dlsym(library, "ToggleEasyAutoEntryPO"), nullptr);

  const bool wasInitialised = loaded.initialised;
  crv::LifecycleLog::clear();
  init(nullptr, nullptr);
  init(nullptr, nullptr);
  EXPECT_EQ(crv::LifecycleLog::entries().size(), wasInitialised ? 0u : 1 + std::size(siblingOrder));
  EXPECT_TRUE(loaded.initialised);
  // The loaded module's INIT gave every table its reporter; take it back so
  // other tests see the tables as they were.
  detachTableReporter(loaded.errors.get());

  const bool wasKilled = loaded.killed;
  crv::LifecycleLog::clear();
  kill();
  kill();
  EXPECT_EQ(crv::LifecycleLog::entries().size(), wasKilled ? 0u : 1 + std::size(siblingOrder));
  dlclose(library);
}

TEST(ModuleEntries, ToggleFollowsTheSuiteSwitchAndTheDataFolder) {
  const std::string dataPath = crv::DataPath;
  const crv::Flag easyAutoEntry = crv::GLO.EasyAutoEntry;
  const crv::EasyAutoEntryClass& store = *loadedModule().state().typeAhead;

  crv::DataPath = "/srv/company   ";
  crv::GLO.EasyAutoEntry = 0;
  ToggleEasyAutoEntryPO();
  EXPECT_FALSE(store.enabled());
  EXPECT_EQ(store.storeFile(), "/srv/company/EasyAutoEntry.tps");

  crv::GLO.EasyAutoEntry = 1;
  ToggleEasyAutoEntryPO();
  EXPECT_TRUE(store.enabled());

  crv::DataPath = dataPath;
  crv::GLO.EasyAutoEntry = easyAutoEntry;
}

}  // namespace
}  // namespace crvpo
