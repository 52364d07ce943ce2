#include "TakenPaths.h"

namespace easel::web {

TakenPaths::TakenPaths(const DrawingSnapshot& from, const DrawingChanges& changes) {
  ArtKeySet gone(changes.removed.begin(), changes.removed.end());
  // Document order: a container comes before what it holds.
  for (const SnapshotEntry& e : from.entries) {
    if (!gone.count(e.key) && !gone.count(e.parent)) continue;
    gone.insert(e.key);
    byFingerprint_.emplace(e.fingerprint, e.key);
  }
}

uint64_t TakenPaths::take(uint64_t fingerprint) {
  const auto found = byFingerprint_.find(fingerprint);
  if (found == byFingerprint_.end()) return 0;
  const uint64_t key = found->second;
  byFingerprint_.erase(found);
  return key;
}

std::vector<const SnapshotEntry*> entriesPutIn(const DrawingSnapshot& to, const DrawingChanges& changes) {
  std::vector<const SnapshotEntry*> out;
  out.reserve(changes.inserted.size());
  std::vector<uint64_t> chain;  // the containers from an inserted entry down to the last one taken
  const SnapshotEntry* end = to.entries.data() + to.entries.size();
  for (const SnapshotEntry* e : changes.inserted) {
    out.push_back(e);
    chain.assign(1, e->key);
    // What it holds follows it: entries whose container is on the chain.
    for (const SnapshotEntry* f = e + 1; f != end; ++f) {
      while (!chain.empty() && f->parent != chain.back()) chain.pop_back();
      if (chain.empty()) break;
      chain.push_back(f->key);
      out.push_back(f);
    }
  }
  return out;
}

}  // namespace easel::web
