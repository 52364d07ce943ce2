// The dialog manager's tracker suite: the mouse event a track procedure is
// called for.
#include "AdmLookup.h"
#include "Suites.h"

namespace easel::suites {
namespace {

adm::Tracker* trackerOf(Call& c, ADMTrackerRef ref) {
  return admLookup(c, ref, &adm::DialogManager::tracker, "tracker");
}

ASErr getPoint(ADMTrackerRef tracker, ADMRealPoint* point) noexcept {
  return hostCall(SuiteId::ADMTracker, "get point", [&](Call& c) -> ASErr {
    c.in("tracker", tracker);
    if (point == nullptr) return kBadParameterErr;
    adm::Tracker* found = trackerOf(c, tracker);
    if (found == nullptr) return kBadHandleErr;
    *point = found->point;
    c.out("point", *point);
    return kNoErr;
  });
}

ASErr getModifiers(ADMTrackerRef tracker, int32_t* modifiers) noexcept {
  return hostCall(SuiteId::ADMTracker, "get modifiers", [&](Call& c) -> ASErr {
    c.in("tracker", tracker);
    if (modifiers == nullptr) return kBadParameterErr;
    adm::Tracker* found = trackerOf(c, tracker);
    if (found == nullptr) return kBadHandleErr;
    *modifiers = found->modifiers;
    c.out("modifiers", *modifiers);
    return kNoErr;
  });
}

const ADMTrackerSuite kSuite{getPoint, getModifiers};

}  // namespace

const ADMTrackerSuite* admTracker() { return &kSuite; }

}  // namespace easel::suites
