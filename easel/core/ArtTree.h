// The document's art objects in a slot arena, linked into a tree by slot
// indices (parent, first and last child, previous and next sibling). Slot 0
// is the hidden root whose children are the layers. A slot is free, alive
// (in the document) or dead (removed, but kept by the undo history so that it
// can come back under the same ref). Freeing a slot bumps its generation, so
// refs to it go stale.
//
// The arena is a list of pages of slots that never move: a drawing of a
// million objects grows page by page, without the moment a growing vector
// holds its old and new storage at once, and a slot is made only when it is
// first taken, so the untouched end of the last page costs no memory.
#ifndef EASEL_CORE_ARTTREE_H
#define EASEL_CORE_ARTTREE_H

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "DocumentTypes.h"
#include "Handles.h"  // HandleCheck

namespace easel {

constexpr uint32_t kNoSlot = UINT32_MAX;
constexpr uint32_t kRootSlot = 0;

enum class SlotState : uint8_t { Free, Alive, Dead };

struct ArtNode {
  ArtContent content;
  uint32_t parent = kNoSlot, firstChild = kNoSlot, lastChild = kNoSlot, prev = kNoSlot, next = kNoSlot;
  uint32_t generation = 0;
  // The one-byte fields together, where the words around them leave room
  // (a drawing holds millions of slots).
  SlotState state = SlotState::Free;
  // Undo bookkeeping: which kinds of change the command `markSerial` has
  // already saved for the art (and below, the command that made it).
  uint8_t markKinds = 0;
  // The bounds of leaf art, computed on first read and kept until its
  // geometry changes (a copy starts with its source's). Containers are not
  // cached: their bounds depend on their members.
  mutable bool boundsKnown = false;
  mutable bool boundsEmpty = true;
  mutable bool boundsTight = false;  // see BoundsBuilder::addPath
  uint32_t createdSerial = 0;
  uint32_t markSerial = 0;
  mutable AIRealRect boundsRect{};
  // When the object was made, counting every object the tree ever made.
  uint64_t birth = 0;
  // Names the geometry's value: every change of geometry takes a new stamp,
  // a copy keeps its source's, and undo or redo brings back the stamp of the
  // value it restores. So an unchanged stamp means unchanged geometry.
  uint64_t geometryStamp = 0;
};

class ArtTree {
 public:
  // An empty tree (the root alone) that holds at most `budget` bytes.
  explicit ArtTree(std::size_t budget);
  ~ArtTree();
  ArtTree(const ArtTree&) = delete;
  ArtTree& operator=(const ArtTree&) = delete;

  uint32_t tag() const { return tag_; }
  HandleCheck check(ArtRef art) const noexcept;
  // The slot of a live object; DocumentError(kBadHandleErr) otherwise.
  // Inline: every host call about art starts here.
  uint32_t slotOf(ArtRef art) const {
    const HandleParts parts = unpackHandle(art.bits());
    if (parts.tag == tag_ && parts.slot != kRootSlot && parts.slot < slots_) {
      const ArtNode& n = node(parts.slot);
      if (n.state == SlotState::Alive && n.generation == parts.generation) return parts.slot;
    }
    refuse(art);
  }
  // Whether the ref names an object alive, or dead but kept by the undo history.
  bool mayReturn(ArtRef art) const;
  ArtRef refOf(uint32_t slot) const;
  ArtNode& node(uint32_t slot) { return pages_[slot >> kPageBits][slot & kPageMask]; }
  const ArtNode& node(uint32_t slot) const { return pages_[slot >> kPageBits][slot & kPageMask]; }
  // The content of art whose geometry (segments, closed, matrix, local
  // bounds) is about to change: its cached bounds are forgotten.
  ArtContent& geometry(uint32_t slot) {
    ArtNode& n = node(slot);
    n.boundsKnown = false;
    n.geometryStamp = ++stamps_;
    return n.content;
  }
  // After a change of geometry that provably keeps tight bounds tight (see
  // mapTightBounds): the cached bounds are `bounds` again.
  void keepBounds(uint32_t slot, const AIRealRect& bounds) {
    node(slot).boundsKnown = true;
    node(slot).boundsRect = bounds;
  }
  std::size_t aliveCount() const { return alive_; }

  // The memory budget (see Document::setMemoryBudget): what the slots made
  // so far and the segments of every object not freed take, against a limit.
  std::size_t bytesHeld() const { return bytesFor(slots_, segmentsHeld_); }
  std::size_t budget() const { return budget_; }
  void setBudget(std::size_t bytes) { budget_ = bytes; }
  uint64_t refusals() const { return refusals_; }
  // Whether `objects` more slots and `segments` more segments fit in the budget.
  bool fits(std::size_t objects, std::size_t segments) const { return peakBytes(objects, segments) <= budget_; }
  // Makes sure that they fit, adding pages if need be; MemoryBudgetError otherwise.
  void makeRoom(std::size_t objects, std::size_t segments);
  // The objects and segments of the subtree at `slot`.
  std::pair<std::size_t, std::size_t> subtreeSize(uint32_t slot) const;
  // The segments of an object changed in number (after makeRoom for more).
  void segmentsResized(std::size_t before, std::size_t after) {
    segmentsHeld_ += after;
    segmentsHeld_ -= before;
  }

  // A new unlinked object, alive.
  uint32_t allocate(ArtContent content, uint32_t createdSerial);
  // A copy of the subtree at `source`, unlinked, alive, with the same links
  // among its members. `unselect` clears the selected bit of every copy.
  // Nothing is copied when the copy would not fit in the budget.
  uint32_t copySubtree(uint32_t source, uint32_t createdSerial, bool unselect);
  // Free every slot of the unlinked subtree at `slot`.
  void freeSubtree(uint32_t slot);

  // Insert before `next` among the children of `parent` (at the end for kNoSlot).
  void link(uint32_t slot, uint32_t parent, uint32_t next);
  void unlink(uint32_t slot);
  // Mark the subtree at `slot` alive or dead.
  void setSubtreeState(uint32_t slot, SlotState state);

  // The next slot after `slot` in a pre-order walk of the subtree at `top`;
  // kNoSlot at the end.
  uint32_t nextInSubtree(uint32_t slot, uint32_t top) const;
  // Whether `slot` is `ancestor` or lies inside it.
  bool isWithin(uint32_t slot, uint32_t ancestor) const;

 private:
  static constexpr unsigned kPageBits = 10;
  static constexpr uint32_t kPageSlots = uint32_t{1} << kPageBits;
  static constexpr uint32_t kPageMask = kPageSlots - 1;
  struct PageDeleter {
    void operator()(ArtNode* page) const { std::allocator<ArtNode>().deallocate(page, kPageSlots); }
  };
  static std::size_t bytesFor(std::size_t slots, std::size_t segments) {
    return slots * sizeof(ArtNode) + segments * sizeof(AIPathSegment);
  }
  // The slots there are once `objects` more are taken (free ones first).
  std::size_t slotsFor(std::size_t objects) const;
  // What the art takes once they are made.
  std::size_t peakBytes(std::size_t objects, std::size_t segments) const;
  [[noreturn]] void refuse(ArtRef art) const;
  uint64_t newStamp() { return ++stamps_; }
  // A slot for a new object (makeRoom first): its content is empty but may
  // keep the segment buffer of the object that had it before.
  uint32_t takeSlot(uint32_t createdSerial);
  void freeSlot(uint32_t slot);
  uint32_t tag_;
  // Slots [0, slots_) are made; pages hold room for more.
  std::vector<std::unique_ptr<ArtNode[], PageDeleter>> pages_;
  uint32_t slots_ = 0;
  std::vector<uint32_t> freeSlots_;
  std::size_t alive_ = 0;
  std::size_t segmentsHeld_ = 0;
  std::size_t budget_;
  uint64_t refusals_ = 0;
  uint64_t births_ = 0;
  uint64_t stamps_ = 0;
};

}  // namespace easel

#endif
