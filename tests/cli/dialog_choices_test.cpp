// --preset and --set turned into the user's actions on the settings dialog.
#include <gtest/gtest.h>

#include <utility>

#include "easel/cli/DialogChoices.h"

namespace {

using contour_cli::choiceEvents;
using contour_cli::DialogChoiceError;
using contour_cli::presetId;
using easel::adm::Event;

std::string errorOf(const contour_cli::DialogChoices& choices) {
  try {
    choiceEvents(choices);
  } catch (const DialogChoiceError& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(DialogChoices, PresetsByNameOrNumber) {
  EXPECT_EQ(presetId("Twist"), 6);
  EXPECT_EQ(presetId(" twist"), 6);
  EXPECT_EQ(presetId("6"), 6);
  EXPECT_EQ(presetId("Random pulse"), 25);
  EXPECT_EQ(presetId("0"), 0);
  for (const char* bad : {"26", "-1", "Twirl", "6.5", ""}) EXPECT_THROW(presetId(bad), DialogChoiceError) << bad;
  try {
    presetId("Twst");
  } catch (const DialogChoiceError& e) {
    EXPECT_STREQ(e.what(), "--preset: \"Twst\" is not an entry; did you mean 'Twist'? (`contour presets` lists them)");
  }
}

TEST(DialogChoices, PresetFirstThenEachSettingTypedIntoItsItem) {
  auto events = choiceEvents({"Twist",
                              {"contourCount=30", "previewOn=0", "fillColorMode=To swatch", "pointsContourMode=8",
                               "scaleH=-2.5", "placeAbove=false", "viewZoom=250", "presetStyle=Intense"}});
  struct Expected {
    Event::Kind kind;
    int item;
    double value;
    int entry;
  };
  const Expected expected[] = {
      {Event::Kind::ChooseEntry, 30, 0, 6},  {Event::Kind::SetValue, 4, 30, 0},
      {Event::Kind::SetValue, 3, 0, 0},      {Event::Kind::ChooseEntry, 140, 0, 6},
      {Event::Kind::ChooseEntry, 34, 0, 8},  {Event::Kind::SetValue, 5, -2.5, 0},
      {Event::Kind::SetValue, 60, 0, 0},     {Event::Kind::SetValue, 21, 250, 0},
      {Event::Kind::ChooseEntry, 30, 0, 22},
  };
  ASSERT_EQ(events.size(), std::size(expected));
  for (std::size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].kind, expected[i].kind) << i;
    EXPECT_EQ(events[i].item, expected[i].item) << i;
    if (expected[i].kind == Event::Kind::SetValue) {
      EXPECT_EQ(events[i].value, expected[i].value) << i;
    } else {
      EXPECT_EQ(events[i].entry, expected[i].entry) << i;
    }
  }
}

TEST(DialogChoices, ModesByTheirTextAStartOfItOrAWord) {
  const struct {
    const char* field;
    const char* name;
    int32_t entry;
  } cases[] = {
      {"shiftMode", "Random", 6},          // the text after the list's own "Shift - "
      {"shiftMode", "shift - random", 6},  // the whole text
      {"shiftMode", "accumulate", 1},      // a whole name before the start of others
      {"shiftMode", "Zag", 10},
      {"pointsVariationMode", "Random2", 8},
      {"pointsVariationMode", "burst", 10},  // a word of "Five Burst"
      {"fillColorMode", "swatches", 4},      // a word of "Random swatches"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(contour_cli::modeEntryNamed(c.field, c.name), c.entry) << c.field << "=" << c.name;
  }
  EXPECT_EQ(presetId("pulse"), 25);  // a word of "Random pulse"
}

TEST(DialogChoices, SettingsTheDialogCannotTakeAreNamed) {
  const std::pair<const char*, const char*> cases[] = {
      {"contourCount", "--set \"contourCount\": write FIELD=VALUE"},
      {"contourCount=lots", "--set contourCount: \"lots\" is not a finite number"},
      {"contourCount=inf", "--set contourCount: \"inf\" is not a finite number"},
      {"previewOn=2", "--set previewOn: \"2\" is not 0 or 1"},
      // A field the record has but no item shows.
      {"currentPage=3", "--set: \"currentPage\" is not a setting of the dialog (`contour params` lists them)"},
      {"contourCont=3",
       "--set: \"contourCont\" is not a setting of the dialog; did you mean 'contourCount'? "
       "(`contour params` lists them)"},
      {"pointsContourMode=Alternate",
       "--set pointsContourMode: \"Alternate\" fits several entries: 'Alternate' (1), 'Alternate' (8); give more of "
       "its name or its number"},
      {"pointsVariationMode=Random",
       "--set pointsVariationMode: \"Random\" fits several entries: 'Random1' (7), 'Random2' (8); give more of its "
       "name or its number"},
      {"shiftMode=accum",
       "--set shiftMode: \"accum\" fits several entries: 'Shift - Accumulate' (1), 'Shift - Accumulate/10' (2), "
       "'Shift - Accumulate alternate/2' (4); give more of its name or its number"},
      {"shiftMode=12", "--set shiftMode: \"12\" is not an entry (`contour modes` lists them)"},
      {"shiftMode=1e20", "--set shiftMode: \"1e20\" is not an entry (`contour modes` lists them)"},
  };
  for (const auto& [assignment, message] : cases) EXPECT_EQ(errorOf({"", {assignment}}), message) << assignment;
  // Field and entry names in any case.
  EXPECT_EQ(errorOf({"", {"CONTOURcount=3", "fillcolormode=to SWATCH"}}), "(accepted)");
}

TEST(DialogChoices, FailureTellsCancelFromSuccess) {
  easel::adm::DialogManager dialogs;
  EXPECT_EQ(contour_cli::dialogFailure(kNoErr, dialogs), "");
  EXPECT_EQ(contour_cli::dialogFailure(kUserCanceledErr, dialogs),
            "the settings dialog was cancelled; nothing was written");
  EXPECT_EQ(contour_cli::dialogFailure(-108, dialogs), "the filter failed with code -108");
}

}  // namespace
