#include "ArtTree.h"

#include <algorithm>
#include <new>

namespace easel {

ArtTree::ArtTree(std::size_t budget) : tag_(newOwnerTag()), budget_(budget) {
  pages_.emplace_back(std::allocator<ArtNode>().allocate(kPageSlots));
  std::construct_at(&node(slots_++));
  node(kRootSlot).state = SlotState::Alive;
  alive_ = 1;
}

ArtTree::~ArtTree() {
  for (uint32_t s = 0; s < slots_; ++s) std::destroy_at(&node(s));
}

HandleCheck ArtTree::check(ArtRef art) const noexcept {
  if (!art) return HandleCheck::Null;
  const HandleParts parts = unpackHandle(art.bits());
  if (parts.tag != tag_ || parts.slot == kRootSlot || parts.slot >= slots_) return HandleCheck::Foreign;
  const ArtNode& n = node(parts.slot);
  if (n.state != SlotState::Alive || n.generation != parts.generation) return HandleCheck::Stale;
  return HandleCheck::Ok;
}

bool ArtTree::mayReturn(ArtRef art) const {
  const HandleParts parts = unpackHandle(art.bits());
  if (parts.tag != tag_ || parts.slot == kRootSlot || parts.slot >= slots_) return false;
  const ArtNode& n = node(parts.slot);
  return n.state != SlotState::Free && n.generation == parts.generation;
}

void ArtTree::refuse(ArtRef art) const {
  throw DocumentError(kBadHandleErr, std::string(handleCheckText(check(art))) + " art handle");
}

ArtRef ArtTree::refOf(uint32_t slot) const {
  if (slot == kNoSlot || slot == kRootSlot) return {};
  return ArtRef(packHandle({tag_, node(slot).generation, slot}));
}

std::size_t ArtTree::slotsFor(std::size_t objects) const {
  return slots_ + (objects > freeSlots_.size() ? objects - freeSlots_.size() : 0);
}

std::size_t ArtTree::peakBytes(std::size_t objects, std::size_t segments) const {
  return bytesFor(slotsFor(objects), segmentsHeld_ + segments);
}

void ArtTree::makeRoom(std::size_t objects, std::size_t segments) {
  if (peakBytes(objects, segments) > budget_) {
    ++refusals_;
    throw MemoryBudgetError();
  }
  const std::size_t slots = slotsFor(objects);
  if (slots > HandleLayout::kMaxSlots) throw std::bad_alloc();
  // Pages for every slot the change takes, so that it cannot fail half made.
  while (pages_.size() * kPageSlots < slots) {
    pages_.emplace_back(std::allocator<ArtNode>().allocate(kPageSlots));
  }
}

std::pair<std::size_t, std::size_t> ArtTree::subtreeSize(uint32_t slot) const {
  std::size_t objects = 0, segments = 0;
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) {
    ++objects;
    segments += node(s).content.segments.size();
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
      const ArtNode& next = node(freeSlots_.back());
      prefetchForWriting(&next, sizeof(ArtNode));
      if (const void* block = next.content.segments.heapData())
        prefetchForWriting(block, std::min<std::size_t>(next.content.segments.heapBytes(), 4096));
    }
  } else {
    slot = slots_++;  // makeRoom made its page
    std::construct_at(&node(slot));
  }
  ArtNode& n = node(slot);
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
  node(slot).content = std::move(content);
  return slot;
}

uint32_t ArtTree::copySubtree(uint32_t source, uint32_t createdSerial, bool unselect) {
  const auto [objects, segments] = subtreeSize(source);
  makeRoom(objects, segments);
  auto copyOne = [&](uint32_t from) {
    const uint32_t slot = takeSlot(createdSerial);
    // Assigning the content reuses the segment buffer the slot kept.
    ArtNode& n = node(slot);
    const ArtNode& f = node(from);
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
  if (node(source).firstChild == kNoSlot) return top;
  // Walk the source subtree in pre-order; `parents` holds the copies of the
  // containers on the way down, in step with the source's depth.
  std::vector<uint32_t> parents{top};
  std::vector<uint32_t> sourceParents{source};
  for (uint32_t s = nextInSubtree(source, source); s != kNoSlot; s = nextInSubtree(s, source)) {
    while (sourceParents.back() != node(s).parent) {
      sourceParents.pop_back();
      parents.pop_back();
    }
    const uint32_t copy = copyOne(s);
    link(copy, parents.back(), kNoSlot);
    if (node(s).firstChild != kNoSlot) {
      sourceParents.push_back(s);
      parents.push_back(copy);
    }
  }
  return top;
}

void ArtTree::freeSlot(uint32_t slot) {
  ArtNode& n = node(slot);
  if (n.state == SlotState::Alive) --alive_;
  segmentsHeld_ -= n.content.segments.size();
  // The segment buffer stays with the slot, so that the next copy made in
  // it (contours are made and taken back by the thousand) needs no allocation.
  // Taking the slot assigns the whole content, so only what holds memory is
  // let go here.
  n.content.segments.clear();
  n.content.name = {};
  n.content.extra = {};
  n.parent = n.firstChild = n.lastChild = n.prev = n.next = kNoSlot;
  n.state = SlotState::Free;
  // A slot whose generations are used up is retired, so no stale ref can
  // ever match it again.
  if (n.generation == HandleLayout::kMaxGeneration) return;
  ++n.generation;
  freeSlots_.push_back(slot);
}

void ArtTree::freeSubtree(uint32_t slot) {
  if (node(slot).firstChild == kNoSlot) {  // a path: the usual case, nothing to gather
    freeSlot(slot);
    return;
  }
  // Gather first: freeing a slot clears the links the walk climbs through.
  std::vector<uint32_t> slots;
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) slots.push_back(s);
  for (uint32_t s : slots) freeSlot(s);
}

void ArtTree::link(uint32_t slot, uint32_t parent, uint32_t next) {
  ArtNode& n = node(slot);
  ArtNode& p = node(parent);
  n.parent = parent;
  n.next = next;
  if (next == kNoSlot) {
    n.prev = p.lastChild;
    p.lastChild = slot;
  } else {
    n.prev = node(next).prev;
    node(next).prev = slot;
  }
  if (n.prev == kNoSlot) p.firstChild = slot;
  else
    node(n.prev).next = slot;
}

void ArtTree::unlink(uint32_t slot) {
  ArtNode& n = node(slot);
  ArtNode& p = node(n.parent);
  if (n.prev == kNoSlot) p.firstChild = n.next;
  else
    node(n.prev).next = n.next;
  if (n.next == kNoSlot) p.lastChild = n.prev;
  else
    node(n.next).prev = n.prev;
  n.parent = n.prev = n.next = kNoSlot;
}

void ArtTree::setSubtreeState(uint32_t slot, SlotState state) {
  for (uint32_t s = slot; s != kNoSlot; s = nextInSubtree(s, slot)) {
    ArtNode& n = node(s);
    if (n.state == state) continue;
    if (state == SlotState::Alive) ++alive_;
    else if (n.state == SlotState::Alive)
      --alive_;
    n.state = state;
  }
}

uint32_t ArtTree::nextInSubtree(uint32_t slot, uint32_t top) const {
  const ArtNode& n = node(slot);
  if (n.firstChild != kNoSlot) return n.firstChild;
  for (uint32_t s = slot; s != top; s = node(s).parent) {
    if (node(s).next != kNoSlot) return node(s).next;
  }
  return kNoSlot;
}

bool ArtTree::isWithin(uint32_t slot, uint32_t ancestor) const {
  for (uint32_t s = slot; s != kNoSlot; s = node(s).parent)
    if (s == ancestor) return true;
  return false;
}

}  // namespace easel
