// The pick tracker: a point the user picks in the document view sets the
// field beside the pick button, which shows it; the page is then re-notified
// so that the preview follows. The picked value is held to the item's limits:
// a point far out would otherwise ask the engine for millions of contours.
#include <cmath>
#include <cstdint>

#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/ItemValues.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

// The integer part, towards zero; a point too far out for a count gives the
// largest count of its sign (and no point at all gives 0).
int32_t integerPart(float x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483648.0f) return INT32_MAX;
  if (x <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(x);
}

struct Pick {
  int32_t button;
  int32_t item;  // the spin edit beside it, which shows the field set
  void (*apply)(ContourParams& record, AIRealPoint picked);
};

const Pick kPicks[] = {
    {120, 4, [](ContourParams& r, AIRealPoint p) { r.contourCount = integerPart(p.h * 0.1f); }},
    {121, 5, [](ContourParams& r, AIRealPoint p) { r.scaleH = p.h * 0.05f; }},
    {122, 6, [](ContourParams& r, AIRealPoint p) { r.scaleV = p.v * 0.05f; }},
    {123, 11,
     [](ContourParams& r, AIRealPoint p) {
       // The direction of the user centre seen from the picked point, in degrees.
       AIRealPoint center{r.centerX, r.centerY};
       AIReal radians = 0, degrees = 0;
       (void)sAIRealMath->pointAngle(&p, &center, &radians);
       (void)sAIRealMath->radiansToDegrees(radians, &degrees);
       r.rotation = degrees;
     }},
    {124, 7, [](ContourParams& r, AIRealPoint p) { r.shiftH = p.h * 0.1f; }},
    {125, 8, [](ContourParams& r, AIRealPoint p) { r.shiftV = p.v * 0.1f; }},
    {126, 16, [](ContourParams& r, AIRealPoint p) { r.pointsContourAmount = p.h * 0.1f; }},
};

// Holds the field the item shows to the item's limits (a NaN to its minimum).
void clampToItem(ContourParams& record, const ItemSpec& spec) {
  auto held = [&](float x) { return !(x >= spec.minimum) ? spec.minimum : x > spec.maximum ? spec.maximum : x; };
  if (spec.field.real != nullptr) record.*spec.field.real = held(record.*spec.field.real);
  if (spec.field.integer != nullptr) {
    int32_t& value = record.*spec.field.integer;
    value = static_cast<int32_t>(held(static_cast<float>(value)));
  }
}

const Pick* pickOf(int32_t button) {
  for (const Pick& pick : kPicks)
    if (pick.button == button) return &pick;
  return nullptr;
}

// Sets the field from the artwork point under the tracker's view point and
// shows it; nothing without a document view.
void pickInto(const DialogContext& context, ADMItemRef button, ADMTrackerRef tracker) {
  ADMRealPoint viewPoint{0, 0};
  (void)sADMTracker->getPoint(tracker, &viewPoint);
  AIDocumentViewHandle view = nullptr;
  if (sAIDocumentView->getNthDocumentView(0, &view) != kNoErr || view == nullptr) return;
  AIRealPoint fromView{viewPoint.h, viewPoint.v};
  AIRealPoint picked{0, 0};
  (void)sAIDocumentView->viewPointToArtworkPoint(view, &fromView, &picked);

  int32_t buttonId = 0;
  (void)sADMItem->getID(button, &buttonId);
  const Pick* pick = pickOf(buttonId);
  if (pick == nullptr) return;
  ContourParams& record = *context.record;
  const ItemSpec& spec = *dialogItem(pick->item);
  pick->apply(record, picked);
  clampToItem(record, spec);
  showField(itemById(context.dialog, pick->item), spec, record);
}

}  // namespace

ASBoolean pickTrack(ADMItemRef item, ADMTrackerRef tracker) {
  int32_t modifiers = 0;
  (void)sADMTracker->getModifiers(tracker, &modifiers);
  if ((modifiers & kADMDocumentViewPickModifier) == 0) return 1;
  ASBoolean handled = 0;
  (void)sADMItem->defaultTrack(item, tracker, &handled);
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return 1;
  pickInto(context, item, tracker);
  renotifyPage(context.dialog, *context.record);
  return 1;
}
