// Reading .res files: entries, lookup, and what damaged input gives.
#include "easel/core/resources/ResFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ByteBuilder.h"

namespace easel {
namespace {

using testing::ByteBuilder;
using testing::resEntry;
using testing::resFile;

TEST(ResFile, ReadsEntriesAfterTheEmptyOneWithTheirPadding) {
  // Five data bytes are padded to eight before the next header.
  auto bytes = resFile({resEntry(rt::String, 3, {1, 2, 3, 4, 5}), resEntry(rt::Dialog, 7, {9})});
  auto file = ResFile::parse(bytes);
  ASSERT_TRUE(file) << file.error();
  ASSERT_EQ(file->entries().size(), 2u);
  EXPECT_EQ(file->entries()[0].type, ResId(rt::String));
  EXPECT_EQ(file->entries()[0].data, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(file->entries()[1].name, ResId(7));
  EXPECT_EQ(file->entries()[1].data, (std::vector<uint8_t>{9}));
  EXPECT_EQ(file->entries()[1].language, 1033);
  EXPECT_EQ(file->entries()[1].memoryFlags, 0x1030);
}

TEST(ResFile, NamedTypesAndIdsMatchRegardlessOfCase) {
  // Type "PIPL" by name, id "About" by name; names are DWORD-aligned.
  ByteBuilder entry;
  entry.u32(2).u32(0).text16(u"PIPL").text16(u"About").alignTo(4);
  entry.u32(0).u16(0).u16(2057).u32(0).u32(0);
  entry.patch16(4, static_cast<uint32_t>(entry.size()));
  entry.u16(0xBEEF).alignTo(4);
  auto file = ResFile::parse(resFile({entry.bytes()}));
  ASSERT_TRUE(file) << file.error();

  auto found = file->findResource("pipl", "ABOUT");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->data, (std::vector<uint8_t>{0xEF, 0xBE}));
  EXPECT_EQ(found->language, 2057);
  EXPECT_FALSE(file->find("PIPL", 16000));  // an ordinal never matches a name
  EXPECT_FALSE(file->find(rt::String, "About"));
}

TEST(ResFile, FindReturnsNothingForAMissingResource) {
  auto file = ResFile::parse(resFile({resEntry(rt::String, 3, {1})}));
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->find(rt::String, 4));
  EXPECT_FALSE(file->find(rt::Dialog, 3));
  EXPECT_TRUE(file->find(rt::String, 3));
}

TEST(ResFile, DamagedInputGivesAnErrorNotACrash) {
  auto good = resFile({resEntry(rt::String, 3, {1, 2, 3, 4, 5, 6, 7, 8}), resEntry(rt::Dialog, 7, {9, 9})});
  // Every cut is an error except those between entries and those that only
  // shorten the last entry's padding.
  for (size_t n = 1; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    auto file = ResFile::parse(cut);
    bool acceptable = n == 32 || n == 32 + 40 || n >= good.size() - 2;
    EXPECT_EQ(file.ok(), acceptable) << "cut at " << n << ": " << file.error();
  }
}

TEST(ResFile, RejectsWhatIsNotAResFile) {
  EXPECT_EQ(ResFile::parse({}).error(), "not a resource file: it is empty");

  std::vector<uint8_t> garbage(4096);
  uint32_t state = 12345;
  for (auto& byte : garbage) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(state >> 16);
  }
  EXPECT_FALSE(ResFile::parse(garbage));

  // A well-formed entry first, but not the empty one.
  auto noEmptyEntry = resEntry(rt::String, 3, {1});
  EXPECT_EQ(ResFile::parse(noEmptyEntry).error(), "not a resource file: it does not start with an empty entry");

  // A data size far past the end.
  auto huge = resFile({resEntry(rt::String, 3, {1})});
  huge[32 + 3] = 0x7F;
  EXPECT_NE(ResFile::parse(huge).error().find("runs past the end"), std::string::npos);

  // A header size far past the end, and one too small to hold a header.
  auto badHeader = resFile({resEntry(rt::String, 3, {1})});
  badHeader[32 + 7] = 0x7F;
  EXPECT_NE(ResFile::parse(badHeader).error().find("bad size"), std::string::npos);
  badHeader[32 + 7] = 0;
  badHeader[32 + 4] = 8;
  EXPECT_NE(ResFile::parse(badHeader).error().find("bad size"), std::string::npos);

  // A name with no terminator inside its header.
  auto unterminated = resFile({resEntry(rt::String, 3, {})});
  for (size_t i = 32 + 8; i < 32 + 32; ++i) unterminated[i] = 'A';
  EXPECT_NE(ResFile::parse(unterminated).error().find("damaged"), std::string::npos);
}

TEST(ResFile, LoadNamesAFileItCannotOpen) {
  auto file = ResFile::load("/nonexistent/contour.res");
  ASSERT_FALSE(file);
  EXPECT_NE(file.error().find("/nonexistent/contour.res"), std::string::npos);
}

}  // namespace
}  // namespace easel
