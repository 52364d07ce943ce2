// What the user sees when a call fails: the message of the code from the
// error list (or its catch-all) and the code itself.
#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "easel/core/PluginRegistry.h"

namespace contour_test {
namespace {

const char* const kMemoryMessage = "The filter cannot complete because there isn't enough memory (RAM) available.";
const char* const kCatchAll =
    "The contour plugin cannot complete because of an unknown error. The plugin requires standard paths to be "
    "selected or symbols or other shapes. It will not work with text in version CS";

struct Case {
  ASErr code;
  const char* message;
  const char* codeText;
};

class StartupFailure : public ::testing::TestWithParam<Case> {};

// A failing allocation at start-up returns its code to the host, which the
// plug-in reports first.
TEST_P(StartupFailure, ShowsTheMessageOfTheCode) {
  const Case& c = GetParam();
  PluginHarness h(PluginHarness::Start::No);
  h.session().faults.failCall("allocate block", 1, c.code);
  EXPECT_EQ(h.host().startup(), c.code);
  auto shown = errorDialogs(h);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first, c.message);
  EXPECT_EQ(shown[0].second, c.codeText);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StartupFailure,
    ::testing::Values(
        Case{fourCharCode("!MEM"), kCatchAll, "!MEM"}, Case{-108, kMemoryMessage, "-108"},
        Case{271, kMemoryMessage, "271"},
        Case{fourCharCode("SEGM"), "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
        Case{fourCharCode("NESS"), "The filter cannot complete because a path has too many anchor points.", "NESS"},
        Case{fourCharCode("!sel"), "The selection is not valid for this filter.", "!sel"},
        Case{-42, kCatchAll, "-42"}));

TEST(ErrorReport, CancelAndMissingSuitesAreNeverReported) {
  for (ASErr code : {kUserCanceledErr, kSuiteNotFoundErr}) {
    PluginHarness h(PluginHarness::Start::No);
    h.session().faults.failCall("allocate block", 1, code);
    EXPECT_EQ(h.host().startup(), code);
    EXPECT_TRUE(errorDialogs(h).empty());
  }
}

TEST(SuiteLoading, AFailureAfterTheDialogSuitesIsShown) {
  PluginHarness h(PluginHarness::Start::No);
  h.session().faults.failSuite("ADM Tracker Suite", 1234);
  EXPECT_EQ(h.host().startup(), 1234);
  const auto& alerts = h.dialogs().alerts();
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0], "Suite Loading Error: 1234, suite: ADM Tracker Suite, version: 1!");
  auto shown = errorDialogs(h);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first, kCatchAll);
  EXPECT_EQ(shown[0].second, "1234");
  // Nothing was dispatched: no filter was registered.
  EXPECT_TRUE(h.session().plugins().filters().empty());
}

TEST(SuiteLoading, ASuiteNotFoundGetsTheAlertButNoErrorDialog) {
  PluginHarness h(PluginHarness::Start::No);
  h.session().faults.failSuite("ADM Entry Suite", kSuiteNotFoundErr);
  EXPECT_EQ(h.host().startup(), kSuiteNotFoundErr);
  ASSERT_EQ(h.dialogs().alerts().size(), 1u);
  EXPECT_EQ(h.dialogs().alerts()[0],
            "Suite Loading Error: " + std::to_string(kSuiteNotFoundErr) + ", suite: ADM Entry Suite, version: 2!");
  EXPECT_TRUE(errorDialogs(h).empty());
}

TEST(SuiteLoading, AFailureBeforeTheDialogSuitesShowsNothing) {
  PluginHarness h(PluginHarness::Start::No);
  h.session().faults.failSuite("AI Art Suite", 1234);
  EXPECT_EQ(h.host().startup(), 1234);
  EXPECT_TRUE(h.dialogs().alerts().empty());
  EXPECT_TRUE(errorDialogs(h).empty());
  // The suites acquired before the failure were released again.
  int acquired = 0, released = 0;
  for (auto& op : hostOperations(h)) {
    acquired += op["op"] == "acquire suite" && op["result"] == 0;
    released += op["op"] == "release suite" && op["result"] == 0;
  }
  EXPECT_EQ(acquired, 4);
  EXPECT_EQ(released, 4);
}

}  // namespace
}  // namespace contour_test
