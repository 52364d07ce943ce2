// The plug-in's compiled resources (contour.res), checked against the
// property list, string lists, dialogs, version record, icon and cursor that
// the plug-in must carry.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/resources/DialogTemplate.h"
#include "easel/core/resources/IconGroups.h"
#include "easel/core/resources/PropertyList.h"
#include "easel/core/resources/ResFile.h"
#include "easel/core/resources/StringResources.h"
#include "easel/core/resources/VersionInfo.h"

namespace easel {
namespace {

constexpr uint16_t kUsEnglish = 1033;
constexpr uint32_t kDialogStyle = 0x90C800C0;  // popup, visible, caption, system menu, modal frame, set-font

class ContourResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto loaded = ResFile::load(CONTOUR_RES_FILE);
    ASSERT_TRUE(loaded) << loaded.error();
    res = new ResFile(std::move(loaded).value());
  }
  static void TearDownTestSuite() {
    delete res;
    res = nullptr;
  }
  static const ResFile* res;
};
const ResFile* ContourResources::res = nullptr;

TEST_F(ContourResources, EveryResourceIsUsEnglish) {
  ASSERT_FALSE(res->entries().empty());
  for (const auto& entry : res->entries())
    EXPECT_EQ(entry.language, kUsEnglish) << entry.type.toString() << " " << entry.name.toString();
}

// --- property list ---------------------------------------------------------

TEST_F(ContourResources, PropertyListIsByteExact) {
  // Laid out from the property table: codes as little-endian numbers, so
  // their characters appear reversed.
  // clang-format off
    const std::vector<uint8_t> expected = {
        1, 0,                                        // reserved
        0, 0, 0, 0,                                  // list version
        3, 0, 0, 0,                                  // property count
        'E', 'B', 'D', 'A', 'd', 'n', 'i', 'k',      // ADBE kind
        0, 0, 0, 0, 4, 0, 0, 0,                      // id 0, length 4
        'A', 'E', 'P', 'S',                          // SPEA
        'E', 'B', 'D', 'A', 's', 'r', 'v', 'i',      // ADBE ivrs
        0, 0, 0, 0, 4, 0, 0, 0,                      // id 0, length 4
        2, 0, 0, 0,                                  // interface version 2
        'E', 'B', 'D', 'A', '6', '8', 'x', 'w',      // ADBE wx86
        0, 0, 0, 0, 12, 0, 0, 0,                     // id 0, length 12
        'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0,
        0,                                           // trailing zero byte
    };
  // clang-format on
  ASSERT_EQ(expected.size(), 79u);
  auto pipl = res->findResource("PIPL", 16000);
  ASSERT_TRUE(pipl);
  EXPECT_EQ(pipl->data, expected);
  EXPECT_EQ(pipl->language, kUsEnglish);
}

TEST_F(ContourResources, PropertyListDescribesTheEntryPoint) {
  auto list = loadPropertyList(*res, 16000);
  ASSERT_TRUE(list) << list.error();
  EXPECT_EQ(list->reserved, 1);
  EXPECT_EQ(list->version, 0u);
  ASSERT_EQ(list->properties.size(), 3u);
  const char* keys[] = {"kind", "ivrs", "wx86"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(list->properties[i].vendor, "ADBE");
    EXPECT_EQ(list->properties[i].key, keys[i]);
    EXPECT_EQ(list->properties[i].id, 0u);
  }
  auto plugin = describePlugin(*list);
  ASSERT_TRUE(plugin) << plugin.error();
  EXPECT_EQ(plugin->kind, "SPEA");
  EXPECT_EQ(plugin->interfaceVersion, 2u);
  EXPECT_EQ(plugin->entryPoint, "PluginMain");
}

// --- string lists ----------------------------------------------------------

TEST_F(ContourResources, MenuStringList) {
  const std::vector<std::string> expected = {"<First Mac index is 1>", "Zeph <Paths>", "Contour..."};
  EXPECT_EQ(loadStringList(*res, 16000), expected);
  EXPECT_EQ(loadString(*res, 16003), std::nullopt);
}

TEST_F(ContourResources, ErrorStringList) {
  const std::string noMemory = "The filter cannot complete because there isn't enough memory (RAM) available.";
  const std::vector<std::string> expected = {
      "<Mac strings begin at index 1>",
      "-108",
      noMemory,
      "271",
      noMemory,
      "SEGM",
      "The filter cannot complete because a layer is locked or invisible.",
      "NESS",
      "The filter cannot complete because a path has too many anchor points.",
      "!sel",
      "The selection is not valid for this filter.",
      "<Others>",
      "The contour plugin cannot complete because of an unknown error. The plugin requires standard paths to "
      "be selected or symbols or other shapes. It will not work with text in version CS",
  };
  EXPECT_EQ(loadStringList(*res, 16050), expected);
  EXPECT_EQ(loadString(*res, 16063), std::nullopt);
  EXPECT_EQ(loadString(*res, 16049), std::nullopt);
}

// --- dialogs ---------------------------------------------------------------

struct ExpectedItem {
  int id;
  const char* kind;
  int x, y, cx, cy;
  const char* text;  // nullptr: ours to write, checked separately
};

void expectDialog(const DialogTemplate& dialog, const char* title, int cx, int cy) {
  EXPECT_EQ(dialog.style, kDialogStyle);
  EXPECT_EQ(dialog.exStyle, 0u);
  EXPECT_EQ(dialog.title, title);
  EXPECT_EQ(dialog.font, "MS Sans Serif");
  EXPECT_EQ(dialog.fontSize, 8);
  EXPECT_EQ(dialog.cx, cx);
  EXPECT_EQ(dialog.cy, cy);
  EXPECT_EQ(dialog.menu, "");
  EXPECT_EQ(dialog.windowClass, "");
}

void expectItems(const DialogTemplate& dialog, const std::vector<ExpectedItem>& expected) {
  ASSERT_EQ(dialog.items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("item " + std::to_string(i + 1));
    const DialogItem& item = dialog.items[i];
    EXPECT_EQ(item.id, expected[i].id);
    EXPECT_EQ(item.kind, expected[i].kind);
    EXPECT_EQ(item.x, expected[i].x);
    EXPECT_EQ(item.y, expected[i].y);
    EXPECT_EQ(item.cx, expected[i].cx);
    EXPECT_EQ(item.cy, expected[i].cy);
    if (expected[i].text) {
      EXPECT_EQ(item.text, expected[i].text);
    }
  }
}

TEST_F(ContourResources, AboutDialog) {
  auto about = loadDialog(*res, 16050);
  ASSERT_TRUE(about) << about.error();
  expectDialog(*about, "Contour Plug-in About", 305, 161);
  expectItems(*about, {
                          {1, "default push button", 128, 141, 40, 14, "&OK"},
                          {-1, "static text", 15, 6, 254, 28, nullptr},
                          {-1, "static text", 15, 39, 279, 8, nullptr},
                          {-1, "static text", 15, 53, 271, 8, "Plugin Name: Zeph18 Contour"},
                          {-1, "static text", 15, 67, 271, 8, "Version Number: Vol 18.3"},
                          {-1, "static text", 15, 81, 271, 8, "Release Date: February 2007"},
                          {-1, "static text", 15, 95, 271, 8, nullptr},
                          {-1, "static text", 15, 109, 271, 8, nullptr},
                          {-1, "static text", 15, 123, 271, 8, nullptr},
                      });
}

TEST_F(ContourResources, AboutTextsNameTheProjectAndNoAddress) {
  auto about = loadDialog(*res, 16050);
  ASSERT_TRUE(about) << about.error();
  ASSERT_EQ(about->items.size(), 9u);
  const auto& items = about->items;
  EXPECT_EQ(items[6].text.rfind("Development:", 0), 0u);
  EXPECT_EQ(items[7].text.rfind("Web Site:", 0), 0u);
  EXPECT_EQ(items[8].text.rfind("Technical e-mails:", 0), 0u);
  EXPECT_NE(items[1].text.find("Illustrator 10, CS and CS2"), std::string::npos);
  EXPECT_NE(items[2].text.find("18"), std::string::npos);
  for (size_t i : {1, 2, 6}) EXPECT_NE(items[i].text.find("Contour"), std::string::npos) << items[i].text;
  for (const auto& item : items)
    for (const char* address : {"@", "http", "www."})
      EXPECT_EQ(item.text.find(address), std::string::npos) << item.text;
}

TEST_F(ContourResources, ErrorDialog) {
  auto error = loadDialog(*res, 16051);
  ASSERT_TRUE(error) << error.error();
  expectDialog(*error, "Plug-in Error", 233, 126);
  expectItems(*error, {
                          {1, "default push button", 89, 107, 50, 14, "OK"},
                          {2, "static text", 43, 12, 182, 88, "Message"},
                          {3, "static text", 9, 111, 30, 8, "Code"},
                          {4, "black frame", 10, 10, 18, 20, ""},
                      });
}

TEST_F(ContourResources, SettingsDialogShellHasNoItems) {
  auto settings = loadDialog(*res, 16100);
  ASSERT_TRUE(settings) << settings.error();
  expectDialog(*settings, "Contour Plug-in", 217, 115);
  EXPECT_TRUE(settings->items.empty());
}

// --- version record --------------------------------------------------------

TEST_F(ContourResources, VersionNumbers) {
  auto version = loadVersionInfo(*res, 1);
  ASSERT_TRUE(version) << version.error();
  const std::array<uint16_t, 4> v18_3 = {18, 3, 0, 0};
  EXPECT_EQ(version->fileVersion, v18_3);
  EXPECT_EQ(version->productVersion, v18_3);
  EXPECT_EQ(version->flagsMask, 0x3Fu);
  EXPECT_EQ(version->flags, 0x1u);     // debug
  EXPECT_EQ(version->os, 0x4u);        // 32-bit Windows
  EXPECT_EQ(version->fileType, 0x2u);  // dynamic library
  const std::vector<std::pair<uint16_t, uint16_t>> translations = {{0x0809, 1200}};
  EXPECT_EQ(version->translations, translations);
}

TEST_F(ContourResources, VersionStrings) {
  auto version = loadVersionInfo(*res, 1);
  ASSERT_TRUE(version) << version.error();
  ASSERT_EQ(version->stringTables.size(), 1u);
  const VersionStringTable& table = version->stringTables[0];
  EXPECT_EQ(table.languageCodePage, "080904b0");

  const std::vector<std::string> keys = {"Comments",     "CompanyName",    "FileDescription", "FileVersion",
                                         "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                                         "ProductName",  "ProductVersion"};
  std::vector<std::string> actualKeys;
  for (const auto& [key, value] : table.strings) actualKeys.push_back(key);
  EXPECT_EQ(actualKeys, keys);

  EXPECT_EQ(table.find("Comments"), "Contour / inset plugin for Illustrator 10 and CS and CS2");
  EXPECT_EQ(table.find("FileVersion"), "18, 3, 0, 0");
  EXPECT_EQ(table.find("ProductVersion"), "18, 3, 0, 0");
  EXPECT_EQ(table.find("InternalName"), "Contour");
  EXPECT_EQ(table.find("LegalTrademarks"),
            "Illustrator and Adobe are registered trademark of Adobe Systems Incorporated");
  EXPECT_EQ(table.find("OriginalFilename"), "Tesk_Contour.aip");
  for (const char* ours : {"CompanyName", "LegalCopyright", "ProductName"})
    EXPECT_NE(table.find(ours).value_or("").find("Contour"), std::string::npos) << ours;
  auto description = table.find("FileDescription").value_or("");
  EXPECT_NE(description.find("contour inset"), std::string::npos) << description;
  EXPECT_NE(description.find("Illustrator 10, CS1 and CS2"), std::string::npos) << description;
}

// --- icon and cursor -------------------------------------------------------

// An icon or cursor image: bitmap header, palette, colour bits and a 1-bit
// mask, each row padded to 4 bytes.
constexpr uint32_t dibSize(uint32_t bitsPerPixel) {
  auto rowBytes = [](uint32_t bits) { return (32 * bits + 31) / 32 * 4; };
  return 40 + (1u << bitsPerPixel) * 4 + 32 * rowBytes(bitsPerPixel) + 32 * rowBytes(1);
}

TEST_F(ContourResources, IconIsOne32x32ImageIn16Colours) {
  auto group = loadIconGroup(*res, 16051);
  ASSERT_TRUE(group) << group.error();
  ASSERT_EQ(group->images.size(), 1u);
  const GroupImage& image = group->images[0];
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.height, 32);
  EXPECT_EQ(image.colourCount, 16);
  EXPECT_EQ(image.bitCount, 4);
  EXPECT_EQ(image.byteCount, dibSize(4));

  auto bitmap = loadIconImage(*res, image.imageId);
  ASSERT_TRUE(bitmap) << bitmap.error();
  EXPECT_EQ(bitmap->width, 32);
  EXPECT_EQ(bitmap->height, 32);
  EXPECT_EQ(bitmap->planes, 1);
  EXPECT_EQ(bitmap->bitCount, 4);
  EXPECT_EQ(res->find(rt::Icon, image.imageId)->size(), dibSize(4));
}

TEST_F(ContourResources, CursorIsOne32x32MonochromeImageWithItsHotSpot) {
  auto group = loadCursorGroup(*res, 16000);
  ASSERT_TRUE(group) << group.error();
  ASSERT_EQ(group->images.size(), 1u);
  const GroupImage& image = group->images[0];
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.height, 64);  // a cursor group counts the mask rows
  EXPECT_EQ(image.bitCount, 1);
  EXPECT_EQ(image.byteCount, 4 + dibSize(1));  // the hot spot comes first

  auto cursor = loadCursorImage(*res, image.imageId);
  ASSERT_TRUE(cursor) << cursor.error();
  EXPECT_EQ(cursor->hotSpotX, 20);
  EXPECT_EQ(cursor->hotSpotY, 24);
  EXPECT_EQ(cursor->bitmap.width, 32);
  EXPECT_EQ(cursor->bitmap.height, 32);
  EXPECT_EQ(cursor->bitmap.bitCount, 1);
}

}  // namespace
}  // namespace easel
