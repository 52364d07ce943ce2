// A host for the dialog manager's tests: a session holding the dialog
// suites, the plug-in's compiled resources registered as a plug-in's, and a
// small dialog built by procedures written here, run through the suites as
// the plug-in runs its own.
#ifndef CONTOUR_TESTS_ADM_ADMFIXTURE_H
#define CONTOUR_TESTS_ADM_ADMFIXTURE_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "easel/adm/DialogManager.h"
#include "easel/core/Session.h"
#include "easel/core/resources/ResFile.h"
#include "plugin/host/AllSuites.h"

inline void PrintTo(const ADMRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace adm_test {

// Item ids of the probe dialog, named after what they are.
enum ProbeItem : int32_t {
  kCancel = 2,
  kCheck = 3,
  kIntSpin = 4,   // integer 0..40, starts at 12
  kRealSpin = 5,  // real -50..50, 2 places, starts at 4
  kLabel = 70,
  kList = 34,         // entries 0..3, then a second " Alternate" with id 8
  kRelay = 90,        // its procedure notifies kIntSpin
  kLoop = 91,         // its procedure notifies itself
  kPickButton = 120,  // a track procedure
};

// What the probe dialog's procedures saw and kept.
struct Probe {
  std::vector<std::string> log;  // "notify 4", "track 120", ...
  ADMDialogRef dialog = nullptr;
  ADMItemRef intSpin = nullptr;
  ADMListRef list = nullptr;
  ADMEntryRef firstEntry = nullptr;
  ADMNotifierRef lastNotifier = nullptr;
  ADMTrackerRef lastTracker = nullptr;
  int32_t intValue = 0;  // kIntSpin's value at its last notification
  float realValue = 0;   // kRealSpin's value at its last notification
  int32_t activeEntryId = -1;
  ADMRealPoint point{};
  int32_t modifiers = 0;
  int loopDepth = 0;
  ASErr loopResult = kNoErr;
};

class AdmTest : public ::testing::Test {
 protected:
  AdmTest();

  // Runs the probe dialog (driven, under the settings dialog's name) with
  // this script; returns the modal call's result and sets itemHit.
  ASErr runProbe(const std::vector<easel::adm::Event>& script);
  // Runs one of the plug-in's dialogs by resource id with an init procedure.
  ASErr runDialog(const char* name, int32_t resourceId, ADMDialogInitProc init, void* userData);

  const easel::adm::ShownDialog& lastDialog() const { return dialogs.shownDialogs().back(); }
  const easel::adm::Item& shownItem(int32_t id) const;

  easel::ResFile resources;
  easel::Session session;
  easel::SessionScope sessionScope{session};
  easel::adm::DialogManager dialogs;
  easel::adm::DialogManagerScope dialogScope{dialogs};
  SPPluginRef plugin = nullptr;
  Probe probe;
  int32_t itemHit = -1;
};

// The suites, as the plug-in holds them.
const ADMBasicSuite& basicSuite();
const ADMDialogSuite& dialogSuite();
const ADMItemSuite& itemSuite();
const ADMListSuite& listSuite();
const ADMEntrySuite& entrySuite();
const ADMTrackerSuite& trackerSuite();
const ADMNotifierSuite& notifierSuite();
const ADMIconSuite& iconSuite();

}  // namespace adm_test

#endif
