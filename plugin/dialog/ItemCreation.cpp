// Creating the settings dialog's items: every item of the table with the
// calls its type needs, in the order the table's setup order gives.
#include "plugin/dialog/DialogBuild.h"
#include "plugin/dialog/DialogPages.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/dialog/ItemValues.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/DialogItems.h"

namespace {

constexpr int32_t kNoUnits = 0;
constexpr int32_t kRealPlaces = 2;

void setLimits(ADMItemRef item, const ItemSpec& spec, int32_t swatchCount) {
  if (spec.field.isReal()) {
    (void)sADMItem->setMinFloatValue(item, spec.minimum);
    (void)sADMItem->setMaxFloatValue(item, spec.maximum);
  } else {
    (void)sADMItem->setMinIntValue(item, static_cast<int32_t>(spec.minimum));
    (void)sADMItem->setMaxIntValue(item, spec.swatchBound ? swatchCount : static_cast<int32_t>(spec.maximum));
  }
}

void setPrecision(ADMItemRef item, const ItemSpec& spec) {
  if (spec.field.isReal()) (void)sADMItem->setPrecision(item, kRealPlaces);
}

void setSpinEdit(ADMItemRef item, const ItemSpec& spec, const ContourParams& record, int32_t swatchCount) {
  if (spec.order == SetupOrder::UnitsFirst) {
    (void)sADMItem->setUnits(item, kNoUnits);
    setLimits(item, spec, swatchCount);
    setPrecision(item, spec);
    showField(item, spec, record);
  } else {
    showField(item, spec, record);
    setLimits(item, spec, swatchCount);
    (void)sADMItem->setUnits(item, kNoUnits);
    setPrecision(item, spec);
  }
  (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
}

void setItem(ADMItemRef item, const ItemSpec& spec, const ContourParams& record, int32_t swatchCount) {
  switch (spec.type) {
    case ItemType::SpinEdit: setSpinEdit(item, spec, record, swatchCount); break;
    case ItemType::CheckBox:
      showField(item, spec, record);
      (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
      (void)sADMItem->setText(item, spec.text);
      break;
    case ItemType::StaticText: (void)sADMItem->setText(item, spec.text); break;
    case ItemType::TextButton:
      (void)sADMItem->setText(item, spec.text);
      // Cancel keeps the host's own handling, which ends the dialog with its id.
      if (spec.proc != ItemProc::None) (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
      break;
    case ItemType::PictureButton:
      if (spec.proc == ItemProc::PickTracker) (void)sADMItem->setTrackProc(item, pickTrack);
      else
        (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
      break;
    case ItemType::PopupList:
      // Created empty; filled once every item exists.
      if (spec.order == SetupOrder::AttachAtCreation) (void)sADMItem->setNotifyProc(item, notifyProcOf(spec.proc));
      break;
  }
  if (!shownAtCreation(spec.id)) (void)sADMItem->show(item, 0);
}

}  // namespace

void createDialogItems(ADMDialogRef dialog, const ContourParams& record, int32_t swatchCount) {
  for (const ItemSpec& spec : dialogItems()) {
    ADMItemRef item = nullptr;
    (void)sADMDialog->createItem(dialog, spec.id, itemTypeName(spec.type), &spec.rect, nullptr, nullptr, &item);
    setItem(item, spec, record, swatchCount);
  }
}
