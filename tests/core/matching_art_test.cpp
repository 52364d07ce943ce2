#include "SuiteFixture.h"

namespace easel::test {
namespace {

class MatchingArtTest : public SuiteTest {
 protected:
  // The selected art of the types, as the engine gathers it.
  std::vector<AIArtHandle> selected(std::vector<int16_t> types) {
    std::vector<AIMatchingArtSpec> specs;
    for (int16_t t : types) specs.push_back({t, kArtSelected, kArtSelected});
    AIMdMemoryHandle handle = nullptr;
    int32_t count = -1;
    EXPECT_EQ(matching.getMatchingArt(specs.data(), static_cast<int16_t>(specs.size()), &handle, &count), kNoErr);
    std::vector<AIArtHandle> out;
    if (count == 0) {
      EXPECT_EQ(handle, nullptr);
      return out;
    }
    void* block = nullptr;
    EXPECT_EQ(memory.dereferenceHandle(handle, &block), kNoErr);
    auto* array = static_cast<AIArtHandle*>(block);
    out.assign(array, array + count);
    EXPECT_EQ(memory.disposeHandle(handle), kNoErr);
    return out;
  }
};

TEST_F(MatchingArtTest, ASelectedCompoundPathIsReportedWithItsMemberPaths) {
  ArtRef loose = square(50, 50, 5);
  ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  ArtRef inner = square(2, 2, 4, compound);
  ArtRef outer = square(0, 0, 10, compound);
  doc().setSelected(compound, true);
  // Document order: the compound path (top of the layer), its members from
  // the top of its stack, then the loose path below.
  EXPECT_EQ(selected({kCompoundPathArt, kPathArt}), (std::vector{h(compound), h(outer), h(inner)}));
  doc().setSelected(loose, true);
  EXPECT_EQ(selected({kCompoundPathArt, kPathArt}), (std::vector{h(compound), h(outer), h(inner), h(loose)}));
  EXPECT_EQ(selected({kPathArt}), (std::vector{h(outer), h(inner), h(loose)}));
}

TEST_F(MatchingArtTest, SelectingAGroupSelectsItsMembersAndDeselectingOneDeselectsTheGroup) {
  ArtRef group = doc().createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef a = square(0, 0, 1, group);
  ArtRef b = square(0, 0, 2, group);
  doc().setSelected(group, true);
  EXPECT_EQ(selected({kGroupArt, kPathArt}), (std::vector{h(group), h(b), h(a)}));
  doc().setSelected(a, false);
  EXPECT_EQ(selected({kGroupArt, kPathArt}), (std::vector{h(b)}));
}

TEST_F(MatchingArtTest, NothingSelectedGivesANullHandleAndBadArgumentsAreRefused) {
  square(0, 0, 1);
  EXPECT_TRUE(selected({kPathArt, kTextArt, 99}).empty());
  AIMatchingArtSpec spec{kPathArt, kArtSelected, kArtSelected};
  AIMdMemoryHandle handle = nullptr;
  int32_t count = 0;
  EXPECT_EQ(matching.getMatchingArt(&spec, -1, &handle, &count), kBadParameterErr);
  EXPECT_EQ(matching.getMatchingArt(nullptr, 1, &handle, &count), kBadParameterErr);
  EXPECT_EQ(matching.getMatchingArt(&spec, 1, nullptr, &count), kBadParameterErr);
  // Unselected art matches a spec that asks for the bit clear.
  spec.attr = 0;
  ASSERT_EQ(matching.getMatchingArt(&spec, 1, &handle, &count), kNoErr);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(memory.disposeHandle(handle), kNoErr);
}

}  // namespace
}  // namespace easel::test
