// Start-up, filter registration, About, unload/reload and shut-down, seen
// from the host.
#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "easel/core/PluginRegistry.h"
#include "plugin/globals/PluginGlobals.h"

namespace contour_test {
namespace {

const char* const kSuiteOrder[26][2] = {
    {"SP Blocks Suite", "2"},      {"SP Access Suite", "3"},        {"AI MdMemory Suite", "1"},
    {"AI Real Math Suite", "1"},   {"AI Art Suite", "9"},           {"AI User Suite", "5"},
    {"AI Document Suite", "7"},    {"AI Document View Suite", "7"}, {"AI Matching Art Suite", "4"},
    {"AI Path Suite", "4"},        {"AI Path Style Suite", "5"},    {"AI Random Suite", "3"},
    {"AI Blend Style Suite", "2"}, {"AI Transform Art Suite", "1"}, {"AI Swatch List Suite", "4"},
    {"AI Undo Suite", "4"},        {"AI Menu Suite", "7"},          {"AI Filter Suite", "2"},
    {"ADM Basic Suite", "2"},      {"ADM Dialog Suite", "3"},       {"ADM Item Suite", "4"},
    {"ADM Icon Suite", "1"},       {"ADM Notifier Suite", "1"},     {"ADM List Suite", "1"},
    {"ADM Entry Suite", "2"},      {"ADM Tracker Suite", "1"}};

// The globals block, which the plug-in hands to the host only on "Unload".
PluginGlobals* globalsAfterUnload(PluginHarness& h) {
  EXPECT_EQ(h.host().unload(), kNoErr);
  return static_cast<PluginGlobals*>(h.host().keptGlobals());
}

TEST(Startup, TraceShowsAcquisitionRegistrationAndRelease) {
  PluginHarness h(PluginHarness::Start::No);
  ASSERT_EQ(h.host().startup(), kNoErr);
  auto ops = hostOperations(h);
  ASSERT_EQ(ops.size(), 26u + 6u + 26u);
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(ops[i]["op"], "acquire suite");
    EXPECT_EQ(ops[i]["in"]["name"], kSuiteOrder[i][0]);
    EXPECT_EQ(ops[i]["in"]["version"], std::stoi(kSuiteOrder[i][1]));
    EXPECT_EQ(ops[i]["result"], 0);
  }
  EXPECT_EQ(ops[26]["op"], "allocate block");
  EXPECT_EQ(ops[26]["in"]["debugName"], "globals");
  EXPECT_EQ(ops[27]["op"], "get indexed string");
  EXPECT_EQ(ops[27]["in"]["listId"], 16000);
  EXPECT_EQ(ops[27]["in"]["index"], 1);
  EXPECT_EQ(ops[28]["op"], "get indexed string");
  EXPECT_EQ(ops[28]["in"]["index"], 2);
  EXPECT_EQ(ops[29]["op"], "add filter");
  EXPECT_EQ(ops[29]["in"]["name"], "Tesk_Contour");
  EXPECT_EQ(ops[29]["in"]["category"], "Zeph <Paths>");
  EXPECT_EQ(ops[29]["in"]["title"], "Contour...");
  EXPECT_EQ(ops[30]["op"], "get filter menu item");
  EXPECT_EQ(ops[31]["op"], "set automatic menu-item update");
  EXPECT_EQ(ops[31]["in"]["values"], nlohmann::json::parse("[1,0,0,0,0,1,0]"));
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(ops[32 + i]["op"], "release suite");
    EXPECT_EQ(ops[32 + i]["in"]["name"], kSuiteOrder[i][0]);
  }
  EXPECT_TRUE(h.session().misuses().empty());
}

TEST(Startup, RegistersOneFilterWithItsMenuTexts) {
  PluginHarness h;
  const auto& filters = h.session().plugins().filters();
  ASSERT_EQ(filters.size(), 1u);
  EXPECT_EQ(filters[0].name, "Tesk_Contour");
  EXPECT_EQ(filters[0].category, "Zeph <Paths>");
  EXPECT_EQ(filters[0].title, "Contour...");
  PluginGlobals* globals = globalsAfterUnload(h);
  ASSERT_NE(globals, nullptr);
  EXPECT_EQ(globals->filterCount, 1);
  EXPECT_EQ(globals->filterHandle, h.session().plugins().filterHandle(0));
  EXPECT_EQ(globals->selectionCount, -1);
  EXPECT_EQ(h.host().reload(), kNoErr);
}

TEST(Startup, WithoutTheCategoryStringRegistersNothing) {
  PluginHarness h(PluginHarness::Start::No);
  // The category read fails, so the plug-in sees an empty entry 1.
  h.session().faults.failCall("get indexed string", 1, kBadParameterErr);
  EXPECT_EQ(h.host().startup(), kNoErr);
  EXPECT_TRUE(h.session().plugins().filters().empty());
  EXPECT_EQ(globalsAfterUnload(h)->filterCount, 0);
  EXPECT_EQ(h.host().reload(), kNoErr);
}

TEST(About, ShowsTheBoxAndReturnsZero) {
  PluginHarness h;
  EXPECT_EQ(h.host().about(), kNoErr);
  EXPECT_EQ(h.host().about(), kNoErr);
  const auto& shown = h.dialogs().shownDialogs();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].resourceId, 16050);
  EXPECT_EQ(shown[0].title, "Contour Plug-in About");
  ASSERT_NE(shown[0].findItem(1), nullptr);
  EXPECT_EQ(shown[0].findItem(1)->text, "&OK");
  EXPECT_EQ(shown[0].result, 1);
}

TEST(UnloadReload, TheGlobalsSurviveInTheHostsField) {
  PluginHarness h;
  PluginGlobals* before = globalsAfterUnload(h);
  ASSERT_NE(before, nullptr);
  EXPECT_EQ(h.host().reload(), kNoErr);
  EXPECT_EQ(h.host().unload(), kNoErr);
  EXPECT_EQ(h.host().keptGlobals(), before);
  EXPECT_EQ(h.host().reload(), kNoErr);
}

TEST(UnloadReload, ReloadWithAnEmptyFieldLeavesNoGlobalsAndCountsAfresh) {
  PluginHarness h;
  PluginGlobals* globals = globalsAfterUnload(h);
  h.host().setKeptGlobals(nullptr);
  EXPECT_EQ(h.host().reload(), kNoErr);
  h.clearTrace();
  // The next call acquires every suite again: the nesting counter starts at 0.
  EXPECT_EQ(h.host().about(), kNoErr);
  int acquired = 0;
  for (auto& op : hostOperations(h)) acquired += op["op"] == "acquire suite";
  EXPECT_EQ(acquired, 26);
  // The filter messages find no globals and do nothing.
  EXPECT_EQ(h.host().runFilter(false), kNoErr);
  EXPECT_EQ(h.host().unload(), kNoErr);
  EXPECT_EQ(h.host().keptGlobals(), nullptr);
  // Give the block back so that shut-down frees it.
  h.host().setKeptGlobals(globals);
  EXPECT_EQ(h.host().reload(), kNoErr);
}

TEST(Shutdown, FreesTheGlobalsAndClearsTheField) {
  PluginHarness h;
  EXPECT_EQ(h.host().shutdown(), kNoErr);
  EXPECT_EQ(h.host().keptGlobals(), nullptr);
  bool freed = false;
  for (auto& op : hostOperations(h)) freed |= op["op"] == "free block" && op["result"] == 0;
  EXPECT_TRUE(freed);
}

TEST(Shutdown, WithoutTheBlockSuiteClearsTheFieldAndReturnsTheCode) {
  PluginHarness h;
  EXPECT_EQ(h.host().unload(), kNoErr);
  EXPECT_EQ(h.host().reload(), kNoErr);
  ASSERT_NE(h.host().keptGlobals(), nullptr);
  // The 27th acquisition of this message is shut-down's own one of the block suite.
  const ASErr code = fourCharCode("NOPE");
  h.session().faults.failCall("acquire suite", 27, code);
  EXPECT_EQ(h.host().shutdown(), code);
  EXPECT_EQ(h.host().keptGlobals(), nullptr);
  for (auto& op : hostOperations(h)) EXPECT_NE(op["op"], "free block");
  h.session().faults.clear();
}

}  // namespace
}  // namespace contour_test
