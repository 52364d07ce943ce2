#include "plugin/dialog/ItemValues.h"

#include "plugin/dialog/DialogContext.h"
#include "plugin/globals/SuiteSlots.h"

bool isValueItem(const ItemSpec& item) { return !item.field.empty() && item.proc == ItemProc::CommonValue; }

void showField(ADMItemRef item, const ItemSpec& spec, const ContourParams& record) {
  switch (spec.type) {
    case ItemType::CheckBox: (void)sADMItem->setBooleanValue(item, record.*spec.field.integer != 0 ? 1 : 0); return;
    case ItemType::SpinEdit:
      if (spec.field.isReal()) (void)sADMItem->setFloatValue(item, record.*spec.field.real);
      else
        (void)sADMItem->setIntValue(item, record.*spec.field.integer);
      return;
    case ItemType::PopupList: {
      ADMListRef list = nullptr;
      (void)sADMItem->getList(item, &list);
      chooseEntry(list, record.*spec.field.integer);
      return;
    }
    default: return;
  }
}

void chooseEntry(ADMListRef list, int32_t entryId) {
  ADMEntryRef entry = nullptr;
  if (sADMList->findEntry(list, entryId, &entry) == kNoErr && entry != nullptr) (void)sADMEntry->select(entry, 1);
}

void readField(ADMItemRef item, const ItemSpec& spec, ContourParams& record) {
  switch (spec.type) {
    case ItemType::CheckBox: {
      ASBoolean value = record.*spec.field.integer != 0 ? 1 : 0;
      (void)sADMItem->getBooleanValue(item, &value);
      record.*spec.field.integer = value != 0 ? 1 : 0;
      return;
    }
    case ItemType::SpinEdit:
      if (spec.field.isReal()) (void)sADMItem->getFloatValue(item, &(record.*spec.field.real));
      else
        (void)sADMItem->getIntValue(item, &(record.*spec.field.integer));
      return;
    case ItemType::PopupList: {
      ADMListRef list = nullptr;
      ADMEntryRef entry = nullptr;
      (void)sADMItem->getList(item, &list);
      (void)sADMList->getActiveEntry(list, &entry);
      if (entry != nullptr) (void)sADMEntry->getID(entry, &(record.*spec.field.integer));
      return;
    }
    default: return;
  }
}

void readValueItems(ADMDialogRef dialog, ContourParams& record) {
  for (const ItemSpec& spec : dialogItems())
    if (isValueItem(spec) && spec.id != kPreviewCheck) readField(itemById(dialog, spec.id), spec, record);
}

void refreshValueItems(ADMDialogRef dialog, const ContourParams& record) {
  for (const ItemSpec& spec : dialogItems())
    if (isValueItem(spec)) showField(itemById(dialog, spec.id), spec, record);
}
