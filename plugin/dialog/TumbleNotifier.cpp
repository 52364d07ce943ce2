// The Tumble notifier: part of the settings goes back to its defaults, then
// random draws choose new values, which the items show and the preview draws.
#include <algorithm>

#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/FieldRef.h"

namespace {

using P = ContourParams;

// The fields Tumble starts from their defaults; the others (Preview, the
// user centre, the pattern, the zoom, the page, ...) are kept.
const FieldRef kTumbled[] = {
    &P::contourCount,
    &P::contourScaleMode,
    &P::scaleH,
    &P::scaleV,
    &P::skipCount,
    &P::createCount,
    &P::shiftH,
    &P::shiftV,
    &P::rotationCenterMode,
    &P::rotation,
    &P::pathAlternateFlip,
    &P::shiftMode,
    &P::interpolateStyle,
    &P::widthMode,
    &P::widthAmount,
    &P::pointsContourMode,
    &P::pointsVariationMode,
    &P::pointsContourAmount,
    &P::interpolateAnchor,
    &P::interpolateDirection,
    &P::pointsVariance,
    &P::pointsKeepDirection,
    &P::pointsKeepAnchor,
    &P::pathCreate,
    &P::pointsApply,
    &P::fillColorMode,
    &P::fillSwatchIndex,
    &P::fillSteps,
    &P::strokeColorMode,
    &P::strokeSwatchIndex,
    &P::strokeSteps,
};

// One draw at the moment each value needs it, in single precision.
class Draws {
 public:
  float next() { return nextDraw(draws_); }
  // One draw R with R x 100 > percent.
  bool chance(float percent) { return next() * 100.0f > percent; }
  // The integer part of R x scale.
  int32_t integer(float scale) { return static_cast<int32_t>(next() * scale); }
  // R x a - R x b, the first product stored before the second draw.
  float difference(float a, float b) {
    const float first = next() * a;
    return first - next() * b;
  }

 private:
  RandomDraws draws_;
};

void tumble(ContourParams& r) {
  Draws d;
  if (d.chance(80)) r.contourCount = d.integer(80);
  if (d.chance(50)) r.contourCount = d.integer(40);
  if (d.chance(50)) r.contourCount = d.integer(20);
  if (d.chance(40)) r.contourScaleMode = std::min(d.integer(26), 24);
  r.scaleH = d.difference(15, 4);
  r.scaleV = d.difference(15, 4);
  r.shiftH = d.difference(20, 20);
  r.shiftV = d.difference(20, 20);
  if (d.chance(80)) r.shiftMode = d.integer(11);
  if (d.chance(50)) {
    r.rotation = d.next() * 20.0f;
    if (d.chance(60)) r.rotationCenterMode = d.integer(4);
  }
  if (d.chance(70)) {
    r.pointsContourAmount = d.difference(20, 10);
    if (d.chance(30)) r.pointsContourMode = d.integer(16);
    if (d.chance(60)) {
      r.pointsVariance = d.difference(10, 5);
      r.pointsVariationMode = d.integer(10);
    }
  }
  if (d.chance(60)) {
    r.interpolateAnchor = d.difference(100, 100);
    r.interpolateDirection = d.difference(100, 100);
  }
  if (d.chance(80)) r.pathAlternateFlip = 1;
  if (d.chance(80)) r.pointsKeepDirection = 1;
  if (d.chance(80)) r.pointsKeepAnchor = 1;
  if (d.chance(80)) r.pathCreate = 1;
  if (d.chance(80)) r.pointsApply = 1;
  if (d.chance(80)) {
    r.widthMode = d.integer(16);
    r.widthAmount = d.next() * 5.0f;
  }
  if (d.chance(80)) r.interpolateStyle = d.next() * 50.0f;
  if (d.chance(80)) {
    r.skipCount = d.integer(5);
    r.createCount = 1 + d.integer(5);
  }
  if (d.chance(75)) {
    r.fillColorMode = d.integer(14);
    r.fillSwatchIndex = 2 + d.integer(20);
    r.fillSteps = d.integer(5);
  }
  if (d.chance(75)) {
    r.strokeColorMode = d.integer(14);
    r.strokeSwatchIndex = 2 + d.integer(20);
    r.strokeSteps = d.integer(5);
  }
}

}  // namespace

void tumbleNotify(ADMItemRef item, ADMNotifierRef notifier) {
  (void)sADMItem->defaultNotify(item, notifier);
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return;
  ContourParams& record = *context.record;

  ContourParams defaults = record;
  setContourDefaults(defaults);
  for (const FieldRef& field : kTumbled) field.copy(defaults, record);
  record.previewShown = 0;

  tumble(record);
  showRecordAndRenotify(context.dialog, record);
}
