// Values typed by the user are held to an item's limits (and rounded on an
// integer spin edit); values the plug-in sets are kept as given.
#include "AdmFixture.h"

namespace adm_test {
namespace {

using easel::adm::Event;

TEST_F(AdmTest, TypedIntegerIsRoundedThenHeldToTheLimits) {
  struct Case {
    double typed;
    int32_t seen;
  };
  // Limits 0..40; halves round away from zero.
  for (Case c : {Case{20, 20}, Case{12.5, 13}, Case{12.49, 12}, Case{55.6, 40}, Case{-7, 0}, Case{-0.4, 0}}) {
    probe = {};
    ASSERT_EQ(runProbe({Event::setValue(kIntSpin, c.typed)}), kNoErr) << c.typed;
    EXPECT_EQ(probe.intValue, c.seen) << c.typed;
    EXPECT_EQ(shownItem(kIntSpin).value, c.seen) << c.typed;
  }
}

TEST_F(AdmTest, TypedRealIsHeldToTheLimitsAsASingle) {
  struct Case {
    double typed;
    float seen;
  };
  for (Case c : {Case{3.14159, 3.14159f}, Case{-70, -50.0f}, Case{50.001, 50.0f}, Case{-0.25, -0.25f}}) {
    probe = {};
    ASSERT_EQ(runProbe({Event::setValue(kRealSpin, c.typed)}), kNoErr) << c.typed;
    EXPECT_EQ(probe.realValue, c.seen) << c.typed;
  }
}

// What the rule changed, so that every source of values can say so.
TEST(TypedValue, SaysWhetherItRoundedOrHeldTheValue) {
  const easel::adm::Limits integer{true, 1.0, 200.0}, real{false, -50.0, 50.0};
  struct Case {
    const easel::adm::Limits& limits;
    double given, used;
    bool rounded, held;
  } cases[] = {
      {integer, 12, 12, false, false},   {integer, 5.5, 6, true, false}, {integer, 300, 200, false, true},
      {integer, 300.5, 200, true, true}, {integer, -3, 1, false, true},  {real, 0.1, 0.1f, false, false},
      {real, 1e9, 50, false, true},      {real, 2.5, 2.5, false, false},
  };
  for (const Case& c : cases) {
    const easel::adm::TypedValue typed = easel::adm::typeWithin(c.limits, c.given);
    EXPECT_EQ(typed.value, c.used) << c.given;
    EXPECT_EQ(typed.rounded, c.rounded) << c.given;
    EXPECT_EQ(typed.held, c.held) << c.given;
  }
}

TEST_F(AdmTest, ValueSetByThePlugInIsKeptOutsideTheLimits) {
  // A spin edit of 0..40 set to 500 at creation and to -3 by its procedure.
  struct Outside {
    static void notify(ADMItemRef item, ADMNotifierRef) {
      itemSuite().setIntValue(item, -3);
      int32_t v = 0;
      itemSuite().getIntValue(item, &v);
      ADMDialogRef dialog = nullptr;
      ADMUserData data = nullptr;
      itemSuite().getDialog(item, &dialog);
      dialogSuite().getUserData(dialog, &data);
      static_cast<Probe*>(data)->intValue = v;
    }
  };
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef spin = nullptr;
      ADMRect r{0, 0, 60, 20};
      dialogSuite().createItem(dialog, kIntSpin, kADMSpinEditType, &r, nullptr, nullptr, &spin);
      itemSuite().setMinIntValue(spin, 0);
      itemSuite().setMaxIntValue(spin, 40);
      itemSuite().setIntValue(spin, 500);
      itemSuite().setNotifyProc(spin, Outside::notify);
      return kNoErr;
    }
  };
  dialogs.setScript({Event::setValue(kIntSpin, 10)});
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Init::init, &probe), kNoErr);
  EXPECT_EQ(probe.intValue, -3);
  EXPECT_EQ(shownItem(kIntSpin).value, -3);
}

TEST_F(AdmTest, CheckBoxTakesZeroOrOneAndAClickTurnsItOver) {
  ASSERT_EQ(runProbe({Event::setValue(kCheck, 0)}), kNoErr);
  EXPECT_EQ(shownItem(kCheck).value, 0);
  probe = {};
  ASSERT_EQ(runProbe({Event::press(kCheck), Event::press(kCheck), Event::press(kCheck)}), kNoErr);
  EXPECT_EQ(shownItem(kCheck).value, 0);  // starts at 1, turned over three times
  EXPECT_EQ(probe.log, std::vector<std::string>(3, "notify 3"));
}

TEST_F(AdmTest, SpinEditsShowTheirNumberWithTheirPrecision) {
  ASSERT_EQ(runProbe({Event::setValue(kRealSpin, -0.001)}), kNoErr);
  EXPECT_EQ(easel::adm::shownText(shownItem(kRealSpin)), "0.00");  // no sign on a zero
  EXPECT_EQ(easel::adm::shownText(shownItem(kIntSpin)), "12");
  ASSERT_EQ(runProbe({Event::setValue(kRealSpin, -4.126)}), kNoErr);
  EXPECT_EQ(easel::adm::shownText(shownItem(kRealSpin)), "-4.13");
  EXPECT_EQ(easel::adm::shownText(shownItem(kList)), " Contour points as settings");
  EXPECT_EQ(easel::adm::shownText(shownItem(kLabel)), "Contours");
}

}  // namespace
}  // namespace adm_test
