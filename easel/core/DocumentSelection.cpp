// The attribute bits (selected, locked, hidden), and finding art by name,
// type and attributes.
#include <span>
#include <string_view>
#include <vector>

#include "DocumentState.h"

namespace easel {

namespace {

void setBits(ArtTree& t, UndoLog& log, uint32_t slot, uint8_t mask, bool on) {
  const uint8_t attributes = t.node(slot).content.attributes;
  const auto wanted = static_cast<uint8_t>(on ? (attributes | mask) : (attributes & ~mask));
  if (wanted == attributes) return;
  if (log.wants(slot, ChangeKind::Attributes)) log.saveAttributes(slot);
  t.node(slot).content.attributes = wanted;
}

}  // namespace

void Document::setSelected(ArtRef art, bool selected) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  for (uint32_t s = slot; s != kNoSlot; s = t.nextInSubtree(s, slot))
    setBits(t, state_->log, s, kArtSelected, selected);
  if (!selected)
    for (uint32_t s = t.node(slot).parent; s != kRootSlot; s = t.node(s).parent)
      setBits(t, state_->log, s, kArtSelected, false);
}

void Document::setLocked(ArtRef art, bool locked) {
  ++state_->changes;
  setBits(state_->tree, state_->log, state_->tree.slotOf(art), kArtLocked, locked);
}

void Document::setHidden(ArtRef art, bool hidden) {
  ++state_->changes;
  setBits(state_->tree, state_->log, state_->tree.slotOf(art), kArtHidden, hidden);
}

std::size_t Document::selectByName(std::string_view name) {
  ArtTree& t = state_->tree;
  std::vector<ArtRef> found;
  for (uint32_t s = t.nextInSubtree(kRootSlot, kRootSlot); s != kNoSlot; s = t.nextInSubtree(s, kRootSlot))
    if (t.node(s).content.name.get() == name) found.push_back(t.refOf(s));
  for (ArtRef art : found) setSelected(art, true);
  return found.size();
}

void Document::deselectAll() {
  ++state_->changes;
  ArtTree& t = state_->tree;
  for (uint32_t s = t.nextInSubtree(kRootSlot, kRootSlot); s != kNoSlot; s = t.nextInSubtree(s, kRootSlot))
    setBits(t, state_->log, s, kArtSelected, false);
}

std::vector<ArtRef> Document::matching(std::span<const ArtMatch> conditions) const {
  const ArtTree& t = state_->tree;
  std::vector<ArtRef> found;
  for (uint32_t s = t.nextInSubtree(kRootSlot, kRootSlot); s != kNoSlot; s = t.nextInSubtree(s, kRootSlot)) {
    const ArtContent& a = t.node(s).content;
    for (const auto& m : conditions) {
      if (m.type == a.type && (a.attributes & m.whichAttr) == m.attr) {
        found.push_back(t.refOf(s));
        break;
      }
    }
  }
  return found;
}

}  // namespace easel
