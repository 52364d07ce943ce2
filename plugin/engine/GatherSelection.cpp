#include "plugin/engine/GatherSelection.h"

#include <iterator>

#include "plugin/engine/ChildArt.h"
#include "plugin/params/SelectionRelease.h"
#include "plugin/shell/PluginGlobals.h"
#include "plugin/shell/SuiteSlots.h"

namespace {

// Compound path first: the order the host is asked in.
constexpr int16_t kGatheredTypes[] = {kCompoundPathArt, kPathArt, kMysteryPathArt, kSymbolArt,
                                      kTextArt,         kPlacedArt, kRasterArt,     kMeshArt};
constexpr int16_t kGatheredTypeCount = static_cast<int16_t>(std::size(kGatheredTypes));

void clearEntries(AIArtHandle* entries, int32_t count, AIArtHandle art) {
  for (int32_t i = 0; i < count; ++i) {
    if (entries[i] == art) entries[i] = nullptr;
  }
}

ASErr clearCompoundMembers(AIArtHandle* entries, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (entries[i] == nullptr) continue;
    AIRealRect bounds{};
    ASErr err = sAIArt->getArtBounds(entries[i], &bounds);
    int16_t type = kUnknownArt;
    if (err == kNoErr) err = sAIArt->getArtType(entries[i], &type);
    if (err == kNoErr && type == kCompoundPathArt) {
      err = forEachChild(entries[i], [&](AIArtHandle child) {
        clearEntries(entries, count, child);
        return kNoErr;
      });
    }
    if (err != kNoErr) return err;
  }
  return kNoErr;
}

}  // namespace

ASErr gatherSelection() {
  releaseSelection();
  AIMatchingArtSpec specs[kGatheredTypeCount];
  for (int16_t i = 0; i < kGatheredTypeCount; ++i) specs[i] = {kGatheredTypes[i], kArtSelected, kArtSelected};

  ASErr err = sAIMatchingArt->getMatchingArt(specs, kGatheredTypeCount, &gPluginGlobals->selectionHandle,
                                             &gPluginGlobals->selectionCount);
  if (err == kNoErr && gPluginGlobals->selectionCount <= 0) {
    releaseSelection();
    return kNoErr;
  }
  AIArtHandle* entries = nullptr;
  int32_t count = 0;
  if (err == kNoErr) err = selectionEntries(&entries, &count);
  if (err == kNoErr) err = clearCompoundMembers(entries, count);
  if (err != kNoErr) releaseSelection();
  return err;
}

ASErr selectionEntries(AIArtHandle** entries, int32_t* count) {
  *entries = nullptr;
  *count = 0;
  if (gPluginGlobals->selectionHandle == nullptr || gPluginGlobals->selectionCount <= 0) return kNoErr;
  void* block = nullptr;
  ASErr err = sAIMdMemory->dereferenceHandle(gPluginGlobals->selectionHandle, &block);
  if (err != kNoErr) return err;
  if (block == nullptr) return kNoErr;
  *entries = static_cast<AIArtHandle*>(block);
  *count = gPluginGlobals->selectionCount;
  return kNoErr;
}
