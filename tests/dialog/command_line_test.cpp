// The command line's --preset and --set played on the real dialog, and the
// dialog state it writes.
#include "easel/cli/DialogChoices.h"
#include "easel/host/DialogScriptJson.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

TEST_F(DialogTest, PresetThenSettingsKeepsTheSettings) {
  ASSERT_EQ(harness.runFilter(contour_cli::choiceEvents({"Twist", {"contourCount=30"}})), kNoErr);
  EXPECT_EQ(record().presetStyle, 6);
  EXPECT_EQ(record().rotation, 50.0f);
  EXPECT_EQ(record().contourCount, 30);  // typed after the preset, so not discarded by it
  EXPECT_EQ(layerCount(), 32u);          // the square and its 31 contours
}

TEST_F(DialogTest, DialogStateHasEveryItemAsItClosed) {
  ASSERT_EQ(open(contour_cli::choiceEvents({"Intense", {"fillColorMode=To swatch"}})), kNoErr);
  auto state = easel::host::dialogStateToJson(dialog());
  EXPECT_EQ(state["name"], "Tesk_Contour");
  ASSERT_EQ(state["items"].size(), 78u);
  for (const auto& it : state["items"]) {
    if (it["id"] == 4) {
      EXPECT_EQ(it["value"], 50);
      EXPECT_EQ(it["minimum"], 1);
      EXPECT_EQ(it["maximum"], 200);
    }
    if (it["id"] == 30) {
      EXPECT_EQ(it["active"], 22);
    }
    if (it["id"] == 141) {
      EXPECT_EQ(it["enabled"], true);
    }
  }
}

TEST_F(DialogTest, CancelIsReportedAsSuch) {
  ASSERT_EQ(open({Event::end(2)}), kUserCanceledErr);
  EXPECT_EQ(contour_cli::dialogFailure(kUserCanceledErr, harness.dialogs()),
            "the settings dialog was cancelled; nothing was written");
  close();
  ASSERT_EQ(open({Event::setValue(99, 1)}), kBadParameterErr);
  EXPECT_EQ(contour_cli::dialogFailure(kBadParameterErr, harness.dialogs()),
            "dialog script: event 1: item 99 does not exist");
}

}  // namespace
}  // namespace contour_test
