#include "UndoLog.h"

#include <utility>

namespace easel {

namespace {
const std::string kNoName;
uint8_t markBit(ChangeKind kind) { return static_cast<uint8_t>(1u << (static_cast<unsigned>(kind) - 3)); }
}  // namespace

void UndoLog::begin(std::string name) {
  if (open_) end();
  open_ = true;
  serial_ = ++lastSerial_;
  current_ = Command{};
  current_.name = std::move(name);
}

void UndoLog::end() {
  if (!open_) return;
  open_ = false;
  if (current_.changes.empty()) return;
  done_.push_back(std::move(current_));
  current_ = Command{};
  trim();
}

void UndoLog::undoOpen() {
  if (!open_) return;
  undoCommand(current_);
  discardUndone(current_);
  std::string name = std::move(current_.name);
  current_ = Command{};
  current_.name = std::move(name);
  // A fresh serial: the marks and creation stamps of the taken-back changes
  // no longer say anything.
  serial_ = ++lastSerial_;
}

bool UndoLog::undo() {
  end();
  if (done_.empty()) return false;
  Command c = std::move(done_.back());
  done_.pop_back();
  undoCommand(c);
  undone_.push_back(std::move(c));
  return true;
}

bool UndoLog::redo() {
  end();
  if (undone_.empty()) return false;
  Command c = std::move(undone_.back());
  undone_.pop_back();
  redoCommand(c);
  done_.push_back(std::move(c));
  trim();
  return true;
}

const std::string& UndoLog::undoName() const { return done_.empty() ? kNoName : done_.back().name; }
const std::string& UndoLog::redoName() const { return undone_.empty() ? kNoName : undone_.back().name; }

void UndoLog::setLimit(std::size_t commands) {
  limit_ = commands;
  trim();
}

void UndoLog::trim() {
  if (done_.size() <= limit_) return;
  const std::size_t drop = done_.size() - limit_;
  for (std::size_t i = 0; i < drop; ++i) discardDone(done_[i]);
  done_.erase(done_.begin(), done_.begin() + static_cast<std::ptrdiff_t>(drop));
}

void UndoLog::forget() {
  for (auto& c : done_) discardDone(c);
  // Redo commands were taken back newest first; discard them in that order.
  for (auto& c : undone_) discardUndone(c);
  done_.clear();
  undone_.clear();
  if (open_) {
    // The open command's records go too; what it made stays as made.
    discardDone(current_);
    std::string name = std::move(current_.name);
    current_ = Command{};
    current_.name = std::move(name);
    serial_ = ++lastSerial_;
  }
}

void UndoLog::dropRedo() {
  for (auto& c : undone_) discardUndone(c);
  undone_.clear();
}

Change& UndoLog::push(ChangeKind kind, uint32_t slot) {
  // The first change of a command makes the redo history meaningless.
  if (current_.changes.empty()) dropRedo();
  Change& change = current_.changes.emplace_back();
  change.kind = kind;
  change.slot = slot;
  change.spot = {kNoSlot, kNoSlot};
  return change;
}

void UndoLog::created(uint32_t slot) {
  if (open_) push(ChangeKind::Created, slot);
}

void UndoLog::disposed(uint32_t slot) {
  if (!open_) return;
  const ArtNode& n = tree_.node(slot);
  const uint32_t parent = n.parent, next = n.next;
  push(ChangeKind::Disposed, slot).spot = {parent, next};
}

void UndoLog::moved(uint32_t slot) {
  if (!open_) return;
  const ArtNode& n = tree_.node(slot);
  const uint32_t parent = n.parent, next = n.next;
  push(ChangeKind::Moved, slot).spot = {parent, next};
}

bool UndoLog::wants(uint32_t slot, ChangeKind kind) {
  if (!open_) return false;
  ArtNode& n = tree_.node(slot);
  if (n.createdSerial == serial_) return false;
  if (n.markSerial != serial_) {
    n.markSerial = serial_;
    n.markKinds = 0;
  }
  const uint8_t bit = markBit(kind);
  if (n.markKinds & bit) return false;
  n.markKinds |= bit;
  return true;
}

void UndoLog::saveGeometry(uint32_t slot) {
  const ArtNode& n = tree_.node(slot);
  const ArtContent& a = n.content;
  current_.geometries.push_back({a.segments, a.closed, a.placement, n.geometryStamp});
  push(ChangeKind::Geometry, slot).payload = static_cast<uint32_t>(current_.geometries.size() - 1);
}

void UndoLog::saveStyle(uint32_t slot) {
  current_.styles.push_back(tree_.node(slot).content.style);
  push(ChangeKind::Style, slot).payload = static_cast<uint32_t>(current_.styles.size() - 1);
}

void UndoLog::saveOpacity(uint32_t slot) {
  const AIReal opacity = tree_.node(slot).content.opacity;
  push(ChangeKind::Opacity, slot).opacity = opacity;
}

void UndoLog::saveAttributes(uint32_t slot) {
  const uint8_t attributes = tree_.node(slot).content.attributes;
  push(ChangeKind::Attributes, slot).attributes = attributes;
}

void UndoLog::saveIdentity(uint32_t slot) {
  const ArtContent& a = tree_.node(slot).content;
  current_.identities.push_back({a.name, a.extra});
  push(ChangeKind::Identity, slot).payload = static_cast<uint32_t>(current_.identities.size() - 1);
}

// Exchanges the document's state with the record's: applied to a done change
// it takes the change back, applied again it redoes it.
void UndoLog::swap(Command& c, Change& change) {
  ArtNode& n = tree_.node(change.slot);
  ArtContent& a = n.content;
  auto unlinkHere = [&] {
    const TreeSpot spot{n.parent, n.next};
    tree_.unlink(change.slot);
    return spot;
  };
  switch (change.kind) {
    case ChangeKind::Created:
    case ChangeKind::Disposed: {
      if (n.parent == kNoSlot) {  // removed: put it back
        tree_.link(change.slot, change.spot.parent, change.spot.next);
        tree_.setSubtreeState(change.slot, SlotState::Alive);
      } else {
        change.spot = unlinkHere();
        tree_.setSubtreeState(change.slot, SlotState::Dead);
      }
      break;
    }
    case ChangeKind::Moved: {
      const TreeSpot was = unlinkHere();
      tree_.link(change.slot, change.spot.parent, change.spot.next);
      change.spot = was;
      break;
    }
    case ChangeKind::Geometry: {
      GeometryValue& g = c.geometries[change.payload];
      const uint64_t stamp = tree_.node(change.slot).geometryStamp;
      tree_.geometry(change.slot);  // forgets the cached bounds
      tree_.node(change.slot).geometryStamp = g.stamp;
      g.stamp = stamp;
      tree_.segmentsResized(a.segments.size(), g.segments.size());
      std::swap(a.segments, g.segments);
      std::swap(a.closed, g.closed);
      std::swap(a.placement, g.placement);
      break;
    }
    case ChangeKind::Style: std::swap(a.style, c.styles[change.payload]); break;
    case ChangeKind::Opacity: std::swap(a.opacity, change.opacity); break;
    case ChangeKind::Attributes: std::swap(a.attributes, change.attributes); break;
    case ChangeKind::Identity: {
      IdentityValue& v = c.identities[change.payload];
      std::swap(a.name, v.name);
      std::swap(a.extra, v.extra);
      break;
    }
  }
}

void UndoLog::undoCommand(Command& c) {
  for (auto it = c.changes.rbegin(); it != c.changes.rend(); ++it) swap(c, *it);
}

void UndoLog::redoCommand(Command& c) {
  for (auto& change : c.changes) swap(c, change);
}

// A command that stays done: the art it removed will never come back.
void UndoLog::discardDone(Command& c) {
  for (const auto& change : c.changes)
    if (change.kind == ChangeKind::Disposed) tree_.freeSubtree(change.slot);
}

// A command that stays taken back: the art it made will never come back.
// Freed last made first: the tree hands out the slot freed last first, so
// the next command makes its objects in the slots, and over the memory, of
// the taken-back ones in the same order.
void UndoLog::discardUndone(Command& c) {
  for (auto change = c.changes.rbegin(); change != c.changes.rend(); ++change)
    if (change->kind == ChangeKind::Created) tree_.freeSubtree(change->slot);
}

}  // namespace easel
