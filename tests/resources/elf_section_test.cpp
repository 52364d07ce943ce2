// Finding the resource section in ELF files: the real module built with the
// plug-in's resources, and hand-made images for what can go wrong.
#include "easel/core/resources/ElfSection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ByteBuilder.h"
#include "easel/core/resources/ResFile.h"
#include "easel/core/resources/StringResources.h"

namespace easel {
namespace {

using testing::ByteBuilder;

struct Section {
  std::string name;
  std::vector<uint8_t> bytes;
};

constexpr size_t kSectionTableOffsetField = 0x28;
constexpr size_t kSectionCountField = 0x3C;

// A relocatable ELF64 little-endian image: header, section contents, the
// section name table, then the section table (null section first, names last).
std::vector<uint8_t> elfImage(const std::vector<Section>& sections) {
  std::string names(1, '\0');
  std::vector<uint32_t> nameOffsets;
  for (const auto& s : sections) {
    nameOffsets.push_back(static_cast<uint32_t>(names.size()));
    names += s.name + '\0';
  }
  uint32_t namesName = static_cast<uint32_t>(names.size());
  names += std::string(".shstrtab") + '\0';

  ByteBuilder contents;
  std::vector<size_t> offsets;
  for (const auto& s : sections) {
    offsets.push_back(64 + contents.size());
    contents.append(s.bytes);
  }
  size_t namesOffset = 64 + contents.size();
  contents.ascii(names).alignTo(8);
  size_t tableOffset = 64 + contents.size();
  auto count = static_cast<uint32_t>(sections.size() + 2);

  ByteBuilder elf;
  elf.u8(0x7F).ascii("ELF").u8(2).u8(1).u8(1).u8(0).u64(0);  // identification
  elf.u16(1).u16(62).u32(1).u64(0).u64(0).u64(tableOffset);  // type, machine, version, entry, phoff, shoff
  elf.u32(0).u16(64).u16(0).u16(0).u16(64).u16(count).u16(count - 1);
  elf.append(contents.bytes());
  auto header = [&elf](uint32_t name, uint32_t type, uint64_t offset, uint64_t size) {
    elf.u32(name).u32(type).u64(0).u64(0).u64(offset).u64(size).u32(0).u32(0).u64(1).u64(0);
  };
  header(0, 0, 0, 0);
  for (size_t i = 0; i < sections.size(); ++i) header(nameOffsets[i], 1, offsets[i], sections[i].bytes.size());
  header(namesName, 3, namesOffset, names.size());
  return elf.bytes();
}

void poke64(std::vector<uint8_t>& bytes, size_t at, uint64_t value) {
  for (int i = 0; i < 8; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(ElfSection, TheModuleCarriesTheCompiledResourcesUnchanged) {
  auto section = readElfSection(CONTOUR_TEST_MODULE, kResourceSectionName);
  ASSERT_TRUE(section) << section.error();
  auto res = readWholeFile(CONTOUR_RES_FILE);
  ASSERT_TRUE(res) << res.error();
  EXPECT_EQ(*section, *res);

  auto file = ResFile::parse(*section);
  ASSERT_TRUE(file) << file.error();
  EXPECT_EQ(loadString(*file, 16002), "Contour...");
}

TEST(ElfSection, AModuleWithoutResources) {
  auto section = readElfSection(CONTOUR_TEST_PLAIN_MODULE, kResourceSectionName);
  ASSERT_FALSE(section);
  EXPECT_NE(section.error().find("no resource section"), std::string::npos) << section.error();
}

TEST(ElfSection, AFileThatIsNotElf) {
  auto section = readElfSection(CONTOUR_RES_FILE, kResourceSectionName);
  ASSERT_FALSE(section);
  EXPECT_NE(section.error().find("not an ELF file"), std::string::npos) << section.error();
  EXPECT_EQ(findElfSection({}, ".x").error(), "not an ELF file");
  EXPECT_FALSE(readElfSection("/nonexistent/module.so", kResourceSectionName));
}

TEST(ElfSection, FindsASectionByNameInAHandMadeImage) {
  auto image = elfImage({{".text", {1, 2, 3}}, {".contour_rsrc", {4, 5, 6, 7}}, {".data", {8}}});
  auto section = findElfSection(image, ".contour_rsrc");
  ASSERT_TRUE(section) << section.error();
  EXPECT_EQ(*section, (std::vector<uint8_t>{4, 5, 6, 7}));
  EXPECT_EQ(*findElfSection(image, ".data"), (std::vector<uint8_t>{8}));
  EXPECT_FALSE(findElfSection(image, ".contour"));  // names match whole
}

TEST(ElfSection, OnlySixtyFourBitLittleEndianImages) {
  auto image = elfImage({{".contour_rsrc", {1}}});
  auto thirtyTwoBit = image;
  thirtyTwoBit[4] = 1;
  EXPECT_EQ(findElfSection(thirtyTwoBit, ".contour_rsrc").error(), "not a 64-bit little-endian ELF file");
  auto bigEndian = image;
  bigEndian[5] = 2;
  EXPECT_EQ(findElfSection(bigEndian, ".contour_rsrc").error(), "not a 64-bit little-endian ELF file");
}

TEST(ElfSection, DamagedImagesGiveErrorsNotCrashes) {
  auto image = elfImage({{".contour_rsrc", {1, 2, 3, 4}}});
  size_t tableOffset = image.size() - 3 * 64;

  auto tableOutside = image;
  poke64(tableOutside, kSectionTableOffsetField, image.size() + 100);
  EXPECT_FALSE(findElfSection(tableOutside, ".contour_rsrc"));

  auto tooManySections = image;
  tooManySections[kSectionCountField] = 200;
  EXPECT_FALSE(findElfSection(tooManySections, ".contour_rsrc"));

  auto sectionOutside = image;  // section 1's offset
  poke64(sectionOutside, tableOffset + 64 + 0x18, ~uint64_t{0} - 2);
  EXPECT_NE(findElfSection(sectionOutside, ".contour_rsrc").error().find("outside the file"), std::string::npos);

  auto sizeOutside = image;  // section 1's size
  poke64(sizeOutside, tableOffset + 64 + 0x20, ~uint64_t{0});
  EXPECT_NE(findElfSection(sizeOutside, ".contour_rsrc").error().find("outside the file"), std::string::npos);

  auto nameOutside = image;  // section 1's name offset
  nameOutside[tableOffset + 64] = 0xFF;
  EXPECT_FALSE(findElfSection(nameOutside, ".contour_rsrc"));

  // Every truncation of the image is an error.
  for (size_t n = 0; n < image.size(); ++n)
    EXPECT_FALSE(findElfSection(std::span(image).first(n), ".contour_rsrc")) << "cut at " << n;
}

}  // namespace
}  // namespace easel
