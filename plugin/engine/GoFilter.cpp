#include "plugin/engine/RunContours.h"
#include "plugin/params/ParameterBlock.h"

ASErr goFilter(AIFilterMessage* message) {
  ContourParams* params = nullptr;
  if (contourRecord(message->parameters, &params) != kNoErr || params == nullptr) return kNoErr;
  params->finalRun = 1;
  (void)runContours(params);
  return kNoErr;
}
