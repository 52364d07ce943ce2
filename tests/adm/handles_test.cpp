// Handles are checked, never followed: after a dialog closes its dialog,
// item, list and entry handles are stale, and notifiers and trackers are
// stale once their call has returned. Each misuse gets kBadHandleErr and is
// recorded.
#include "AdmFixture.h"

#include "easel/adm/HandleTable.h"

namespace adm_test {
namespace {

using easel::adm::Event;

bool misuseRecorded(const easel::Session& session, const std::string& text) {
  for (const auto& m : session.misuses())
    if (m.find(text) != std::string::npos) return true;
  return false;
}

TEST_F(AdmTest, HandlesOfAClosedDialogAreStale) {
  ASSERT_EQ(runProbe({Event::choose(kList, 1), Event::pick(kPickButton, 1, 2)}), kNoErr);
  ASSERT_TRUE(session.misuses().empty());

  ADMUserData data = nullptr;
  EXPECT_EQ(dialogSuite().getUserData(probe.dialog, &data), kBadHandleErr);
  EXPECT_EQ(data, nullptr);
  int32_t value = 0;
  EXPECT_EQ(itemSuite().getIntValue(probe.intSpin, &value), kBadHandleErr);
  EXPECT_EQ(itemSuite().setText(probe.intSpin, "x"), kBadHandleErr);
  ADMEntryRef entry = nullptr;
  EXPECT_EQ(listSuite().getActiveEntry(probe.list, &entry), kBadHandleErr);
  EXPECT_EQ(entrySuite().select(probe.firstEntry, 1), kBadHandleErr);
  ASBoolean isType = 0;
  EXPECT_EQ(notifierSuite().isNotifierType(probe.lastNotifier, kADMUserChangedNotifier, &isType), kBadHandleErr);
  ADMRealPoint point{};
  EXPECT_EQ(trackerSuite().getPoint(probe.lastTracker, &point), kBadHandleErr);

  EXPECT_TRUE(misuseRecorded(session, "get user data: stale or foreign dialog handle"));
  EXPECT_TRUE(misuseRecorded(session, "get integer value: stale or foreign item handle"));
  EXPECT_TRUE(misuseRecorded(session, "get active entry: stale or foreign list handle"));
  EXPECT_TRUE(misuseRecorded(session, "select: stale or foreign entry handle"));
  EXPECT_TRUE(misuseRecorded(session, "is notifier type: stale or foreign notifier handle"));
  EXPECT_TRUE(misuseRecorded(session, "get point: stale or foreign tracker handle"));
}

TEST_F(AdmTest, StaleHandlesStayStaleWhenTheirSlotsAreReused) {
  ASSERT_EQ(runProbe({}), kNoErr);
  ADMItemRef old = probe.intSpin;
  ASSERT_EQ(runProbe({}), kNoErr);  // a new dialog takes the freed slots again
  ASSERT_NE(probe.intSpin, nullptr);
  EXPECT_NE(probe.intSpin, old);
  int32_t value = 0;
  EXPECT_EQ(itemSuite().getIntValue(old, &value), kBadHandleErr);
}

TEST_F(AdmTest, NullAndMadeUpHandlesAreRefused) {
  ADMItemRef item = nullptr;
  EXPECT_EQ(dialogSuite().getItem(nullptr, 4, &item), kBadHandleErr);
  EXPECT_EQ(itemSuite().show(reinterpret_cast<ADMItemRef>(0x1234), 1), kBadHandleErr);
  EXPECT_TRUE(misuseRecorded(session, "get item: null dialog handle"));
  EXPECT_TRUE(misuseRecorded(session, "show or hide: stale or foreign item handle"));
}

TEST(HandleTable, KindGenerationAndOwnerAreChecked) {
  using easel::adm::HandleKind;
  easel::adm::HandleTable table, other;
  int object = 0;
  uintptr_t handle = table.add(HandleKind::Item, &object);
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(table.find(handle, HandleKind::Item), &object);
  EXPECT_EQ(table.find(handle, HandleKind::List), nullptr);  // right slot, wrong kind
  EXPECT_EQ(other.find(handle, HandleKind::Item), nullptr);  // another table's
  table.free(handle);
  EXPECT_EQ(table.find(handle, HandleKind::Item), nullptr);
  uintptr_t again = table.add(HandleKind::Item, &object);  // the same slot, a new generation
  EXPECT_NE(again, handle);
  EXPECT_EQ(table.find(handle, HandleKind::Item), nullptr);
  EXPECT_EQ(table.find(again, HandleKind::Item), &object);
  EXPECT_EQ(table.liveCount(), 1u);
}

TEST_F(AdmTest, ClosedDialogsLeaveNoLiveHandles) {
  ASSERT_EQ(runProbe({Event::press(kRelay), Event::pick(kPickButton, 0, 0)}), kNoErr);
  EXPECT_EQ(dialogs.liveHandles(), 0u);
  ADMIconRef icon = nullptr;
  ASSERT_EQ(iconSuite().createFromResource(plugin, 16051, &icon), kNoErr);
  EXPECT_EQ(dialogs.liveHandles(), 1u);
  EXPECT_EQ(iconSuite().destroy(icon), kNoErr);
  EXPECT_EQ(dialogs.liveHandles(), 0u);
  EXPECT_EQ(iconSuite().destroy(icon), kBadHandleErr);  // destroyed twice
  EXPECT_EQ(iconSuite().createFromResource(plugin, 999, &icon), kBadParameterErr);
}

}  // namespace
}  // namespace adm_test
