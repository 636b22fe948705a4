// The type-ahead store: recent values per field, the on/off switch and
// rebinding to another file.
#include "host/framework/services/easy_auto_entry_class.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(EasyAutoEntryClass, KeepsRecentValuesPerFieldMostRecentFirst) {
  EasyAutoEntryClass store;
  store.remember("POMaster", "ShipVia", "UPS");
  EXPECT_TRUE(store.recentValues("POMaster", "ShipVia").empty()) << "not bound yet";

  store.init("/data/EasyAutoEntry.tps", "", true);
  store.remember("POMaster", "ShipVia", "UPS Ground  ");
  store.remember("POMaster", "ShipVia", "FedEx");
  store.remember("pomaster", "shipvia", "ups ground");
  store.remember("POMaster", "ShipVia", "   ");
  store.remember("POMaster", "FOB", "Origin");
  EXPECT_EQ(store.recentValues("POMaster", "ShipVia"), (std::vector<std::string>{"ups ground", "FedEx"}));
  EXPECT_EQ(store.complete("POMASTER", "SHIPVIA", "F"), "FedEx");
  EXPECT_EQ(store.complete("POMaster", "ShipVia", "x"), "");

  for (int i = 0; i < 30; ++i) store.remember("A", "B", std::to_string(i));
  EXPECT_EQ(store.recentValues("A", "B").size(), EasyAutoEntryClass::valuesKept);
  EXPECT_EQ(store.recentValues("A", "B").front(), "29");
}

TEST(EasyAutoEntryClass, SwitchedOffOrMovedStoreForgets) {
  EasyAutoEntryClass store;
  store.init("/a/EasyAutoEntry.tps", "", true);
  store.remember("W", "F", "one");
  store.setEnabled(false);
  store.remember("W", "F", "two");
  EXPECT_TRUE(store.recentValues("W", "F").empty());
  store.setEnabled(true);
  EXPECT_EQ(store.recentValues("W", "F"), std::vector<std::string>{"one"});

  store.init("/a/EasyAutoEntry.tps", "", true);
  EXPECT_EQ(store.recentValues("W", "F").size(), 1u) << "same file keeps its values";
  store.init("/b/EasyAutoEntry.tps", "", false);
  EXPECT_EQ(store.storeFile(), "/b/EasyAutoEntry.tps");
  EXPECT_FALSE(store.enabled());
  store.setEnabled(true);
  EXPECT_TRUE(store.recentValues("W", "F").empty());
  store.kill();
  EXPECT_FALSE(store.isInitialised());
  EXPECT_EQ(store.storeFile(), "");
}

}  // namespace
}  // namespace crv
