#include "plugin/engine/GatherSelection.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <new>

#include "plugin/engine/ChildArt.h"
#include "plugin/engine/SelectionRelease.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

// Compound path first: the order the host is asked in.
constexpr int16_t kGatheredTypes[] = {kCompoundPathArt, kPathArt,   kMysteryPathArt, kSymbolArt,
                                      kTextArt,         kPlacedArt, kRasterArt,      kMeshArt};
constexpr int16_t kGatheredTypeCount = static_cast<int16_t>(std::size(kGatheredTypes));

// The gathered entries by handle, so that each member of a compound path is
// found by a binary search: a scan of every entry per member takes seconds for
// a compound path of a hundred thousand members. Without the memory for the
// index, members are found by that scan. Either way the host is asked the same.
class EntryIndex {
 public:
  EntryIndex(AIArtHandle* entries, int32_t count)
      : entries_(entries), count_(count), sorted_(new (std::nothrow) Entry[static_cast<std::size_t>(count)]) {
    if (sorted_ == nullptr) return;
    for (int32_t i = 0; i < count; ++i) sorted_[i] = {entries[i], i};
    std::sort(sorted_, sorted_ + count, [](const Entry& a, const Entry& b) { return before(a.art, b.art); });
  }
  ~EntryIndex() { delete[] sorted_; }
  EntryIndex(const EntryIndex&) = delete;
  EntryIndex& operator=(const EntryIndex&) = delete;

  // Clears every entry that holds `art`.
  void clear(AIArtHandle art) {
    if (sorted_ == nullptr) {
      for (int32_t i = 0; i < count_; ++i)
        if (entries_[i] == art) entries_[i] = nullptr;
      return;
    }
    const Entry* at = std::lower_bound(sorted_, sorted_ + count_, art,
                                       [](const Entry& e, AIArtHandle a) { return before(e.art, a); });
    for (; at != sorted_ + count_ && at->art == art; ++at) entries_[at->index] = nullptr;
  }

 private:
  struct Entry {
    AIArtHandle art;
    int32_t index;
  };
  static bool before(AIArtHandle a, AIArtHandle b) { return std::less<AIArtHandle>()(a, b); }

  AIArtHandle* entries_;
  int32_t count_;
  Entry* sorted_;
};

ASErr clearCompoundMembers(AIArtHandle* entries, int32_t count) {
  EntryIndex index(entries, count);
  for (int32_t i = 0; i < count; ++i) {
    if (entries[i] == nullptr) continue;
    AIRealRect bounds{};
    ASErr err = sAIArt->getArtBounds(entries[i], &bounds);
    int16_t type = kUnknownArt;
    if (err == kNoErr) err = sAIArt->getArtType(entries[i], &type);
    if (err == kNoErr && type == kCompoundPathArt) {
      err = forEachChild(entries[i], [&](AIArtHandle child) {
        index.clear(child);
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
