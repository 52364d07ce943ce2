#include "plugin/dialog/DialogProcs.h"

ADMItemNotifyProc notifyProcOf(ItemProc proc) {
  switch (proc) {
    case ItemProc::CommonValue: return commonValueNotify;
    case ItemProc::Zoom: return zoomNotify;
    case ItemProc::PageButton: return pageButtonNotify;
    case ItemProc::Tumble: return tumbleNotify;
    case ItemProc::Preset: return presetNotify;
    case ItemProc::PickTracker:
    case ItemProc::None: return nullptr;
  }
  return nullptr;
}
