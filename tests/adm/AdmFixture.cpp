#include "AdmFixture.h"

#include <stdexcept>

#include "easel/adm/ScriptEventSource.h"
#include "easel/core/PluginRegistry.h"
#include "easel/suites/Suites.h"

namespace adm_test {

const ADMBasicSuite& basicSuite() { return *easel::suites::admBasic(); }
const ADMDialogSuite& dialogSuite() { return *easel::suites::admDialog(); }
const ADMItemSuite& itemSuite() { return *easel::suites::admItem(); }
const ADMListSuite& listSuite() { return *easel::suites::admList(); }
const ADMEntrySuite& entrySuite() { return *easel::suites::admEntry(); }
const ADMTrackerSuite& trackerSuite() { return *easel::suites::admTracker(); }
const ADMNotifierSuite& notifierSuite() { return *easel::suites::admNotifier(); }
const ADMIconSuite& iconSuite() { return *easel::suites::admIcon(); }

namespace {

constexpr int32_t kSettingsDialogId = 16100;

// The procedures find the probe as the plug-in finds its record: through the
// dialog's user data.
Probe& probeOf(ADMItemRef item) {
  ADMDialogRef dialog = nullptr;
  ADMUserData data = nullptr;
  itemSuite().getDialog(item, &dialog);
  dialogSuite().getUserData(dialog, &data);
  return *static_cast<Probe*>(data);
}

int32_t idOf(ADMItemRef item) {
  int32_t id = 0;
  itemSuite().getID(item, &id);
  return id;
}

ADMItemRef itemOf(ADMItemRef any, int32_t id) {
  ADMDialogRef dialog = nullptr;
  ADMItemRef item = nullptr;
  itemSuite().getDialog(any, &dialog);
  dialogSuite().getItem(dialog, id, &item);
  return item;
}

// Reads every value item into the probe, so tests see what a plug-in would.
void recordingNotify(ADMItemRef item, ADMNotifierRef notifier) {
  Probe& probe = probeOf(item);
  probe.log.push_back("notify " + std::to_string(idOf(item)));
  probe.lastNotifier = notifier;
  itemSuite().getIntValue(itemOf(item, kIntSpin), &probe.intValue);
  itemSuite().getFloatValue(itemOf(item, kRealSpin), &probe.realValue);
  ADMListRef list = nullptr;
  ADMEntryRef active = nullptr;
  itemSuite().getList(itemOf(item, kList), &list);
  listSuite().getActiveEntry(list, &active);
  if (active != nullptr) entrySuite().getID(active, &probe.activeEntryId);
}

// Notifies another item from inside its own notification.
void relayNotify(ADMItemRef item, ADMNotifierRef) {
  Probe& probe = probeOf(item);
  probe.log.push_back("relay begins");
  itemSuite().sendNotify(itemOf(item, kIntSpin), kADMUserChangedNotifier);
  probe.log.push_back("relay ends");
}

// Notifies itself without end: the dialog manager must cut it off.
void loopNotify(ADMItemRef item, ADMNotifierRef) {
  Probe& probe = probeOf(item);
  ++probe.loopDepth;
  ASErr result = itemSuite().sendNotify(item, kADMUserChangedNotifier);
  if (result != kNoErr) probe.loopResult = result;
}

ASBoolean recordingTrack(ADMItemRef item, ADMTrackerRef tracker) {
  Probe& probe = probeOf(item);
  probe.log.push_back("track " + std::to_string(idOf(item)));
  probe.lastTracker = tracker;
  trackerSuite().getModifiers(tracker, &probe.modifiers);
  trackerSuite().getPoint(tracker, &probe.point);
  return 1;
}

ADMItemRef create(ADMDialogRef dialog, int32_t id, const char* type, ADMRect rect) {
  ADMItemRef item = nullptr;
  if (dialogSuite().createItem(dialog, id, type, &rect, nullptr, nullptr, &item) != kNoErr)
    throw std::logic_error("the probe dialog could not create item " + std::to_string(id));
  return item;
}

ASErr probeInit(ADMDialogRef dialog) {
  ADMUserData data = nullptr;
  dialogSuite().getUserData(dialog, &data);
  Probe& probe = *static_cast<Probe*>(data);
  probe.dialog = dialog;
  const ADMItemSuite& items = itemSuite();

  ADMItemRef spin = create(dialog, kIntSpin, kADMSpinEditType, {180, 60, 240, 80});
  items.setIntValue(spin, 12);
  items.setMinIntValue(spin, 0);
  items.setMaxIntValue(spin, 40);
  items.setNotifyProc(spin, recordingNotify);
  probe.intSpin = spin;

  ADMItemRef real = create(dialog, kRealSpin, kADMSpinEditType, {180, 115, 240, 135});
  items.setFloatValue(real, 4.0f);
  items.setMinFloatValue(real, -50.0f);
  items.setMaxFloatValue(real, 50.0f);
  items.setPrecision(real, 2);
  items.setNotifyProc(real, recordingNotify);

  ADMItemRef check = create(dialog, kCheck, kADMTextCheckBoxType, {428, 130, 508, 144});
  items.setBooleanValue(check, 1);
  items.setNotifyProc(check, recordingNotify);
  items.setText(check, "Preview");

  ADMItemRef label = create(dialog, kLabel, kADMTextStaticType, {10, 60, 168, 80});
  items.setText(label, "Contours");

  ADMItemRef cancel = create(dialog, kCancel, kADMTextPushButtonType, {428, 40, 508, 60});
  items.setText(cancel, "Cancel");

  ADMItemRef relay = create(dialog, kRelay, kADMTextPushButtonType, {428, 70, 508, 90});
  items.setText(relay, "Shuffle");
  items.setNotifyProc(relay, relayNotify);

  ADMItemRef loop = create(dialog, kLoop, kADMTextPushButtonType, {428, 100, 508, 120});
  items.setNotifyProc(loop, loopNotify);

  ADMItemRef pick = create(dialog, kPickButton, kADMPicturePushButtonType, {250, 60, 270, 80});
  items.setTrackProc(pick, recordingTrack);

  ADMItemRef listItem = create(dialog, kList, kADMPopupListType, {10, 85, 200, 105});
  items.getList(listItem, &probe.list);
  const char* texts[] = {" Contour points as settings", " Alternate", " Angle change", " Flip Around", " Alternate"};
  const int32_t ids[] = {0, 1, 2, 3, 8};
  for (int32_t i = 0; i < 5; ++i) {
    ADMEntryRef entry = nullptr;
    listSuite().insertEntry(probe.list, i, &entry);
    entrySuite().setText(entry, texts[i]);
    entrySuite().setID(entry, ids[i]);
    if (i == 0) probe.firstEntry = entry;
  }
  ADMEntryRef first = nullptr;
  listSuite().findEntry(probe.list, 0, &first);
  entrySuite().select(first, 1);
  items.setNotifyProc(listItem, recordingNotify);
  return kNoErr;
}

}  // namespace

AdmTest::AdmTest() {
  auto loaded = easel::ResFile::load(CONTOUR_RES_FILE);
  if (!loaded) throw std::runtime_error(loaded.error());
  resources = std::move(loaded).value();
  plugin = session.plugins().addPlugin("contour.res", &resources);
  dialogs.setDrivenDialog("Tesk_Contour");
  for (easel::SuiteId id :
       {easel::SuiteId::ADMBasic, easel::SuiteId::ADMDialog, easel::SuiteId::ADMItem, easel::SuiteId::ADMIcon,
        easel::SuiteId::ADMNotifier, easel::SuiteId::ADMList, easel::SuiteId::ADMEntry, easel::SuiteId::ADMTracker})
    session.acquire(id);
}

ASErr AdmTest::runProbe(const std::vector<easel::adm::Event>& script) {
  dialogs.setScript(script);
  return dialogSuite().modal(plugin, "Tesk_Contour", kSettingsDialogId, 0, probeInit, &probe, &itemHit);
}

ASErr AdmTest::runDialog(const char* name, int32_t resourceId, ADMDialogInitProc init, void* userData) {
  return dialogSuite().modal(plugin, name, resourceId, 0, init, userData, &itemHit);
}

const easel::adm::Item& AdmTest::shownItem(int32_t id) const {
  const easel::adm::Item* item = lastDialog().findItem(id);
  if (item == nullptr) throw std::logic_error("no item " + std::to_string(id) + " was shown");
  return *item;
}

}  // namespace adm_test
