// The zoom notifier: the zoom field (percent) sets the zoom of document view 0.
#include "plugin/dialog/DialogContext.h"
#include "plugin/dialog/DialogProcs.h"
#include "plugin/globals/SuiteSlots.h"

void zoomNotify(ADMItemRef item, ADMNotifierRef) {
  DialogContext context = contextOf(item);
  if (context.record == nullptr) return;
  ContourParams& record = *context.record;
  (void)sADMItem->getFloatValue(item, &record.viewZoom);
  AIDocumentViewHandle view = nullptr;
  if (sAIDocumentView->getNthDocumentView(0, &view) != kNoErr || view == nullptr) return;
  const float zoom = record.viewZoom * 0.01f;  // 100 % is zoom 1
  (void)sAIDocumentView->setDocumentViewZoom(view, zoom);
}
