// Modal runs: how a dialog ends, what is recorded of it, and how a script
// the dialog cannot take is reported with the event's position.
#include "AdmFixture.h"

#include <cstring>

namespace adm_test {
namespace {

using easel::adm::Event;

TEST_F(AdmTest, DrivenDialogWithoutItemOneEndsWithTheDefaultItemKey) {
  ASSERT_EQ(runProbe({Event::setValue(kIntSpin, 20)}), kNoErr);  // the script runs out
  EXPECT_EQ(itemHit, 1);
  ASSERT_EQ(runProbe({Event::end(1), Event::setValue(kIntSpin, 30)}), kNoErr);
  EXPECT_EQ(itemHit, 1);
  EXPECT_EQ(shownItem(kIntSpin).value, 12);      // nothing after the end was played
  ASSERT_EQ(runProbe({Event::end(2)}), kNoErr);  // the cancel key presses Cancel
  EXPECT_EQ(itemHit, 2);
}

TEST_F(AdmTest, OnlyTheDialogTheHostNamesTakesTheEvents) {
  dialogs.setDrivenDialog("Another Dialog");
  ASSERT_EQ(runProbe({Event::setValue(kIntSpin, 20), Event::end(2)}), kNoErr);
  EXPECT_EQ(itemHit, 1);                     // closed at once by its default item
  EXPECT_EQ(shownItem(kIntSpin).value, 12);  // nothing was played
  dialogs.setDrivenDialog("");
  ASSERT_EQ(runProbe({Event::end(2)}), kNoErr);
  EXPECT_EQ(itemHit, 1);
}

TEST_F(AdmTest, ScriptErrorsStopTheRunAndNameTheEventAndItsPosition) {
  struct Case {
    Event bad;
    std::string message;
  };
  const Case cases[] = {
      {Event::setValue(77, 1), "event 3: item 77 does not exist"},
      {Event::setValue(kList, 2), "event 3: item 34 is a popup list: choose an entry instead of typing a value"},
      {Event::setValue(kCheck, 0.5), "event 3: item 3 is a check box: its value is 0 or 1"},
      {Event::setValue(kLabel, 1), "event 3: item 70 is a static text: it takes no value"},
      {Event::choose(kList, 5), "event 3: item 34 has no entry with id 5"},
      {Event::choose(kIntSpin, 0), "event 3: item 4 is a spin edit, not a popup list"},
      {Event::press(kLabel), "event 3: item 70 is a static text: it cannot be pressed"},
      {Event::pick(kRelay, 0, 0), "event 3: item 90 has no track procedure: it cannot pick a point"},
  };
  for (const Case& c : cases) {
    probe = {};
    EXPECT_EQ(runProbe({Event::setValue(kIntSpin, 5), Event::choose(kList, 2), c.bad, Event::setValue(kIntSpin, 9)}),
              kBadParameterErr);
    EXPECT_EQ(dialogs.scriptError(), c.message);
    EXPECT_EQ(itemHit, 0);
    EXPECT_EQ(probe.intValue, 5);  // the events before it were played, the one after it was not
  }
  dialogs.setScript({});
  EXPECT_EQ(dialogs.scriptError(), "");  // a new script starts without an error
}

TEST_F(AdmTest, EveryDialogShownIsRecordedAsItWasWhenItClosed) {
  ASSERT_EQ(runProbe({Event::setValue(kRealSpin, 12.5), Event::choose(kList, 3), Event::end(2)}), kNoErr);
  ASSERT_EQ(dialogs.shownDialogs().size(), 1u);
  const auto& shown = lastDialog();
  EXPECT_EQ(shown.name, "Tesk_Contour");
  EXPECT_EQ(shown.title, "Contour Plug-in");
  EXPECT_EQ(shown.resourceId, 16100);
  EXPECT_EQ(shown.result, 2);
  std::vector<int32_t> ids;
  for (const auto& item : shown.items) ids.push_back(item.id);
  EXPECT_EQ(ids,
            (std::vector<int32_t>{kIntSpin, kRealSpin, kCheck, kLabel, kCancel, kRelay, kLoop, kPickButton, kList}));
  EXPECT_EQ(shownItem(kRealSpin).kind, easel::adm::ItemKind::SpinEdit);
  EXPECT_EQ(easel::adm::shownText(shownItem(kRealSpin)), "12.50");
  EXPECT_EQ(easel::adm::shownText(shownItem(kList)), " Flip Around");
  EXPECT_EQ(shownItem(kCancel).text, "Cancel");
  EXPECT_EQ(dialogs.lastShown("Tesk_Contour"), &shown);
  EXPECT_EQ(dialogs.lastShown("About Dialog"), nullptr);
}

ASErr okClosesTheBox(ADMDialogRef dialog) {
  struct Ok {
    static void notify(ADMItemRef item, ADMNotifierRef notifier) {
      int* presses = nullptr;
      ADMDialogRef d = nullptr;
      itemSuite().getDialog(item, &d);
      dialogSuite().getUserData(d, reinterpret_cast<ADMUserData*>(&presses));
      ++*presses;
      itemSuite().defaultNotify(item, notifier);
    }
  };
  ADMItemRef ok = nullptr;
  dialogSuite().getItem(dialog, 1, &ok);
  itemSuite().setNotifyProc(ok, Ok::notify);
  return kNoErr;
}

TEST_F(AdmTest, OtherDialogsAreClosedAtOnceByTheirDefaultItem) {
  int presses = 0;
  dialogs.setScript({Event::setValue(77, 1)});  // for the driven dialog only: never played here
  ASSERT_EQ(runDialog("About Dialog", 16050, okClosesTheBox, &presses), kNoErr);
  EXPECT_EQ(itemHit, 1);
  EXPECT_EQ(presses, 1);  // "&OK" was pressed, and its procedure ended the box
  EXPECT_EQ(dialogs.scriptError(), "");
  const auto& about = lastDialog();
  EXPECT_EQ(about.title, "Contour Plug-in About");
  ASSERT_EQ(about.items.size(), 9u);
  EXPECT_EQ(about.items[0].id, 1);
  EXPECT_EQ(about.items[0].kind, easel::adm::ItemKind::DefaultPushButton);
  EXPECT_EQ(about.items[0].text, "&OK");
  EXPECT_EQ((about.items[0].rect), (ADMRect{128, 141, 168, 155}));
  EXPECT_EQ(about.items[3].kind, easel::adm::ItemKind::StaticText);
  EXPECT_EQ(about.items[3].text, "Plugin Name: Zeph18 Contour");
  EXPECT_EQ(about.items[3].id, -1);
}

TEST_F(AdmTest, ErrorDialogShowsTheTextsItsInitProcedureSets) {
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef message = nullptr, code = nullptr;
      dialogSuite().getItem(dialog, 2, &message);
      dialogSuite().getItem(dialog, 3, &code);
      itemSuite().setText(message, "The selection is not valid for this filter.");
      itemSuite().setText(code, "!sel");
      return kNoErr;
    }
  };
  ASSERT_EQ(runDialog("Error Dialog", 16051, Init::init, nullptr), kNoErr);
  EXPECT_EQ(itemHit, 1);  // the template's OK has no procedure: the host's own handling ends it
  EXPECT_EQ(shownItem(2).text, "The selection is not valid for this filter.");
  EXPECT_EQ(shownItem(3).text, "!sel");
  EXPECT_EQ(shownItem(4).kind, easel::adm::ItemKind::BlackFrame);
  EXPECT_EQ(lastDialog().title, "Plug-in Error");
}

TEST_F(AdmTest, InitProcedureFailureEndsTheRunWithItsCode) {
  struct Init {
    static ASErr init(ADMDialogRef) { return kOutOfMemoryErr; }
  };
  EXPECT_EQ(runDialog("Tesk_Contour", 16100, Init::init, nullptr), kOutOfMemoryErr);
  EXPECT_EQ(itemHit, 0);
  EXPECT_EQ(dialogs.liveHandles(), 0u);
}

TEST_F(AdmTest, MissingTemplateAndForeignPlugInAreRefused) {
  EXPECT_EQ(runDialog("Tesk_Contour", 16101, nullptr, nullptr), kBadParameterErr);
  int32_t hit = 5;
  EXPECT_EQ(dialogSuite().modal(reinterpret_cast<SPPluginRef>(0x99), "x", 16100, 0, nullptr, nullptr, &hit),
            kBadHandleErr);
  EXPECT_EQ(hit, 0);
  EXPECT_TRUE(dialogs.shownDialogs().empty());
}

TEST_F(AdmTest, DialogPlaceAndSize) {
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMRect bounds{};
      dialogSuite().getBoundsRect(dialog, &bounds);
      EXPECT_EQ(bounds, (ADMRect{0, 0, 217, 115}));  // the template's window
      ADMRect place{300, 200, 400, 260};
      dialogSuite().setBoundsRect(dialog, &place);
      dialogSuite().setSize(dialog, 520, 240);  // keeps the top-left corner
      return kNoErr;
    }
  };
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Init::init, nullptr), kNoErr);
  EXPECT_EQ(lastDialog().bounds, (ADMRect{300, 200, 820, 440}));
}

TEST_F(AdmTest, CreateItemRefusesUnknownTypesAndTakenIds) {
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef item = nullptr;
      ADMRect r{0, 0, 10, 10};
      EXPECT_EQ(dialogSuite().createItem(dialog, 4, "ADM Slider Type", &r, nullptr, nullptr, &item), kBadParameterErr);
      EXPECT_EQ(dialogSuite().createItem(dialog, 4, kADMSpinEditType, &r, nullptr, nullptr, &item), kNoErr);
      EXPECT_EQ(dialogSuite().createItem(dialog, 4, kADMTextStaticType, &r, nullptr, nullptr, &item), kBadParameterErr);
      EXPECT_EQ(dialogSuite().getItem(dialog, 5, &item), kBadParameterErr);
      EXPECT_EQ(item, nullptr);
      return kNoErr;
    }
  };
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Init::init, nullptr), kNoErr);
  EXPECT_EQ(lastDialog().items.size(), 1u);
}

TEST_F(AdmTest, IndexedStringsComeFromThePlugInsStringLists) {
  char buffer[256];
  ASSERT_EQ(basicSuite().getIndexString(plugin, 16000, 1, buffer, 256), kNoErr);
  EXPECT_STREQ(buffer, "Zeph <Paths>");
  ASSERT_EQ(basicSuite().getIndexString(plugin, 16050, 9, buffer, 256), kNoErr);
  EXPECT_STREQ(buffer, "!sel");
  ASSERT_EQ(basicSuite().getIndexString(plugin, 16000, 1, buffer, 5), kNoErr);
  EXPECT_STREQ(buffer, "Zeph");  // at most maxLength - 1 bytes
  std::strcpy(buffer, "stale");
  ASSERT_EQ(basicSuite().getIndexString(plugin, 16000, 3, buffer, 256), kNoErr);
  EXPECT_STREQ(buffer, "");  // past the end of the list
  EXPECT_EQ(basicSuite().getIndexString(plugin, 16000, 1, buffer, 0), kBadParameterErr);
  EXPECT_EQ(basicSuite().getIndexString(reinterpret_cast<SPPluginRef>(0x99), 16000, 1, buffer, 256), kBadHandleErr);
}

TEST_F(AdmTest, MessageAlertsAreRecorded) {
  ASSERT_EQ(basicSuite().messageAlert("Suite Loading Error: -1, suite: AI Art Suite, version: 9!"), kNoErr);
  ASSERT_EQ(dialogs.alerts().size(), 1u);
  EXPECT_EQ(dialogs.alerts()[0], "Suite Loading Error: -1, suite: AI Art Suite, version: 9!");
}

}  // namespace
}  // namespace adm_test
