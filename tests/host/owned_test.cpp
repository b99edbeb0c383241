// Objects a control owns: freeing in a stated order, and objects taken over from callers.
#include "Classes/Owned.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace {

// Writes its name to a log when it is freed.
struct TLogged {
  TLogged(std::string name, std::string& log) : Name(std::move(name)), Log(log) {}
  ~TLogged() { Log += Name; }
  std::string Name;
  std::string& Log;
};

TEST(Owned, FreeInOrderGoesInTheOrderGivenAndEachSlotObjectOnce) {
  std::string log;
  auto a = std::make_unique<TLogged>("a", log);
  auto b = std::make_unique<TLogged>("b", log);
  Classes::TTakenOver<TLogged, 3> slots;
  slots.Take(0, new TLogged("0", log));
  auto* shared = new TLogged("s", log);
  slots.Take(1, shared);
  slots.Take(2, shared);
  Classes::FreeInOrder(b, slots, a);
  EXPECT_EQ(log, "b0sa");
  EXPECT_EQ(slots[1], nullptr);
}

TEST(Owned, TakingFreesTheReplacedObjectOnlyWhenNoSlotHoldsIt) {
  std::string log;
  Classes::TTakenOver<TLogged, 2> slots;
  auto* first = new TLogged("1", log);
  slots.Take(0, first);
  slots.Take(1, first);
  EXPECT_TRUE(slots.Take(0, new TLogged("2", log)));
  EXPECT_EQ(log, "");  // slot 1 still holds the first
  EXPECT_TRUE(slots.Take(0, slots[0]));
  EXPECT_EQ(log, "");  // the same object again stays
  EXPECT_FALSE(slots.Take(1, nullptr));
  EXPECT_EQ(slots[1], first);
  slots.Take(1, new TLogged("3", log));
  EXPECT_EQ(log, "1");
}

}  // namespace
