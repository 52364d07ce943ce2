#include "plugin/shell/ParameterBlock.h"

#include "plugin/globals/SuiteSlots.h"

ASErr contourRecord(AIMdMemoryHandle block, ContourParams** params) {
  *params = nullptr;
  if (block == nullptr) return kNoErr;
  size_t size = 0;
  ASErr err = sAIMdMemory->getHandleSize(block, &size);
  if (err != kNoErr) return err;
  if (size < sizeof(ContourParams)) {
    err = sAIMdMemory->setHandleSize(block, sizeof(ContourParams));
    if (err != kNoErr) return err;
  }
  void* address = nullptr;
  err = sAIMdMemory->dereferenceHandle(block, &address);
  if (err != kNoErr) return err;
  *params = static_cast<ContourParams*>(address);
  return kNoErr;
}
