#include "TakenPaths.h"

#include <utility>

namespace easel::web {

namespace {

// The walks over every object own nothing to destroy: they call the
// containers directly, where the WebAssembly build (its exceptions in
// JavaScript) would make each call through a trampoline. (A multimap would
// too: each insertion calls what may rehash while it holds the new node.)
[[gnu::noinline]] void listPutIn(const DrawingSnapshot& to, const DrawingChanges& changes,
                                 std::vector<const SnapshotEntry*>& out, std::vector<uint64_t>& chain) {
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
}

}  // namespace

// See listPutIn. `gone` is filled here, not by the set's own constructor,
// which would destroy it should an insertion throw.
[[gnu::noinline]] void TakenPaths::index(const DrawingSnapshot& from, const DrawingChanges& changes, ArtKeySet& gone,
                                         ArtKeyMap<Chain>& byFingerprint, std::vector<Taken>& taken) {
  for (uint64_t key : changes.removed) gone.insert(key);
  // Document order: a container comes before what it holds.
  for (const SnapshotEntry& e : from.entries) {
    if (!gone.count(e.key) && !gone.count(e.parent)) continue;
    gone.insert(e.key);
    const std::size_t at = taken.size();
    taken.push_back({e.key, kEnd});
    const auto [chain, isNew] = byFingerprint.try_emplace(e.fingerprint, Chain{at, at});
    if (!isNew) taken[std::exchange(chain->second.last, at)].after = at;
  }
}

TakenPaths::TakenPaths(const DrawingSnapshot& from, const DrawingChanges& changes) {
  ArtKeySet gone;
  gone.reserve(changes.removed.size());
  byFingerprint_.reserve(changes.removed.size());
  taken_.reserve(changes.removed.size());
  index(from, changes, gone, byFingerprint_, taken_);
}

uint64_t TakenPaths::take(uint64_t fingerprint) {
  const auto found = byFingerprint_.find(fingerprint);
  if (found == byFingerprint_.end()) return 0;
  Chain& chain = found->second;
  const Taken& first = taken_[chain.next];
  if (first.after == kEnd) byFingerprint_.erase(found);
  else
    chain.next = first.after;
  return first.key;
}

std::vector<const SnapshotEntry*> entriesPutIn(const DrawingSnapshot& to, const DrawingChanges& changes) {
  std::vector<const SnapshotEntry*> out;
  out.reserve(changes.inserted.size());
  std::vector<uint64_t> chain;  // the containers from an inserted entry down to the last one taken
  listPutIn(to, changes, out, chain);
  return out;
}

}  // namespace easel::web
