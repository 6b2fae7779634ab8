// Free component names for objects read onto a page.
#include "design/stream/component_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellumo::design {
namespace {

TEST(ComponentNamesTest, SmallestFreeNumber) {
  EXPECT_EQ(NextComponentName({}), "Component0");
  const std::vector<std::string> taken = {"Component0"};
  EXPECT_EQ(NextComponentName(taken), "Component1");
  const std::vector<std::string> gap = {"Component0", "Component2", "Special1"};
  EXPECT_EQ(NextComponentName(gap), "Component1");
}

TEST(ComponentNamesTest, NamesCompareWithoutCase) {
  const std::vector<std::string> taken = {"COMPONENT0", "component1"};
  EXPECT_EQ(NextComponentName(taken), "Component2");
}

TEST(ComponentNamesTest, OnlyExactNumbersCount) {
  // "Component01" and "Component0x" are not "Component1" and "Component0".
  const std::vector<std::string> taken = {"Component01", "Component0x", "Component", "Component-1"};
  EXPECT_EQ(NextComponentName(taken), "Component0");
}

TEST(ComponentNamesTest, NothingWhenAllAreTaken) {
  std::vector<std::string> taken;
  for (int n = 0; n <= kMaxComponentNumber; ++n) taken.push_back("Component" + std::to_string(n));
  taken.push_back("Component1001");
  EXPECT_FALSE(NextComponentName(taken));
  taken.erase(taken.begin() + 1000);
  EXPECT_EQ(NextComponentName(taken), "Component1000");
}

TEST(ComponentNamesTest, NamerHandsOutEachFreeNameOnceThenNothing) {
  const std::vector<std::string> taken = {"Component0", "component2"};
  ComponentNamer namer(taken);
  EXPECT_EQ(namer.Next(), "Component1");
  EXPECT_EQ(namer.Next(), "Component3");
  for (int n = 4; n <= kMaxComponentNumber; ++n) ASSERT_EQ(namer.Next(), "Component" + std::to_string(n));
  EXPECT_FALSE(namer.Next());
  EXPECT_FALSE(namer.Next());
}

}  // namespace
}  // namespace vellumo::design
