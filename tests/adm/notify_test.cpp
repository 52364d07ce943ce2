// Notifications and tracking: procedures run synchronously, also when one
// notifies another from inside its own call; a pick reaches the track
// procedure with the view point of the artwork point and the pick flag.
#include "AdmFixture.h"

#include "easel/core/ViewState.h"

namespace adm_test {
namespace {

using easel::adm::Event;

TEST_F(AdmTest, NotificationSentFromAProcedureRunsBeforeTheSendReturns) {
  ASSERT_EQ(runProbe({Event::setValue(kIntSpin, 7), Event::press(kRelay)}), kNoErr);
  EXPECT_EQ(probe.log, (std::vector<std::string>{"notify 4", "relay begins", "notify 4", "relay ends"}));
  EXPECT_EQ(probe.intValue, 7);
}

TEST_F(AdmTest, ANotifierKnowsItsItemAndType) {
  struct Check {
    static void notify(ADMItemRef item, ADMNotifierRef notifier) {
      ADMItemRef of = nullptr;
      ASBoolean userChanged = 0, other = 1;
      EXPECT_EQ(notifierSuite().getItem(notifier, &of), kNoErr);
      EXPECT_EQ(of, item);
      notifierSuite().isNotifierType(notifier, kADMUserChangedNotifier, &userChanged);
      notifierSuite().isNotifierType(notifier, "ADM Bounds Changed Notifier", &other);
      EXPECT_EQ(userChanged, 1);
      EXPECT_EQ(other, 0);
      itemSuite().setText(item, "checked");
    }
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef button = nullptr;
      ADMRect r{0, 0, 60, 20};
      dialogSuite().createItem(dialog, 90, kADMTextPushButtonType, &r, nullptr, nullptr, &button);
      itemSuite().setNotifyProc(button, notify);
      return kNoErr;
    }
  };
  dialogs.setScript({Event::press(90)});
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Check::init, nullptr), kNoErr);
  EXPECT_EQ(shownItem(90).text, "checked");
}

TEST_F(AdmTest, ANotificationLoopIsCutOffAndRecorded) {
  ASSERT_EQ(runProbe({Event::press(kLoop)}), kNoErr);
  EXPECT_EQ(probe.loopResult, kBadParameterErr);
  EXPECT_GT(probe.loopDepth, 8);  // real chains are a few levels deep
  EXPECT_LT(probe.loopDepth, 1000);
  ASSERT_FALSE(session.misuses().empty());
  EXPECT_EQ(session.misuses().back(), "send notification: notifications nested too deep");
}

TEST_F(AdmTest, PickGivesTheTrackerTheViewPointAndThePickFlag) {
  // A view scrolled and zoomed: view = ((x - 100) * 2, (700 - y) * 2).
  ASSERT_TRUE(session.view().setOrigin({100, 700}));
  ASSERT_TRUE(session.view().setZoom(2));
  ASSERT_EQ(runProbe({Event::pick(kPickButton, 125.5f, 650)}), kNoErr);
  EXPECT_EQ(probe.log, std::vector<std::string>{"track 120"});
  EXPECT_EQ(probe.modifiers, kADMDocumentViewPickModifier);
  EXPECT_EQ(probe.point.h, 51.0f);
  EXPECT_EQ(probe.point.v, 100.0f);
}

TEST_F(AdmTest, PickWithOtherFlagsHandsThemOver) {
  ASSERT_EQ(runProbe({Event::pick(kPickButton, 0, 0, 0)}), kNoErr);
  EXPECT_EQ(probe.modifiers, 0);
}

TEST_F(AdmTest, DefaultTrackTakesNothingAndNeedsALiveTracker) {
  struct Track {
    static ASBoolean track(ADMItemRef item, ADMTrackerRef tracker) {
      ASBoolean handled = 1;
      EXPECT_EQ(itemSuite().defaultTrack(item, tracker, &handled), kNoErr);
      EXPECT_EQ(handled, 0);
      EXPECT_EQ(itemSuite().defaultTrack(item, nullptr, &handled), kBadHandleErr);
      return 1;
    }
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef button = nullptr;
      ADMRect r{0, 0, 20, 20};
      dialogSuite().createItem(dialog, 120, kADMPicturePushButtonType, &r, nullptr, nullptr, &button);
      itemSuite().setTrackProc(button, track);
      return kNoErr;
    }
  };
  dialogs.setScript({Event::pick(120, 1, 1)});
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Track::init, nullptr), kNoErr);
}

TEST_F(AdmTest, DefaultNotifyEndsTheRunOnlyForButtonsOneAndTwo) {
  // Shuffle (90) has a procedure that does not end the dialog; Cancel (2)
  // has none, so the host's own handling ends it with 2.
  ASSERT_EQ(runProbe({Event::press(kRelay), Event::press(kCancel), Event::setValue(kIntSpin, 1)}), kNoErr);
  EXPECT_EQ(itemHit, 2);
  EXPECT_EQ(probe.intValue, 12);  // the event after Cancel was not played
}

}  // namespace
}  // namespace adm_test
