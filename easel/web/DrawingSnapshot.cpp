#include "DrawingSnapshot.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace easel::web {

namespace {

// FNV-1a over 32-bit words: fast enough for a million segments per answer.
class Hasher {
 public:
  void word(uint32_t w) { h_ = (h_ ^ w) * 0x100000001b3ULL; }
  void wide(uint64_t w) {
    word(static_cast<uint32_t>(w));
    word(static_cast<uint32_t>(w >> 32));
  }
  void real(float f) {
    uint32_t w;
    std::memcpy(&w, &f, sizeof w);
    word(w);
  }
  void color(const AIColor& c) {
    uint32_t words[sizeof(AIColor) / 4];
    std::memcpy(words, &c, sizeof words);
    for (uint32_t w : words) word(w);
  }
  uint64_t value() const { return h_; }

 private:
  uint64_t h_ = 0xcbf29ce484222325ULL;
};

void hashStyle(Hasher& h, const AIPathStyle& s) {
  h.word(static_cast<uint32_t>(s.fillPaint));
  h.color(s.fill.color);
  h.word(static_cast<uint32_t>(s.fill.overprint));
  h.word(static_cast<uint32_t>(s.strokePaint));
  h.color(s.stroke.color);
  h.word(static_cast<uint32_t>(s.stroke.overprint));
  for (float f : {s.stroke.width, s.stroke.dashOffset, s.stroke.miterLimit}) h.real(f);
  h.word(static_cast<uint32_t>(s.stroke.dashCount));
  for (float f : s.stroke.dashes) h.real(f);
  for (int32_t v : {s.stroke.cap, s.stroke.join, static_cast<int32_t>(s.evenOdd)}) h.word(static_cast<uint32_t>(v));
}

// Everything of one object that the writer reads, but for selection.
void hashContent(Hasher& h, const ArtContent& c) {
  h.word(static_cast<uint32_t>(c.type));
  h.word(static_cast<uint32_t>(c.attributes & ~kArtSelected));
  h.real(c.opacity);
  h.word(c.closed);
  h.word(static_cast<uint32_t>(c.segments.size()));
  for (const AIPathSegment& s : c.segments) {
    for (float f : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v}) h.real(f);
    h.word(s.corner);
  }
  hashStyle(h, c.style);
  const AIRealMatrix& m = c.placement->matrix;
  const AIRealRect& box = c.placement->localBounds;
  for (float f : {m.a, m.b, m.c, m.d, m.tx, m.ty}) h.real(f);
  for (float f : {box.left, box.top, box.right, box.bottom}) h.real(f);
  for (char ch : c.name.get()) h.word(static_cast<unsigned char>(ch));
  h.wide(reinterpret_cast<uintptr_t>(c.extra.get()));
}

// The next object in document order after `art` and what it holds.
ArtRef nextAfter(const Document& document, ArtRef art) {
  for (ArtRef a = art; a; a = document.parent(a))
    if (ArtRef next = document.nextSibling(a)) return next;
  return {};
}

// One object's entry; gives the next object in document order. Apart from
// the list it goes into: with no destructor waiting in this frame, the page's
// worker reads the document here with plain calls, not ones that leave the
// module to catch what they might throw.
[[gnu::noinline]] ArtRef readEntry(const Document& document, ArtRef art, SnapshotEntry& entry) {
  entry.key = art.bits();
  entry.parent = document.parent(art).bits();
  entry.above = document.previousSibling(art).bits();
  Hasher h;
  const ArtContent& content = document.content(art);
  hashContent(h, content);
  ArtRef next = document.nextInOrder(art);
  if (content.type == ArtType::CompoundPath) {  // its members are part of it
    for (ArtRef m = document.firstChild(art); m; m = document.nextSibling(m)) hashContent(h, document.content(m));
    next = nextAfter(document, art);
  }
  entry.fingerprint = h.value();
  return next;
}

// The keys (in their new order) outside a longest run whose old places
// increase: the fewest that must move to give the new order.
std::vector<uint64_t> keysOutOfOrder(const std::vector<uint64_t>& keys, const ArtKeyMap<std::size_t>& oldPlace) {
  std::vector<std::size_t> tails, tailAt, previous(keys.size(), SIZE_MAX);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::size_t place = oldPlace.at(keys[i]);
    const auto at = std::lower_bound(tails.begin(), tails.end(), place) - tails.begin();
    if (at > 0) previous[i] = tailAt[static_cast<std::size_t>(at) - 1];
    if (static_cast<std::size_t>(at) == tails.size()) {
      tails.push_back(place);
      tailAt.push_back(i);
    } else {
      tails[static_cast<std::size_t>(at)] = place;
      tailAt[static_cast<std::size_t>(at)] = i;
    }
  }
  std::vector<bool> inRun(keys.size(), false);
  for (std::size_t i = tailAt.empty() ? SIZE_MAX : tailAt.back(); i != SIZE_MAX; i = previous[i]) inRun[i] = true;
  std::vector<uint64_t> out;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (!inRun[i]) out.push_back(keys[i]);
  return out;
}

// Fills the caller's snapshot: a function that owns no object to destroy
// calls the document directly, where the WebAssembly build (its exceptions in
// JavaScript) would make each call through a trampoline.
[[gnu::noinline]] void readEntries(const Document& document, DrawingSnapshot& snapshot) {
  Hasher whole;
  whole.real(document.pageWidth());
  whole.real(document.pageHeight());
  for (ArtRef art = document.firstLayer(); art;) {
    SnapshotEntry entry;
    const ArtRef next = readEntry(document, art, entry);
    whole.wide(entry.key);
    whole.wide(entry.parent);
    whole.wide(entry.fingerprint);
    snapshot.entries.push_back(entry);
    art = next;
  }
  snapshot.fingerprint = whole.value();
}

}  // namespace

DrawingSnapshot takeSnapshot(const Document& document) {
  DrawingSnapshot snapshot;
  snapshot.entries.reserve(document.artCount());
  readEntries(document, snapshot);
  return snapshot;
}

namespace {

// What changesBetween works with. Its steps over every object are functions
// that own nothing to destroy: they call the maps directly, where the
// WebAssembly build (its exceptions in JavaScript) would make each call
// through a trampoline.
struct ChangeWork {
  ArtKeyMap<const SnapshotEntry*> before, after;
  ArtKeyMap<std::vector<uint64_t>> kept;  // container -> kept art, new order
  ArtKeyMap<std::size_t> oldPlace;
  ArtKeySet moved;
  ArtKeySet written;  // put in whole, with what they hold
};

[[gnu::noinline]] void indexEntries(const DrawingSnapshot& from, const DrawingSnapshot& to, ChangeWork& w) {
  w.before.reserve(from.entries.size());
  w.after.reserve(to.entries.size());
  for (const SnapshotEntry& e : from.entries) w.before.emplace(e.key, &e);
  for (const SnapshotEntry& e : to.entries) w.after.emplace(e.key, &e);
  for (std::size_t i = 0; i < from.entries.size(); ++i) w.oldPlace.emplace(from.entries[i].key, i);
  for (const SnapshotEntry& e : to.entries) {
    const auto old = w.before.find(e.key);
    if (old != w.before.end() && old->second->parent == e.parent) w.kept[e.parent].push_back(e.key);
  }
}

[[gnu::noinline]] void listChanges(const DrawingSnapshot& from, const DrawingSnapshot& to, ChangeWork& w,
                                   DrawingChanges& changes) {
  for (const SnapshotEntry& e : to.entries) {
    const auto old = w.before.find(e.key);
    if (w.written.count(e.parent)) {  // goes in with its container
      if (old != w.before.end() && old->second->parent != e.parent) changes.removed.push_back(e.key);
      w.written.insert(e.key);
      continue;
    }
    const bool isNew = old == w.before.end();
    if (!isNew && old->second->fingerprint == e.fingerprint && old->second->parent == e.parent && !w.moved.count(e.key))
      continue;
    if (!isNew) changes.removed.push_back(e.key);
    changes.inserted.push_back(&e);
    w.written.insert(e.key);
  }
  for (const SnapshotEntry& e : from.entries) {
    if (w.after.count(e.key)) continue;
    const auto parent = w.after.find(e.parent);
    // Art inside a container that goes too, or is written again, goes with it.
    if (e.parent == 0 || (parent != w.after.end() && !w.written.count(e.parent))) changes.removed.push_back(e.key);
  }
}

}  // namespace

DrawingChanges changesBetween(const DrawingSnapshot& from, const DrawingSnapshot& to) {
  ChangeWork w;
  indexEntries(from, to, w);
  // Kept objects whose order among the other kept ones of their container
  // changed are moved (taken out and put in again): all but the longest run
  // that kept its order.
  for (const auto& [parent, keys] : w.kept) {
    for (uint64_t key : keysOutOfOrder(keys, w.oldPlace)) w.moved.insert(key);
  }
  DrawingChanges changes;
  listChanges(from, to, w, changes);
  return changes;
}

}  // namespace easel::web
