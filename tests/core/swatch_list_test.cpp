#include <cstring>

#include "SuiteFixture.h"

namespace easel::test {
namespace {

class SwatchListTest : public SuiteTest {};

TEST_F(SwatchListTest, ANewListStartsWithNoneRegistrationWhiteAndBlack) {
  int32_t count = 0;
  ASSERT_EQ(swatches.countSwatches(nullptr, &count), kNoErr);
  ASSERT_GT(count, 6);
  const char* names[] = {"[None]", "[Registration]", "White", "Black"};
  for (int i = 0; i < 4; ++i) {
    AISwatchRef s = nullptr;
    const char* name = nullptr;
    ASSERT_EQ(swatches.getNthSwatch(nullptr, i, &s), kNoErr);
    ASSERT_EQ(swatches.getSwatchName(s, &name), kNoErr);
    EXPECT_STREQ(name, names[i]);
  }
  AISwatchRef black = nullptr;
  AIColor c{};
  ASSERT_EQ(swatches.getNthSwatch(nullptr, 3, &black), kNoErr);
  ASSERT_EQ(swatches.getSwatchColor(black, &c), kNoErr);
  EXPECT_EQ(c.kind, kFourColor);
  EXPECT_EQ(c.c.f.black, 1);
  EXPECT_EQ(c.c.f.cyan, 0);
}

TEST_F(SwatchListTest, PastTheEndThereIsNoSwatch) {
  int32_t count = 0;
  ASSERT_EQ(swatches.countSwatches(nullptr, &count), kNoErr);
  AISwatchRef s = reinterpret_cast<AISwatchRef>(1);
  EXPECT_EQ(swatches.getNthSwatch(nullptr, count, &s), kBadParameterErr);
  EXPECT_EQ(s, nullptr);
  s = reinterpret_cast<AISwatchRef>(1);
  EXPECT_EQ(swatches.getNthSwatch(nullptr, -1, &s), kBadParameterErr);
  EXPECT_EQ(s, nullptr);
  AIColor c{};
  EXPECT_EQ(swatches.getSwatchColor(nullptr, &c), kBadHandleErr);
  ASSERT_EQ(swatches.getNthSwatch(nullptr, count - 1, &s), kNoErr);
  EXPECT_NE(s, nullptr);
}

TEST_F(SwatchListTest, AddedSwatchesCountAndResetMakesOldRefsStale) {
  int32_t before = 0, after = 0;
  ASSERT_EQ(swatches.countSwatches(nullptr, &before), kNoErr);
  AIColor teal{};
  teal.kind = kThreeColor;
  teal.c.rgb = {0, 0.5f, 0.5f};
  doc().addSwatch("Teal", teal);
  ASSERT_EQ(swatches.countSwatches(nullptr, &after), kNoErr);
  EXPECT_EQ(after, before + 1);
  AISwatchRef s = nullptr;
  ASSERT_EQ(swatches.getNthSwatch(nullptr, before, &s), kNoErr);
  AIColor c{};
  ASSERT_EQ(swatches.getSwatchColor(s, &c), kNoErr);
  EXPECT_EQ(c.c.rgb.green, 0.5f);
  doc().resetSwatches();
  EXPECT_EQ(swatches.getSwatchColor(s, &c), kBadHandleErr);
  int32_t dummy = 0;
  EXPECT_EQ(swatches.countSwatches(reinterpret_cast<AISwatchListRef>(8), &dummy), kBadHandleErr);
}

}  // namespace
}  // namespace easel::test
