// The move-only handle owners: each handle is closed exactly once, whatever moves happen.
#include "base/unique_handle.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace {

std::vector<int> g_closed;

struct CountingTraits {
  using Handle = int;
  static Handle Invalid() noexcept { return -1; }
  static void Close(Handle handle) noexcept { g_closed.push_back(handle); }
};
using Owned = UniqueHandle<CountingTraits>;

class UniqueHandleTest : public testing::Test {
 protected:
  void SetUp() override { g_closed.clear(); }
};

}  // namespace

static_assert(!std::is_copy_constructible_v<Owned>);
static_assert(!std::is_copy_assignable_v<Owned>);
static_assert(std::is_nothrow_move_constructible_v<Owned>);
static_assert(std::is_nothrow_move_assignable_v<Owned>);

TEST_F(UniqueHandleTest, ClosesOnceAtEndOfScope) {
  { Owned owned(7); }
  EXPECT_EQ(g_closed, std::vector<int>{7});
  { Owned empty; }
  EXPECT_EQ(g_closed, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, MoveLeavesSourceEmpty) {
  {
    Owned source(3);
    Owned target(std::move(source));
    EXPECT_FALSE(source.IsValid());
    EXPECT_EQ(source.Get(), -1);
    EXPECT_EQ(target.Get(), 3);
    EXPECT_TRUE(g_closed.empty());
  }
  EXPECT_EQ(g_closed, std::vector<int>{3});
}

TEST_F(UniqueHandleTest, MoveAssignmentClosesTheOldHandle) {
  {
    Owned target(1);
    Owned source(2);
    target = std::move(source);
    EXPECT_EQ(g_closed, std::vector<int>{1});
    EXPECT_EQ(target.Get(), 2);
    EXPECT_FALSE(source);
  }
  EXPECT_EQ(g_closed, (std::vector<int>{1, 2}));
}

TEST_F(UniqueHandleTest, SelfMoveAssignmentKeepsTheHandle) {
  {
    Owned owned(5);
    Owned& alias = owned;
    owned = std::move(alias);
    EXPECT_EQ(owned.Get(), 5);
    EXPECT_TRUE(g_closed.empty());
  }
  EXPECT_EQ(g_closed, std::vector<int>{5});
}

TEST_F(UniqueHandleTest, ResetAndRelease) {
  Owned owned(4);
  owned.Reset(4);  // same handle: still open, closed once later
  EXPECT_TRUE(g_closed.empty());
  owned.Reset(6);
  EXPECT_EQ(g_closed, std::vector<int>{4});
  int released = owned.Release();
  EXPECT_EQ(released, 6);
  EXPECT_FALSE(owned);
  owned.Reset();
  owned.Reset();  // closing twice is impossible
  EXPECT_EQ(g_closed, std::vector<int>{4});
}
