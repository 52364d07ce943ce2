#include "ArtTree.h"

#include <algorithm>
#include <new>

namespace easel {

ArtTree::ArtTree(std::size_t budget) : tag_(newOwnerTag()), budget_(budget) {
  nodes_.emplace_back();
  nodes_[kRootSlot].state = SlotState::Alive;
  alive_ = 1;
}

HandleCheck ArtTree::check(ArtRef art) const {
  if (!art) return HandleCheck::Null;
  const HandleParts parts = unpackHandle(art.bits());
  if (parts.tag != tag_ || parts.slot == kRootSlot || parts.slot >= nodes_.size()) return HandleCheck::Foreign;
  const ArtNode& n = nodes_[parts.slot];
  if (n.state != SlotState::Alive || n.generation != parts.generation) return HandleCheck::Stale;
  return HandleCheck::Ok;
}

bool ArtTree::mayReturn(ArtRef art) const {
  const HandleParts parts = unpackHandle(art.bits());
  if (parts.tag != tag_ || parts.slot == kRootSlot || parts.slot >= nodes_.size()) return false;
  const ArtNode& n = nodes_[parts.slot];
  return n.state != SlotState::Free && n.generation == parts.generation;
}

void ArtTree::refuse(ArtRef art) const {
  throw DocumentError(kBadHandleErr, std::string(handleCheckText(check(art))) + " art handle");
}

ArtRef ArtTree::refOf(uint32_t slot) const {
  if (slot == kNoSlot || slot == kRootSlot) return {};
  return ArtRef(packHandle({tag_, nodes_[slot].generation, slot}));
}

std::size_t ArtTree::capacityFor(std::size_t objects, std::size_t segments) const {
  const std::size_t capacity = nodes_.capacity();
  const std::size_t spare = freeSlots_.size() + (capacity - nodes_.size());
  if (objects <= spare) return capacity;
  // The arena grows as a vector does, by doubling, but not past the budget
  // while the objects still fit: near the limit it grows once to what the
  // budget leaves and then refuses. While it moves, the old arena is still
  // there, so both count.
  const std::size_t needed = nodes_.size() + (objects - freeSlots_.size());
  const std::size_t segmentBytes = bytesFor(0, segmentsHeld_ + segments);
  const std::size_t room = segmentBytes < budget_ ? (budget_ - segmentBytes) / sizeof(ArtNode) : 0;
  const std::size_t roomToMove = room > capacity ? room - capacity : 0;
  const std::size_t doubled = std::min<std::size_t>(std::max<std::size_t>(capacity * 2, 16), HandleLayout::kMaxSlots);
  return std::max(needed, std::min(doubled, roomToMove));
}

std::size_t ArtTree::peakBytes(std::size_t objects, std::size_t segments) const {
  const std::size_t capacity = capacityFor(objects, segments);
  const std::size_t moving = capacity > nodes_.capacity() ? nodes_.capacity() : 0;
  return bytesFor(capacity + moving, segmentsHeld_ + segments);
}

void ArtTree::makeRoom(std::size_t objects, std::size_t segments) {
  if (peakBytes(objects, segments) > budget_) {
    ++refusals_;
    throw MemoryBudgetError();
  }
  nodes_.reserve(capacityFor(objects, segments));
}

std::pair<std::size_t, std::size_t> ArtTree::subtreeSize(uint32_t slot) const {
  std::size_t objects = 0, segments = 0;
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) {
    ++objects;
    segments += nodes_[s].content.segments.size();
  }
  return {objects, segments};
}

namespace {

// Asks for the lines of [p, p + bytes) to be brought in for writing, without
// waiting for them (a hint: nothing happens where the compiler has none).
void prefetchForWriting(const void* p, std::size_t bytes) {
#if defined(__GNUC__)
  const char* const begin = static_cast<const char*>(p);
  for (std::size_t offset = 0; offset < bytes; offset += 64) __builtin_prefetch(begin + offset, 1);
#else
  (void)p, (void)bytes;
#endif
}

}  // namespace

uint32_t ArtTree::takeSlot(uint32_t createdSerial) {
  uint32_t slot;
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
    // Contours are made by the thousand, each into the slot freed before:
    // its node and segment buffer are far from the cache by then. Fetching
    // the next one's now lets the memory work while this copy is made (the
    // processor streams a longer buffer by itself once it is being written).
    if (!freeSlots_.empty()) {
      const ArtNode& next = nodes_[freeSlots_.back()];
      prefetchForWriting(&next, sizeof(ArtNode));
      const std::size_t bytes = next.content.segments.capacity() * sizeof(AIPathSegment);
      prefetchForWriting(next.content.segments.data(), std::min<std::size_t>(bytes, 4096));
    }
  } else {
    if (nodes_.size() >= HandleLayout::kMaxSlots) throw std::bad_alloc();
    slot = static_cast<uint32_t>(nodes_.size());
    nodes_.emplace_back();
  }
  ArtNode& n = nodes_[slot];
  n.parent = n.firstChild = n.lastChild = n.prev = n.next = kNoSlot;
  n.state = SlotState::Alive;
  n.createdSerial = createdSerial;
  n.birth = ++births_;
  n.geometryStamp = newStamp();
  n.markSerial = 0;
  n.markKinds = 0;
  n.boundsKnown = false;
  ++alive_;
  return slot;
}

uint32_t ArtTree::allocate(ArtContent content, uint32_t createdSerial) {
  makeRoom(1, content.segments.size());
  const uint32_t slot = takeSlot(createdSerial);
  segmentsHeld_ += content.segments.size();
  nodes_[slot].content = std::move(content);
  return slot;
}

uint32_t ArtTree::copySubtree(uint32_t source, uint32_t createdSerial, bool unselect) {
  const auto [objects, segments] = subtreeSize(source);
  makeRoom(objects, segments);
  auto copyOne = [&](uint32_t from) {
    const uint32_t slot = takeSlot(createdSerial);
    // References after takeSlot: the arena may have grown. Assigning the
    // content reuses the segment buffer the slot kept.
    ArtNode& n = nodes_[slot];
    const ArtNode& f = nodes_[from];
    n.content = f.content;
    if (unselect) n.content.attributes &= ~kArtSelected;
    segmentsHeld_ += n.content.segments.size();
    // The same geometry has the same bounds.
    n.boundsKnown = f.boundsKnown;
    n.boundsEmpty = f.boundsEmpty;
    n.boundsTight = f.boundsTight;
    n.boundsRect = f.boundsRect;
    n.geometryStamp = f.geometryStamp;
    return slot;
  };
  const uint32_t top = copyOne(source);
  if (nodes_[source].firstChild == kNoSlot) return top;
  // Walk the source subtree in pre-order; `parents` holds the copies of the
  // containers on the way down, in step with the source's depth.
  std::vector<uint32_t> parents{top};
  std::vector<uint32_t> sourceParents{source};
  for (uint32_t s = nextInSubtree(source, source); s != kNoSlot; s = nextInSubtree(s, source)) {
    while (sourceParents.back() != nodes_[s].parent) {
      sourceParents.pop_back();
      parents.pop_back();
    }
    const uint32_t copy = copyOne(s);
    link(copy, parents.back(), kNoSlot);
    if (nodes_[s].firstChild != kNoSlot) {
      sourceParents.push_back(s);
      parents.push_back(copy);
    }
  }
  return top;
}

void ArtTree::freeSlot(uint32_t slot) {
  ArtNode& n = nodes_[slot];
  if (n.state == SlotState::Alive) --alive_;
  segmentsHeld_ -= n.content.segments.size();
  // The segment buffer stays with the slot, so that the next copy made in
  // it (contours are made and taken back by the thousand) needs no allocation.
  // Taking the slot assigns the whole content, so only what holds memory is
  // let go here.
  n.content.segments.clear();
  std::string{}.swap(n.content.name);
  n.content.extra.reset();
  n.parent = n.firstChild = n.lastChild = n.prev = n.next = kNoSlot;
  n.state = SlotState::Free;
  // A slot whose generations are used up is retired, so no stale ref can
  // ever match it again.
  if (n.generation == HandleLayout::kMaxGeneration) return;
  ++n.generation;
  freeSlots_.push_back(slot);
}

void ArtTree::freeSubtree(uint32_t slot) {
  if (nodes_[slot].firstChild == kNoSlot) {  // a path: the usual case, nothing to gather
    freeSlot(slot);
    return;
  }
  // Gather first: freeing a slot clears the links the walk climbs through.
  std::vector<uint32_t> slots;
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) slots.push_back(s);
  for (uint32_t s : slots) freeSlot(s);
}

void ArtTree::link(uint32_t slot, uint32_t parent, uint32_t next) {
  ArtNode& n = nodes_[slot];
  ArtNode& p = nodes_[parent];
  n.parent = parent;
  n.next = next;
  if (next == kNoSlot) {
    n.prev = p.lastChild;
    p.lastChild = slot;
  } else {
    n.prev = nodes_[next].prev;
    nodes_[next].prev = slot;
  }
  if (n.prev == kNoSlot) p.firstChild = slot;
  else
    nodes_[n.prev].next = slot;
}

void ArtTree::unlink(uint32_t slot) {
  ArtNode& n = nodes_[slot];
  ArtNode& p = nodes_[n.parent];
  if (n.prev == kNoSlot) p.firstChild = n.next;
  else
    nodes_[n.prev].next = n.next;
  if (n.next == kNoSlot) p.lastChild = n.prev;
  else
    nodes_[n.next].prev = n.prev;
  n.parent = n.prev = n.next = kNoSlot;
}

void ArtTree::setSubtreeState(uint32_t slot, SlotState state) {
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) {
    ArtNode& n = nodes_[s];
    if (n.state == state) continue;
    if (state == SlotState::Alive) ++alive_;
    else if (n.state == SlotState::Alive)
      --alive_;
    n.state = state;
  }
}

uint32_t ArtTree::nextInSubtree(uint32_t slot, uint32_t top) const {
  const ArtNode& n = nodes_[slot];
  if (n.firstChild != kNoSlot) return n.firstChild;
  for (uint32_t s = slot; s != top; s = nodes_[s].parent) {
    if (nodes_[s].next != kNoSlot) return nodes_[s].next;
  }
  return kNoSlot;
}

bool ArtTree::isWithin(uint32_t slot, uint32_t ancestor) const {
  for (uint32_t s = slot; s != kNoSlot; s = nodes_[s].parent)
    if (s == ancestor) return true;
  return false;
}

}  // namespace easel
