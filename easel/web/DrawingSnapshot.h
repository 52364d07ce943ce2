// What the page's picture of the drawing is made of: every object below the
// layers (and the layers), in document order, with its container, the object
// above it in its container's stack, and a fingerprint of what the SVG writer
// would write for it. A compound path is one entry with its members; a
// group's fingerprint covers only the group itself, so that a change inside
// it is a change of the members alone. Two snapshots tell what changed.
#ifndef EASEL_WEB_DRAWINGSNAPSHOT_H
#define EASEL_WEB_DRAWINGSNAPSHOT_H

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "easel/core/Document.h"

namespace easel::web {

// Art keys hashed as the handles they are: std::hash of a 64-bit integer
// where size_t has 32 bits (the page's WebAssembly) runs a byte-wise hash
// over all eight bytes, for every object of every answer.
struct ArtKeyHash {
  std::size_t operator()(uint64_t key) const noexcept { return static_cast<std::size_t>(key ^ (key >> 32)); }
};
template <class Value>
using ArtKeyMap = std::unordered_map<uint64_t, Value, ArtKeyHash>;
using ArtKeySet = std::unordered_set<uint64_t, ArtKeyHash>;

struct SnapshotEntry {
  uint64_t key = 0;     // the art's ref
  uint64_t parent = 0;  // its container's ref; 0 for a layer
  uint64_t above = 0;   // the object above it in its container (after it in the file); 0 for the top
  uint64_t fingerprint = 0;
  friend bool operator==(const SnapshotEntry&, const SnapshotEntry&) = default;
};

struct DrawingSnapshot {
  std::vector<SnapshotEntry> entries;  // document order
  uint64_t fingerprint = 0;            // of the whole drawing, page and order included
  bool drawable = false;               // all of it can go to the page as geometry
  friend bool operator==(const DrawingSnapshot& a, const DrawingSnapshot& b) { return a.entries == b.entries; }
};

DrawingSnapshot takeSnapshot(const Document& document);

// What the page must do to go from `from` to `to`: the art to take out (with
// what it holds), then the art to put in, in document order, so that the
// object each goes below is already there.
struct DrawingChanges {
  std::vector<uint64_t> removed;
  std::vector<const SnapshotEntry*> inserted;  // entries of `to`
};
DrawingChanges changesBetween(const DrawingSnapshot& from, const DrawingSnapshot& to);

}  // namespace easel::web

#endif
