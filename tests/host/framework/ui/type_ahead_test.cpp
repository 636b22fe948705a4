// Type-ahead completion: most recent first, no repeats, a bounded list per
// field, and the store it keeps its values in.
#include "host/framework/ui/type_ahead.h"

#include <gtest/gtest.h>

namespace crv::ui {
namespace {

class CountingStore final : public TypeAheadStore {
 public:
  std::vector<std::string> load(std::string_view section, std::string_view field) override {
    ++loads;
    return inner.load(section, field);
  }
  void save(std::string_view section, std::string_view field,
            const std::vector<std::string>& values) override {
    ++saves;
    inner.save(section, field, values);
  }
  MemoryTypeAheadStore inner;
  int loads = 0;
  int saves = 0;
};

TEST(TypeAheadTest, OffersTheMostRecentValuesStartingWithTheTypedText) {
  TypeAhead service;
  service.remember("UpdatePODetail", "POD:JobID", "1001");
  service.remember("UpdatePODetail", "POD:JobID", "2002");
  service.remember("UpdatePODetail", "POD:JobID", "1003 ");
  service.remember("UpdatePODetail", "POD:JobID", "  ");
  service.remember("updatepodetail", "pod:jobid", "1001");  // a repeat moves to the front
  EXPECT_EQ(service.completions("UpdatePODetail", "POD:JobID", "10"),
            (std::vector<std::string>{"1001", "1003"}));
  EXPECT_EQ(service.completions("UpdatePODetail", "POD:JobID", ""),
            (std::vector<std::string>{"1001", "1003", "2002"}));
  EXPECT_EQ(service.complete("UpdatePODetail", "POD:JobID", "2"), "2002");
  EXPECT_EQ(service.complete("UpdatePODetail", "POD:JobID", "3"), "");
  EXPECT_TRUE(service.completions("Other", "POD:JobID", "").empty());

  service.remember("S", "F", "abc");
  service.remember("S", "F", "ABC");
  EXPECT_EQ(service.completions("S", "F", "a"), (std::vector<std::string>{"ABC"}));
}

TEST(TypeAheadTest, KeepsABoundedListAndNothingWhileOff) {
  TypeAhead service;
  for (int i = 0; i < 25; ++i) service.remember("S", "F", "v" + std::to_string(i));
  const auto values = service.completions("S", "F", "");
  ASSERT_EQ(values.size(), TypeAhead::valuesKept);
  EXPECT_EQ(values.front(), "v24");
  EXPECT_EQ(values.back(), "v5");

  service.setEnabled(false);
  service.remember("S", "G", "x");
  EXPECT_TRUE(service.completions("S", "F", "").empty());
  service.setEnabled(true);
  EXPECT_TRUE(service.completions("S", "G", "").empty());
}

TEST(TypeAheadTest, ValuesLiveInTheInstalledStore) {
  TypeAhead service;
  CountingStore store;
  service.setStore(&store);
  service.remember("S", "F", "one");
  EXPECT_EQ(store.inner.load("S", "F"), (std::vector<std::string>{"one"}));
  EXPECT_EQ(store.saves, 1);
  service.setStore(nullptr);
  EXPECT_TRUE(service.completions("S", "F", "").empty()) << "the in-memory store is a separate one";
}

}  // namespace
}  // namespace crv::ui
