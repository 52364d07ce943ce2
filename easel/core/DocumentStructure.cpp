// Making, copying, removing and moving art: where art may go in the tree,
// and what the undo history keeps of it.
#include <string>
#include <utility>

#include "DocumentChanges.h"
#include "DocumentState.h"

namespace easel {

namespace {

// A place in the tree: before `next` among the children of `parent`.
struct Spot {
  uint32_t parent;
  uint32_t next;
};

// Where art of `type` goes for a place relative to `reference`, checked.
Spot findSpot(const ArtTree& t, uint32_t reference, Place where, ArtType type) {
  const ArtNode& r = t.node(reference);
  Spot spot{};
  switch (where) {
    case Place::Above: spot = {r.parent, reference}; break;
    case Place::Below: spot = {r.parent, r.next}; break;
    case Place::InsideOnTop:
    case Place::InsideOnBottom:
      if (!isContainer(r.content.type)) fail(kWrongArtTypeErr, "the reference is not a container");
      spot = {reference, where == Place::InsideOnTop ? r.firstChild : kNoSlot};
      break;
    case Place::AboveAll: spot = {r.parent, t.node(r.parent).firstChild}; break;
    case Place::BelowAll: spot = {r.parent, kNoSlot}; break;
    default: fail(kBadParameterErr, "unknown paint order");
  }
  if (spot.parent == kRootSlot && type != ArtType::Group) fail(kWrongArtTypeErr, "only groups can be layers");
  if (t.node(spot.parent).content.type == ArtType::CompoundPath && type != ArtType::Path)
    fail(kWrongArtTypeErr, "a compound path holds only paths");
  return spot;
}

}  // namespace

ArtRef Document::addLayer(std::string name) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  ArtContent c;
  c.type = ArtType::Group;
  c.name = heldName(std::move(name));
  clearRoom(t, state_->log, 1, 0);
  const uint32_t slot = t.allocate(std::move(c), state_->log.serial());
  t.link(slot, kRootSlot, t.node(kRootSlot).firstChild);
  state_->log.created(slot);
  return t.refOf(slot);
}

ArtRef Document::createArt(ArtType type, ArtRef reference, Place where) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  ArtType known;
  if (!artTypeFromCode(static_cast<int16_t>(type), &known)) fail(kBadParameterErr, "unknown art type");
  const Spot spot = findSpot(t, t.slotOf(reference), where, type);
  ArtContent c;
  c.type = type;
  if (hasStyle(type)) c.style = state_->defaultStyle;
  clearRoom(t, state_->log, 1, 0);
  const uint32_t slot = t.allocate(std::move(c), state_->log.serial());
  t.link(slot, spot.parent, spot.next);
  state_->log.created(slot);
  return t.refOf(slot);
}

ArtRef Document::duplicate(ArtRef art, ArtRef reference, Place where) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t source = t.slotOf(art);
  const Spot spot = findSpot(t, t.slotOf(reference), where, t.node(source).content.type);
  if (state_->log.canRedo()) {
    const auto [objects, segments] = t.subtreeSize(source);
    clearRoom(t, state_->log, objects, segments);
  }
  const uint32_t copy = t.copySubtree(source, state_->log.serial(), true);
  t.link(copy, spot.parent, spot.next);
  state_->log.created(copy);
  return t.refOf(copy);
}

void Document::dispose(ArtRef art) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (state_->log.open()) {
    state_->log.disposed(slot);
    t.unlink(slot);
    t.setSubtreeState(slot, SlotState::Dead);
  } else {
    state_->log.forget();
    t.unlink(slot);
    t.freeSubtree(slot);
  }
}

void Document::move(ArtRef art, ArtRef reference, Place where) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  Spot spot = findSpot(t, t.slotOf(reference), where, t.node(slot).content.type);
  if (t.isWithin(spot.parent, slot)) fail(kBadParameterErr, "the place is inside the art itself");
  if (spot.next == slot) spot.next = t.node(slot).next;  // already there
  if (state_->log.open()) state_->log.moved(slot);
  else
    state_->log.forget();
  t.unlink(slot);
  t.link(slot, spot.parent, spot.next);
}

}  // namespace easel
