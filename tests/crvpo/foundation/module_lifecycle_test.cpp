// Start-up and shut-down of the purchase-order module on fresh instances:
// what load builds, the order in which INIT and KILL reach the other
// modules, the once-only flags, the reporter every table gets and what
// unload takes down.
#include "crvpo/foundation/module_lifecycle.h"

#include <gtest/gtest.h>

#include "crvpo/foundation/type_ahead_location.h"
#include "host/data/crvdata_module.h"
#include "host/data/tables/table_registry.h"
#include "host/framework/services/debug_output.h"
#include "host/framework/services/lifecycle_log.h"
#include "host/siblings/CRVAR/crvar_module.h"
#include "host/siblings/CRVJC/crvjc_module.h"
#include "support/temp_folder.h"

namespace crvpo {
namespace {

using crv::LifecycleLog;
using Entry = crv::LifecycleLog::Entry;

class ModuleLifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (crv::Table* table : crv::TableRegistry::tables()) reporters_.push_back(table->errorReporter());
    LifecycleLog::clear();
    crv::clearDebugLines();
  }
  void TearDown() override {
    std::size_t i = 0;
    for (crv::Table* table : crv::TableRegistry::tables())
      table->setErrorReporter(i < reporters_.size() ? reporters_[i++] : nullptr);
  }

  LoadContext context(std::vector<std::string> switches = {}) const {
    LoadContext c{folder_.path(), {"crvhost"}};
    c.arguments.insert(c.arguments.end(), switches.begin(), switches.end());
    return c;
  }

  static std::vector<Entry> siblingEntries(const std::string& event, const std::string& detail) {
    std::vector<Entry> entries;
    for (const char* name : siblingOrder) entries.push_back(Entry{name, event, detail});
    return entries;
  }

  crv::test::TempFolder folder_;
  std::vector<crv::ErrorClass*> reporters_;
};

TEST_F(ModuleLifecycleTest, LoadBuildsTheModulesOwnServices) {
  ModuleLifecycle module;
  module.load(context());
  const ModuleState& s = module.state();
  ASSERT_TRUE(s.errors && s.settings && s.fuzzy && s.typeAhead);
  EXPECT_EQ(s.errorsInForce, s.errors.get());
  EXPECT_EQ(s.settingsInForce, s.settings.get());
  EXPECT_EQ(s.settings->file(), folder_ / "crvpo.INI");
  EXPECT_TRUE(s.fuzzy->isInitialised());
  EXPECT_TRUE(s.fuzzy->option(crv::FuzzyClass::CaseInsensitive));
  EXPECT_FALSE(s.fuzzy->option(crv::FuzzyClass::AnyWordOrder));
  EXPECT_EQ(s.spellSettingsPath.view(), (folder_ / "sol.ini").string());
  EXPECT_EQ(s.spellLanguage.view(), "en_US");
  EXPECT_EQ(s.typeAhead->storeFile(), (folder_ / "EasyAutoEntry.tps").string());
  EXPECT_TRUE(s.typeAhead->enabled());
  EXPECT_EQ(s.typeAhead->secondName(), "");
  EXPECT_FALSE(s.initialised);
  EXPECT_FALSE(s.killed);
  EXPECT_TRUE(crv::debugLines().empty()) << "no trace without a switch";
}

TEST_F(ModuleLifecycleTest, TypeAheadStoreGetsOneSeparatorBeforeItsName) {
  EXPECT_EQ(typeAheadStoreFile("/home/co"), "/home/co/EasyAutoEntry.tps");
  EXPECT_EQ(typeAheadStoreFile("/home/co/"), "/home/co/EasyAutoEntry.tps");
  EXPECT_EQ(typeAheadStoreFile("/"), "/EasyAutoEntry.tps");

  ModuleLifecycle module;
  module.load(LoadContext{"/srv/suite/", {"crvhost"}});
  EXPECT_EQ(module.state().typeAhead->storeFile(), "/srv/suite/EasyAutoEntry.tps");
}

TEST_F(ModuleLifecycleTest, InitAndKillReachTheOtherModulesInOrderOnce) {
  ModuleLifecycle module;
  module.load(context());
  LifecycleLog::clear();
  crv::ErrorClass hostErrors;
  crv::INIClass hostSettings;

  module.init(&hostErrors, &hostSettings);
  const std::string detail = crv::SuiteModule::initDetail(&hostErrors, &hostSettings);
  std::vector<Entry> expected{{"CRVPO", "INIT", detail}};
  for (const Entry& e : siblingEntries("INIT", detail)) expected.push_back(e);
  EXPECT_EQ(LifecycleLog::entries(), expected);
  EXPECT_EQ(module.state().errorsInForce, &hostErrors);
  EXPECT_EQ(module.state().settingsInForce, &hostSettings);
  EXPECT_EQ(crv::siblings::CRVJC().errors(), &hostErrors);
  EXPECT_EQ(crv::siblings::CRVDATA().settings(), &hostSettings);

  // A second INIT with other objects changes nothing.
  crv::ErrorClass otherErrors;
  crv::INIClass otherSettings;
  module.init(&otherErrors, &otherSettings);
  EXPECT_EQ(LifecycleLog::entries().size(), expected.size());
  EXPECT_EQ(module.state().errorsInForce, &hostErrors);
  EXPECT_EQ(module.state().settingsInForce, &hostSettings);
  EXPECT_EQ(crv::siblings::CRVAR().errors(), &hostErrors);
  for (crv::Table* table : crv::TableRegistry::tables())
    EXPECT_EQ(table->errorReporter(), &hostErrors) << table->name();

  LifecycleLog::clear();
  module.kill();
  module.kill();
  expected = {{"CRVPO", "KILL", ""}};
  for (const Entry& e : siblingEntries("KILL", "")) expected.push_back(e);
  EXPECT_EQ(LifecycleLog::entries(), expected);
  EXPECT_EQ(crv::siblings::CRVJC().errors(), nullptr);
}

TEST_F(ModuleLifecycleTest, KillBeforeInitStillShutsTheOthersDownOnce) {
  ModuleLifecycle module;
  module.load(context());
  LifecycleLog::clear();
  module.kill();
  module.kill();
  EXPECT_EQ(LifecycleLog::entries().size(), 1 + std::size(siblingOrder));
  EXPECT_TRUE(module.state().killed);
  EXPECT_FALSE(module.state().initialised);

  // The flags are independent: a later INIT still runs once.
  LifecycleLog::clear();
  module.init(nullptr, nullptr);
  EXPECT_EQ(LifecycleLog::entries().size(), 1 + std::size(siblingOrder));
}

TEST_F(ModuleLifecycleTest, InitWithNullsKeepsTheModulesOwnAndPassesNullsOn) {
  ModuleLifecycle module;
  module.load(context());
  crv::ErrorClass earlier;
  crv::siblings::CRVJC().init(&earlier, nullptr);
  LifecycleLog::clear();

  module.init(nullptr, nullptr);
  EXPECT_EQ(module.state().errorsInForce, module.state().errors.get());
  EXPECT_EQ(module.state().settingsInForce, module.state().settings.get());
  std::vector<Entry> expected{{"CRVPO", "INIT", "errors=null settings=null"}};
  for (const Entry& e : siblingEntries("INIT", "errors=null settings=null")) expected.push_back(e);
  EXPECT_EQ(LifecycleLog::entries(), expected);
  EXPECT_EQ(crv::siblings::CRVJC().errors(), nullptr);
  EXPECT_TRUE(crv::siblings::CRVJC().isInitialised());
  for (crv::Table* table : crv::TableRegistry::tables())
    EXPECT_EQ(table->errorReporter(), module.state().errors.get()) << table->name();
}

TEST_F(ModuleLifecycleTest, InitWithOnlySettingsKeepsTheOwnReporter) {
  ModuleLifecycle module;
  module.load(context());
  crv::INIClass hostSettings;
  module.init(nullptr, &hostSettings);
  EXPECT_EQ(module.state().errorsInForce, module.state().errors.get());
  EXPECT_EQ(module.state().settingsInForce, &hostSettings);
  EXPECT_EQ(crv::siblings::CRVAR().settings(), &hostSettings);
  EXPECT_EQ(crv::siblings::CRVAR().errors(), nullptr);
}

TEST_F(ModuleLifecycleTest, UnloadTakesTheServicesAndItsReporterBack) {
  ASSERT_FALSE(crv::TableRegistry::tables().empty());
  {
    ModuleLifecycle module;
    module.load(context({"--NetLog"}));
    module.init(nullptr, nullptr);
    crv::Table* table = crv::TableRegistry::tables().front();
    ASSERT_EQ(table->errorReporter(), module.state().errors.get());

    module.unload();
    const ModuleState& s = module.state();
    EXPECT_FALSE(s.errors || s.settings || s.fuzzy || s.typeAhead);
    EXPECT_EQ(s.errorsInForce, nullptr);
    EXPECT_EQ(s.settingsInForce, nullptr);
    EXPECT_EQ(table->errorReporter(), nullptr) << "no table may keep a destroyed reporter";
    module.unload();
  }
  const std::vector<std::string> lines = crv::debugLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[1].find("--NetLog"), std::string::npos);
  EXPECT_NE(lines[2].find("closing"), std::string::npos);
}

TEST_F(ModuleLifecycleTest, UnloadLeavesTheHostsReporterOnTheTables) {
  crv::ErrorClass hostErrors;
  ModuleLifecycle module;
  module.load(context());
  module.init(&hostErrors, nullptr);
  module.unload();
  for (crv::Table* table : crv::TableRegistry::tables())
    EXPECT_EQ(table->errorReporter(), &hostErrors) << table->name();
}

}  // namespace
}  // namespace crvpo
