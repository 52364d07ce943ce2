// The resource decoders on hand-made input: the cases the plug-in's own
// resources do not show, and damaged input.
#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "easel/core/resources/DialogTemplate.h"
#include "easel/core/resources/IconGroups.h"
#include "easel/core/resources/PropertyList.h"
#include "easel/core/resources/ResFile.h"
#include "easel/core/resources/StringResources.h"
#include "easel/core/resources/Utf16.h"
#include "easel/core/resources/VersionInfo.h"
#include "MemorySource.h"

namespace easel {
namespace {

using testing::ByteBuilder;
using testing::MemorySource;

// --- strings ---------------------------------------------------------------

// A block of 16 counted strings; texts[i] is string (block - 1) * 16 + i.
std::vector<uint8_t> stringBlock(const std::vector<std::u16string>& texts) {
  ByteBuilder b;
  for (size_t i = 0; i < 16; ++i) {
    std::u16string text = i < texts.size() ? texts[i] : u"";
    b.u16(static_cast<uint32_t>(text.size()));
    for (char16_t c : text) b.u16(c);
  }
  return b.bytes();
}

TEST(Strings, IdSelectsBlockAndPosition) {
  MemorySource source;
  // Strings 32..47 live in block 3.
  source.add(rt::String, 3, stringBlock({u"thirty-two", u"", u"thirty-four"}));
  EXPECT_EQ(loadString(source, 32), "thirty-two");
  EXPECT_EQ(loadString(source, 34), "thirty-four");
  EXPECT_EQ(loadString(source, 33), std::nullopt);  // empty is missing
  EXPECT_EQ(loadString(source, 47), std::nullopt);
  EXPECT_EQ(loadString(source, 31), std::nullopt);  // block 2 is absent
  EXPECT_EQ(loadStringList(source, 32), std::vector<std::string>{"thirty-two"});
}

TEST(Strings, ConvertsToUtf8) {
  MemorySource source;
  source.add(rt::String, 1, stringBlock({u"caf\u00e9 \u2014 \U0001F600"}));
  EXPECT_EQ(loadString(source, 0), "caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80");
}

TEST(Strings, ADamagedBlockGivesNothing) {
  MemorySource source;
  source.add(rt::String, 1, ByteBuilder().u16(2).u16('a').u16(500).u16('b').bytes());
  EXPECT_EQ(loadString(source, 1), std::nullopt);  // its count runs past the block
  EXPECT_EQ(loadString(source, 5), std::nullopt);
}

TEST(Utf16, RoundTripsAndReplacesBrokenSequences) {
  EXPECT_EQ(utf8ToUtf16("A\xC3\xA9\xF0\x9F\x98\x80"), (std::u16string{u'A', 0xE9, 0xD83D, 0xDE00}));
  EXPECT_EQ(utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");  // lone high surrogate
  EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));   // overlong form
  EXPECT_EQ(utf8ToUtf16("\xE2\x82"), std::u16string{0xFFFD});             // cut short
}

// --- dialogs ---------------------------------------------------------------

TEST(Dialogs, KindsFollowClassAndStyle) {
  EXPECT_EQ(controlKind("BUTTON", 0x50010000), "push button");
  EXPECT_EQ(controlKind("BUTTON", 0x50010001), "default push button");
  EXPECT_EQ(controlKind("Button", 0x50010003), "check box");
  EXPECT_EQ(controlKind("BUTTON", 0x50010009), "radio button");
  EXPECT_EQ(controlKind("BUTTON", 0x50000007), "group box");
  EXPECT_EQ(controlKind("STATIC", 0x50020000), "static text");
  EXPECT_EQ(controlKind("STATIC", 0x50020002), "static text");  // right-aligned
  EXPECT_EQ(controlKind("static", 0x50000007), "black frame");
  EXPECT_EQ(controlKind("STATIC", 0x50000003), "icon");
  EXPECT_EQ(controlKind("EDIT", 0x50810080), "edit text");
  EXPECT_EQ(controlKind("COMBOBOX", 0x50210003), "combo box");
  EXPECT_EQ(controlKind("msctls_trackbar32", 0x50010000), "custom control");
}

// A template without a font: a named class, an item with an ordinal class and
// one with a named class, an ordinal title and creation data.
std::vector<uint8_t> handMadeDialog() {
  ByteBuilder b;
  b.u32(0x80C80000).u32(0x8).u16(2).u16(1).u16(2).u16(100).u16(50);
  b.u16(0xFFFF).u16(300);  // menu 300
  b.text16(u"MyDialogClass").text16(u"T");
  b.alignTo(4);
  b.u32(0x50010000).u32(0).u16(5).u16(6).u16(7).u16(8).u16(0x8001);
  b.u16(0xFFFF).u16(0x81).text16(u"abc").u16(0);
  b.alignTo(4);
  b.u32(0x50000003).u32(0).u16(0xFFF6).u16(0).u16(20).u16(20).u16(0xFFFF);
  b.text16(u"Thing").u16(0xFFFF).u16(42).u16(4).u16(0xAABB);
  return b.bytes();
}

TEST(Dialogs, DecodesHeaderAndItems) {
  auto dialog = decodeDialog(handMadeDialog());
  ASSERT_TRUE(dialog) << dialog.error();
  EXPECT_EQ(dialog->style, 0x80C80000u);
  EXPECT_EQ(dialog->exStyle, 0x8u);
  EXPECT_EQ(dialog->menu, "#300");
  EXPECT_EQ(dialog->windowClass, "MyDialogClass");
  EXPECT_EQ(dialog->title, "T");
  EXPECT_EQ(dialog->font, "");  // no set-font style, so no font fields
  EXPECT_EQ(dialog->x, 1);
  EXPECT_EQ(dialog->cy, 50);
  ASSERT_EQ(dialog->items.size(), 2u);

  const DialogItem& edit = dialog->items[0];
  EXPECT_EQ(edit.id, 0x8001);
  EXPECT_EQ(edit.windowClass, "EDIT");
  EXPECT_EQ(edit.kind, "edit text");
  EXPECT_EQ(edit.text, "abc");
  EXPECT_EQ(edit.cy, 8);

  const DialogItem& custom = dialog->items[1];
  EXPECT_EQ(custom.id, -1);
  EXPECT_EQ(custom.x, -10);
  EXPECT_EQ(custom.windowClass, "Thing");
  EXPECT_EQ(custom.kind, "custom control");
  EXPECT_EQ(custom.text, "#42");
  EXPECT_EQ(custom.creationData, (std::vector<uint8_t>{0xBB, 0xAA}));
}

TEST(Dialogs, RejectsExtendedAndDamagedTemplates) {
  auto extended = ByteBuilder().u16(1).u16(0xFFFF).u32(0).u32(0).u32(0x80C80000).bytes();
  EXPECT_EQ(decodeDialog(extended).error(), "extended dialog templates are not supported");

  auto full = handMadeDialog();
  for (size_t n = 0; n < full.size(); ++n) EXPECT_FALSE(decodeDialog(std::span(full).first(n))) << "cut at " << n;

  MemorySource source;
  EXPECT_EQ(loadDialog(source, 16050).error(), "no dialog 16050");
  source.add(rt::Dialog, 16050, {1, 2, 3});
  EXPECT_EQ(loadDialog(source, 16050).error(), "dialog 16050: the dialog header is truncated");
}

// --- property list ---------------------------------------------------------

struct RawProperty {
  uint32_t vendor, key, id;
  std::vector<uint8_t> data;
};

constexpr uint32_t code(const char (&c)[5]) {
  return uint32_t(uint8_t(c[0])) << 24 | uint32_t(uint8_t(c[1])) << 16 | uint32_t(uint8_t(c[2])) << 8 |
         uint32_t(uint8_t(c[3]));
}

PropertyList decoded(const std::vector<RawProperty>& properties) {
  ByteBuilder b;
  b.u16(1).u32(0).u32(static_cast<uint32_t>(properties.size()));
  for (const auto& p : properties) {
    b.u32(p.vendor).u32(p.key).u32(p.id).u32(static_cast<uint32_t>(p.data.size())).append(p.data);
  }
  auto list = decodePropertyList(b.bytes());
  EXPECT_TRUE(list) << list.error();
  return list ? *list : PropertyList{};
}

const RawProperty kKind{code("ADBE"), code("kind"), 0, {'A', 'E', 'P', 'S'}};
const RawProperty kVersion{code("ADBE"), code("ivrs"), 0, {2, 0, 0, 0}};
const RawProperty kEntry{code("ADBE"), code("wx86"), 0, {'M', 'a', 'i', 'n', 0, 0, 0, 0}};

TEST(PropertyLists, DescribesAnyOrderOfProperties) {
  auto plugin = describePlugin(decoded({kEntry, kVersion, kKind}));
  ASSERT_TRUE(plugin) << plugin.error();
  EXPECT_EQ(plugin->kind, "SPEA");
  EXPECT_EQ(plugin->interfaceVersion, 2u);
  EXPECT_EQ(plugin->entryPoint, "Main");
}

TEST(PropertyLists, SaysWhatIsMissingOrWrong) {
  auto whyNot = [](const std::vector<RawProperty>& properties) { return describePlugin(decoded(properties)).error(); };
  EXPECT_EQ(whyNot({kVersion, kEntry}), "the property list has no plug-in kind (kind)");
  EXPECT_EQ(whyNot({kKind, kEntry}), "the property list has no interface version (ivrs)");
  EXPECT_EQ(whyNot({kKind, kVersion}), "the property list has no Windows x86 entry point (wx86)");

  RawProperty otherVendor = kKind;
  otherVendor.vendor = code("ZZZZ");
  EXPECT_EQ(whyNot({otherVendor, kVersion, kEntry}), "the property list has no plug-in kind (kind)");

  RawProperty longKind = kKind;
  longKind.data = {'A', 'E', 'P', 'S', 'X', 0, 0, 0};
  EXPECT_EQ(whyNot({longKind, kVersion, kEntry}), "the plug-in kind (kind) is not a four-character code");

  RawProperty unterminated = kEntry;
  unterminated.data = {'M', 'a', 'i', 'n'};
  EXPECT_EQ(whyNot({kKind, kVersion, unterminated}), "the Windows x86 entry point (wx86) has no terminating zero");
  RawProperty empty = kEntry;
  empty.data = {0, 0, 0, 0};
  EXPECT_EQ(whyNot({kKind, kVersion, empty}), "the Windows x86 entry point (wx86) is empty");
}

TEST(PropertyLists, UnpaddedDataIsPaddedOnRead) {
  // A length of 5 is padded to 8 before the next property.
  ByteBuilder b;
  b.u16(1).u32(0).u32(2);
  b.u32(code("ADBE")).u32(code("wx86")).u32(0).u32(5).ascii("Main").u8(0).u8(0).u8(0).u8(0);
  b.u32(code("ADBE")).u32(code("kind")).u32(0).u32(4).ascii("AEPS");
  auto list = decodePropertyList(b.bytes());
  ASSERT_TRUE(list) << list.error();
  ASSERT_EQ(list->properties.size(), 2u);
  EXPECT_EQ(list->properties[1].key, "kind");
}

TEST(PropertyLists, DamagedListsGiveErrors) {
  auto good = ByteBuilder().u16(1).u32(0).u32(1).u32(code("ADBE")).u32(code("kind")).u32(0).u32(4).ascii("AEPS");
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(decodePropertyList(std::span(good.bytes()).first(n))) << "cut at " << n;

  auto hugeCount = ByteBuilder().u16(1).u32(0).u32(0xFFFFFFFF).u64(0).bytes();
  EXPECT_NE(decodePropertyList(hugeCount).error().find("does not fit"), std::string::npos);
}

// --- version record --------------------------------------------------------

// One block: length, value length, type, key, value, children.
std::vector<uint8_t> versionBlock(const std::u16string& key, uint16_t type, const std::vector<uint8_t>& value,
                                  uint16_t valueLength, const std::vector<std::vector<uint8_t>>& children) {
  ByteBuilder b;
  b.u16(0).u16(valueLength).u16(type).text16(key).alignTo(4).append(value);
  for (const auto& child : children) b.alignTo(4).append(child);
  b.patch16(0, static_cast<uint32_t>(b.size()));
  return b.bytes();
}

std::vector<uint8_t> text(const std::u16string& s) { return ByteBuilder().text16(s).bytes(); }

// clang-format off
std::vector<uint8_t> fixedInfo() {
    return ByteBuilder()
        .u32(0xFEEF04BD).u32(0x10000)
        .u32(0x00010002).u32(0x00030004)  // file 1.2.3.4
        .u32(0x00050006).u32(0x00070008)  // product 5.6.7.8
        .u32(0x3F).u32(0).u32(0x40004).u32(1).u32(0).u32(0).u32(0)
        .bytes();
}
// clang-format on

TEST(VersionRecords, ReadsTextWhetherOrNotItsLengthCountsTheTerminator) {
  auto strings = versionBlock(u"040904b0", 1, {}, 0,
                              {versionBlock(u"A", 1, text(u"one"), 4, {}),       // counts the terminator
                               versionBlock(u"B", 1, text(u"two"), 3, {}),       // does not
                               versionBlock(u"C", 1, text(u"three"), 12, {})});  // counts bytes
  auto record =
      versionBlock(u"VS_VERSION_INFO", 0, fixedInfo(), 52,
                   {versionBlock(u"StringFileInfo", 1, {}, 0, {strings}),
                    versionBlock(u"VarFileInfo", 1, {}, 0, {versionBlock(u"Translation", 0, {9, 4, 0xE4, 4}, 4, {})})});
  auto info = decodeVersionInfo(record);
  ASSERT_TRUE(info) << info.error();
  EXPECT_EQ(info->fileVersion, (std::array<uint16_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(info->productVersion, (std::array<uint16_t, 4>{5, 6, 7, 8}));
  EXPECT_EQ(info->os, 0x40004u);
  EXPECT_EQ(info->fileType, 1u);
  ASSERT_NE(info->table("040904b0"), nullptr);
  EXPECT_EQ(info->table("040904b0")->find("A"), "one");
  EXPECT_EQ(info->table("040904b0")->find("B"), "two");
  EXPECT_EQ(info->table("040904b0")->find("C"), "three");
  EXPECT_EQ(info->table("080904b0"), nullptr);
  EXPECT_EQ(info->translations, (std::vector<std::pair<uint16_t, uint16_t>>{{0x0409, 0x04E4}}));
}

TEST(VersionRecords, DamagedRecordsGiveErrors) {
  auto record =
      versionBlock(u"VS_VERSION_INFO", 0, fixedInfo(), 52,
                   {versionBlock(u"StringFileInfo", 1, {}, 0,
                                 {versionBlock(u"040904b0", 1, {}, 0, {versionBlock(u"A", 1, text(u"one"), 4, {})})})});
  ASSERT_TRUE(decodeVersionInfo(record));
  for (size_t n = 0; n < record.size(); ++n)
    EXPECT_FALSE(decodeVersionInfo(std::span(record).first(n))) << "cut at " << n;

  auto badSignature = record;
  badSignature[40] ^= 0xFF;  // the fixed numbers start after the 6-byte head and the 32-byte key
  EXPECT_EQ(decodeVersionInfo(badSignature).error(), "the fixed version numbers have a bad signature");

  auto badChild = record;
  badChild[40 + 52] = 3;  // the file info block's length, below the smallest block
  EXPECT_FALSE(decodeVersionInfo(badChild));

  auto wrongKey = versionBlock(u"SOMETHING_ELSE", 0, fixedInfo(), 52, {});
  EXPECT_EQ(decodeVersionInfo(wrongKey).error(), "not a version record");
}

// --- icon and cursor groups ------------------------------------------------

TEST(Groups, IconAndCursorGroupsAreToldApart) {
  auto iconGroup = ByteBuilder().u16(0).u16(1).u16(1).u8(48).u8(48).u8(0).u8(0).u16(1).u16(32).u32(9000).u16(7);
  auto icons = decodeIconGroup(iconGroup.bytes());
  ASSERT_TRUE(icons) << icons.error();
  EXPECT_EQ(icons->images[0].width, 48);
  EXPECT_EQ(icons->images[0].bitCount, 32);
  EXPECT_EQ(icons->images[0].imageId, 7);
  EXPECT_EQ(decodeCursorGroup(iconGroup.bytes()).error(), "not a cursor group");
  for (size_t n = 0; n < iconGroup.size(); ++n)
    EXPECT_FALSE(decodeIconGroup(std::span(iconGroup.bytes()).first(n))) << "cut at " << n;
}

TEST(Groups, CursorImagesStartWithTheHotSpot) {
  auto image = ByteBuilder().u16(3).u16(9).u32(40).u32(16).u32(32).u16(1).u16(1).bytes();
  auto cursor = decodeCursorImage(image);
  ASSERT_TRUE(cursor) << cursor.error();
  EXPECT_EQ(cursor->hotSpotX, 3);
  EXPECT_EQ(cursor->hotSpotY, 9);
  EXPECT_EQ(cursor->bitmap.width, 16);
  EXPECT_EQ(cursor->bitmap.height, 16);  // half the bitmap's height: the rest is the mask
  EXPECT_FALSE(decodeCursorImage(std::span(image).first(10)));
}

// --- everything from the real file, damaged --------------------------------

// Every resource of contour.res, cut short and with bytes flipped, through its
// decoder: none may read outside its input (the sanitizers watch) or crash.
TEST(Decoders, SurviveDamagedCopiesOfTheRealResources) {
  auto file = ResFile::load(CONTOUR_RES_FILE);
  ASSERT_TRUE(file) << file.error();
  auto decode = [](const ResEntry& entry, std::span<const uint8_t> bytes) {
    MemorySource source;
    source.add(entry.type, entry.name, {bytes.begin(), bytes.end()});
    if (entry.type == ResId("PIPL")) (void)decodePropertyList(bytes);
    if (entry.type == ResId(rt::Dialog)) (void)decodeDialog(bytes);
    if (entry.type == ResId(rt::Version)) (void)decodeVersionInfo(bytes);
    if (entry.type == ResId(rt::GroupIcon)) (void)decodeIconGroup(bytes);
    if (entry.type == ResId(rt::GroupCursor)) (void)decodeCursorGroup(bytes);
    if (entry.type == ResId(rt::Cursor)) (void)decodeCursorImage(bytes);
    if (entry.type == ResId(rt::String))
      for (uint16_t i = 0; i < 16; ++i)
        (void)loadString(source, static_cast<uint16_t>((entry.name.ordinal() - 1) * 16 + i));
  };
  uint32_t state = 99;
  for (const auto& entry : file->entries()) {
    for (size_t n = 0; n <= entry.data.size(); ++n) decode(entry, std::span(entry.data).first(n));
    for (int round = 0; round < 200; ++round) {
      auto copy = entry.data;
      for (int flips = 0; flips < 4; ++flips) {
        state = state * 1103515245u + 12345u;
        copy[(state >> 8) % copy.size()] ^= static_cast<uint8_t>(1u << (state & 7));
      }
      decode(entry, copy);
    }
  }
}

}  // namespace
}  // namespace easel
