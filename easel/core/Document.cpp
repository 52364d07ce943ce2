#include "Document.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "DocumentState.h"
#include "Geometry.h"

namespace easel {

namespace {

[[noreturn]] void fail(ASErr code, const std::string& what) { throw DocumentError(code, what); }

bool hasStyle(ArtType type) { return hasSegments(type) || type == ArtType::CompoundPath; }

void checkStyle(const AIPathStyle& style) {
  if (!std::isfinite(style.stroke.width) || style.stroke.width < 0) fail(kBadParameterErr, "stroke width");
  if (style.stroke.dashCount < 0 || style.stroke.dashCount > kMaxDashComponents) fail(kBadParameterErr, "dash count");
}

void checkSegments(std::span<const AIPathSegment> segments) {
  for (const auto& s : segments)
    if (!isFinite(s)) fail(kBadParameterErr, "a point is not finite");
}

// Before new art or segments: when the budget is short, the redo history,
// which the change ends anyway once it is recorded, goes first.
void clearRoom(ArtTree& tree, UndoLog& log, std::size_t objects, std::size_t segments) {
  if (log.open() && log.canRedo() && !tree.fits(objects, segments)) log.dropRedo();
}

// A place in the tree: before `next` among the children of `parent`.
struct Spot {
  uint32_t parent;
  uint32_t next;
};

// Gives the art `style`: the value it holds already, or the one given last,
// when either is the same, so that art painted alike shares one style.
void giveStyle(ArtTree& t, UndoLog& log, Shared<AIPathStyle>& last, uint32_t slot, const AIPathStyle& style) {
  Shared<AIPathStyle>& held = t.node(slot).content.style;
  if (sameStyle(held, style)) return;
  if (log.wants(slot, ChangeKind::Style)) log.saveStyle(slot);
  if (!sameStyle(last, style)) last = style;
  held = last;
}

void scaleStrokeWidth(ArtTree& t, UndoLog& log, uint32_t slot, AIReal scale) {
  AIPathStyle scaled = t.node(slot).content.style;
  scaled.stroke.width = scaled.stroke.width * scale;
  Shared<AIPathStyle>& held = t.node(slot).content.style;
  if (sameStyle(held, scaled)) return;
  if (log.wants(slot, ChangeKind::Style)) log.saveStyle(slot);
  held = scaled;
}

}  // namespace

Document::Document() : state_(std::make_unique<State>()) {}
Document::~Document() = default;

// --- Page -----------------------------------------------------------------

AIReal Document::pageWidth() const { return state_->pageWidth; }
AIReal Document::pageHeight() const { return state_->pageHeight; }

void Document::setPageSize(AIReal width, AIReal height) {
  ++state_->changes;
  if (!(std::isfinite(width) && std::isfinite(height) && width > 0 && height > 0)) fail(kBadParameterErr, "page size");
  state_->pageWidth = width;
  state_->pageHeight = height;
}

// --- Refs and the tree ------------------------------------------------------

HandleCheck Document::check(ArtRef art) const noexcept { return state_->tree.check(art); }
bool Document::mayReturn(ArtRef art) const { return state_->tree.mayReturn(art); }

ArtRef Document::firstLayer() const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(kRootSlot).firstChild);
}

ArtRef Document::firstChild(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(t.slotOf(art)).firstChild);
}

ArtRef Document::lastChild(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(t.slotOf(art)).lastChild);
}

ArtRef Document::nextSibling(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(t.slotOf(art)).next);
}

ArtRef Document::previousSibling(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(t.slotOf(art)).prev);
}

ArtRef Document::parent(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.node(t.slotOf(art)).parent);  // the root gives null
}

ArtRef Document::nextInOrder(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.refOf(t.nextInSubtree(t.slotOf(art), kRootSlot));
}

int Document::depth(ArtRef art) const {
  const ArtTree& t = state_->tree;
  int d = -1;
  for (uint32_t s = t.slotOf(art); s != kRootSlot; s = t.node(s).parent) ++d;
  return d;
}

std::size_t Document::artCount() const { return state_->tree.aliveCount() - 1; }  // not the root

uint64_t Document::birth(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.node(t.slotOf(art)).birth;
}

uint64_t Document::geometryStamp(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.node(t.slotOf(art)).geometryStamp;
}

// --- Reading one object -----------------------------------------------------

const ArtContent& Document::content(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return t.node(t.slotOf(art)).content;
}

namespace {

// Adds one object's own geometry; true when its bounds are tight.
bool addGeometry(BoundsBuilder& b, const ArtContent& a) {
  if (hasSegments(a.type)) return b.addPath(WholeSegments(a.segments), a.closed);
  if (hasMatrix(a.type)) b.addBox(a.placement->localBounds, a.placement->matrix);
  return false;
}

// The bounds of the art at `slot`, and whether it has any geometry; from
// the cache for leaf art (computed and kept on first read).
std::pair<AIRealRect, bool> extentOf(const ArtTree& t, uint32_t slot) {
  const ArtNode& n = t.node(slot);
  if (isContainer(n.content.type)) {
    BoundsBuilder b;
    for (uint32_t s = slot; s != kNoSlot; s = t.nextInSubtree(s, slot)) addGeometry(b, t.node(s).content);
    return {b.rect(), b.empty()};
  }
  if (!n.boundsKnown) {
    BoundsBuilder b;
    n.boundsTight = addGeometry(b, n.content);
    n.boundsRect = b.rect();
    n.boundsEmpty = b.empty();
    n.boundsKnown = true;
  }
  return {n.boundsRect, n.boundsEmpty};
}

}  // namespace

AIRealRect Document::bounds(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return extentOf(t, t.slotOf(art)).first;
}

bool Document::hasBounds(ArtRef art) const {
  const ArtTree& t = state_->tree;
  return !extentOf(t, t.slotOf(art)).second;
}

const AIRealRect* Document::keptBounds(ArtRef valid) const noexcept {
  const ArtNode& n = state_->tree.node(unpackHandle(valid.bits()).slot);
  return !isContainer(n.content.type) && n.boundsKnown ? &n.boundsRect : nullptr;
}

AIPathStyle Document::pathStyle(ArtRef art) const {
  state_->tree.slotOf(art);  // refuses a bad ref
  const AIPathStyle* style = pathStyleOf(art);
  if (style == nullptr) fail(kWrongArtTypeErr, "no path style");
  return *style;
}

const AIPathStyle* Document::pathStyleOf(ArtRef valid) const noexcept {
  const ArtTree& t = state_->tree;
  const ArtNode& n = t.node(unpackHandle(valid.bits()).slot);
  if (hasSegments(n.content.type)) return &n.content.style.get();
  if (n.content.type != ArtType::CompoundPath) return nullptr;
  return &(n.firstChild != kNoSlot ? t.node(n.firstChild).content.style : n.content.style).get();
}

// --- Making and removing art ------------------------------------------------

namespace {

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

// A name as art holds it: none takes no memory.
Shared<std::string> heldName(std::string name) {
  return name.empty() ? Shared<std::string>() : Shared<std::string>(std::move(name));
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

// --- Changing one object ----------------------------------------------------

namespace {

uint32_t pathSlot(const ArtTree& t, ArtRef art) {
  const uint32_t slot = t.slotOf(art);
  if (!hasSegments(t.node(slot).content.type)) fail(kWrongArtTypeErr, "not a path");
  return slot;
}

uint32_t matrixSlot(const ArtTree& t, ArtRef art) {
  const uint32_t slot = t.slotOf(art);
  if (!hasMatrix(t.node(slot).content.type)) fail(kWrongArtTypeErr, "not matrix art");
  return slot;
}

}  // namespace

void Document::setSegments(ArtRef path, std::vector<AIPathSegment> segments, bool closed) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = pathSlot(t, path);
  checkSegments(segments);
  const std::size_t before = t.node(slot).content.segments.size();
  if (segments.size() > before) {
    clearRoom(t, state_->log, 0, segments.size() - before);
    t.makeRoom(0, segments.size() - before);
  }
  if (state_->log.wants(slot, ChangeKind::Geometry)) state_->log.saveGeometry(slot);
  ArtContent& a = t.geometry(slot);
  a.segments.assign(segments);
  a.closed = closed;
  t.segmentsResized(before, a.segments.size());
}

void Document::replaceSegments(ArtRef path, std::size_t first, std::span<const AIPathSegment> segments) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = pathSlot(t, path);
  const std::size_t size = t.node(slot).content.segments.size();
  if (first > size || segments.size() > size - first) fail(kBadParameterErr, "segment range outside the path");
  checkSegments(segments);
  if (state_->log.wants(slot, ChangeKind::Geometry)) state_->log.saveGeometry(slot);
  t.geometry(slot).segments.replace(first, segments);
}

void Document::setClosed(ArtRef path, bool closed) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = pathSlot(t, path);
  if (state_->log.wants(slot, ChangeKind::Geometry)) state_->log.saveGeometry(slot);
  t.geometry(slot).closed = closed;
}

void Document::setStyle(ArtRef art, const AIPathStyle& style) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (!hasStyle(t.node(slot).content.type)) fail(kWrongArtTypeErr, "no path style");
  checkStyle(style);
  giveStyle(t, state_->log, state_->lastStyle, slot, style);
}

void Document::setPathStyle(ArtRef art, const AIPathStyle& style) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (!hasStyle(t.node(slot).content.type)) fail(kWrongArtTypeErr, "no path style");
  checkStyle(style);
  for (uint32_t s = slot; s != kNoSlot; s = t.nextInSubtree(s, slot))
    giveStyle(t, state_->log, state_->lastStyle, s, style);
}

void Document::setMatrix(ArtRef art, const AIRealMatrix& matrix) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = matrixSlot(t, art);
  if (!isFinite(matrix)) fail(kBadParameterErr, "matrix not finite");
  if (state_->log.wants(slot, ChangeKind::Geometry)) state_->log.saveGeometry(slot);
  ArtContent& a = t.geometry(slot);
  a.placement = Placement{matrix, a.placement->localBounds};
}

void Document::setLocalBounds(ArtRef art, const AIRealRect& bounds) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = matrixSlot(t, art);
  if (!(isFinite(bounds.left) && isFinite(bounds.top) && isFinite(bounds.right) && isFinite(bounds.bottom)))
    fail(kBadParameterErr, "bounds not finite");
  if (state_->log.wants(slot, ChangeKind::Geometry)) state_->log.saveGeometry(slot);
  ArtContent& a = t.geometry(slot);
  a.placement = Placement{a.placement->matrix, bounds};
}

void Document::setOpacity(ArtRef art, AIReal opacity) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (!(opacity >= 0 && opacity <= 1)) fail(kBadParameterErr, "opacity outside [0, 1]");
  if (state_->log.wants(slot, ChangeKind::Opacity)) state_->log.saveOpacity(slot);
  t.node(slot).content.opacity = opacity;
}

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

void Document::setName(ArtRef art, std::string name) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (state_->log.wants(slot, ChangeKind::Identity)) state_->log.saveIdentity(slot);
  t.node(slot).content.name = heldName(std::move(name));
}

void Document::setExtra(ArtRef art, ExtraRef extra) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t slot = t.slotOf(art);
  if (state_->log.wants(slot, ChangeKind::Identity)) state_->log.saveIdentity(slot);
  t.node(slot).content.extra = std::move(extra);
}

namespace {

// The range of a path's coordinates: its kept bounds when they are tight
// (the direction points then lie within the anchors' range), else one pass.
bool pathRange(const ArtNode& n, AIRealRect* range) {
  if (n.boundsKnown && n.boundsTight && !n.boundsEmpty) {
    *range = n.boundsRect;
    return true;
  }
  return coordinateRange(WholeSegments(n.content.segments), range);
}

// Whether an axis move of the path keeps every point finite (its range decides).
bool axisMoveSafe(const ArtNode& n, const AIRealMatrix& matrix) {
  AIRealRect range{};
  return isAxisMove(matrix) && pathRange(n, &range) && axisMoveFinite(matrix, range);
}

// The usual contour step, a path scaled and shifted: when the path's range
// shows that every moved point stays finite, it moves in place in one pass.
// A contour neither scaled nor shifted (points moved alone) comes as the
// identity, which leaves a path without negative zeros as it is: its stamp
// and kept bounds then stay, so the next bounds read costs nothing.
// False when the general way must be taken (nothing is changed then).
bool axisMovePath(ArtTree& t, UndoLog& log, uint32_t slot, const AIRealMatrix& matrix, bool lines, AIReal widthScale) {
  const ArtNode& n = t.node(slot);
  if (!hasSegments(n.content.type)) return false;
  const bool still = isIdentity(matrix) && !hasNegativeZero(WholeSegments(n.content.segments));
  if (!still && !axisMoveSafe(n, matrix)) return false;
  if (lines && !isFinite(n.content.style->stroke.width * widthScale))
    fail(kBadParameterErr, "the scaled stroke width is not finite");
  if (!still) {
    if (log.wants(slot, ChangeKind::Geometry)) log.saveGeometry(slot);
    AIRealRect movedBounds = n.boundsRect;
    const bool keep = n.boundsKnown && n.boundsTight && mapTightBounds(matrix, movedBounds);
    SegmentList& segments = t.geometry(slot).segments;
    // A polygon's anchors move alone, each as transformPoint moves it: the
    // kernels' result for every point, direction points included.
    if (segments.anchorsOnly())
      for (AIRealPoint& p : segments.anchors()) p = transformPoint(matrix, p);
    else
      axisMoveSegments(matrix, segments.whole());
    if (keep) t.keepBounds(slot, movedBounds);
  }
  if (lines) scaleStrokeWidth(t, log, slot, widthScale);
  return true;
}

}  // namespace

void Document::transform(ArtRef art, const AIRealMatrix& matrix, AIReal lineScale, int32_t flags) {
  ++state_->changes;
  ArtTree& t = state_->tree;
  const uint32_t top = t.slotOf(art);
  if (!isFinite(matrix) || !isFinite(lineScale)) fail(kBadParameterErr, "matrix or line scale not finite");
  const bool objects = (flags & kTransformObjects) != 0;
  const bool lines = (flags & kScaleLines) != 0;
  const AIReal widthScale = std::fabs(lineScale);
  if (objects && axisMovePath(t, state_->log, top, matrix, lines, widthScale)) return;
  // Compute and check every result first, so that a refused transform
  // changes nothing; the moved segments wait in the scratch buffer.
  std::vector<AIPathSegment>& moved = state_->scratchSegments;
  moved.clear();
  for (uint32_t s = top; s != kNoSlot; s = t.nextInSubtree(s, top)) {
    const ArtContent& a = t.node(s).content;
    if (objects && hasSegments(a.type)) {
      const std::size_t at = moved.size();
      moved.resize(at + a.segments.size());
      if (!transformSegments(matrix, WholeSegments(a.segments), moved.data() + at))
        fail(kBadParameterErr, "a transformed point is not finite");
    }
    if (objects && hasMatrix(a.type) && !isFinite(concat(a.placement->matrix, matrix)))
      fail(kBadParameterErr, "the transformed matrix is not finite");
    if (lines && hasStyle(a.type) && !isFinite(a.style->stroke.width * widthScale))
      fail(kBadParameterErr, "the scaled stroke width is not finite");
  }
  UndoLog& log = state_->log;
  auto next = moved.cbegin();
  for (uint32_t s = top; s != kNoSlot; s = t.nextInSubtree(s, top)) {
    ArtContent& a = t.node(s).content;
    if (objects && (hasSegments(a.type) || hasMatrix(a.type))) {
      if (log.wants(s, ChangeKind::Geometry)) log.saveGeometry(s);
      const ArtNode& n = t.node(s);
      // Tight bounds move with the path (see mapTightBounds); others are
      // computed again when next read.
      AIRealRect movedBounds = n.boundsRect;
      const bool keep = n.boundsKnown && n.boundsTight && (n.boundsEmpty || mapTightBounds(matrix, movedBounds));
      ArtContent& b = t.geometry(s);
      if (hasSegments(b.type)) {
        const std::size_t count = b.segments.size();
        b.segments.assign(std::span<const AIPathSegment>(std::to_address(next), count));
        next += static_cast<std::ptrdiff_t>(count);
        if (keep) t.keepBounds(s, movedBounds);
      } else
        b.placement = Placement{concat(b.placement->matrix, matrix), b.placement->localBounds};
    }
    if (lines && hasStyle(a.type)) scaleStrokeWidth(t, log, s, widthScale);
  }
}

// --- Selection --------------------------------------------------------------

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

// --- Swatches ---------------------------------------------------------------

const std::vector<Swatch>& Document::swatches() const { return state_->swatches.all(); }
void Document::addSwatch(std::string name, const AIColor& color) {
  ++state_->changes;
  state_->swatches.add({std::move(name), color});
}
void Document::insertSwatches(std::size_t position, std::vector<Swatch> swatches) {
  ++state_->changes;
  std::vector<Swatch> list = state_->swatches.all();
  const auto at = list.begin() + static_cast<std::ptrdiff_t>(std::min(position, list.size()));
  list.insert(at, std::make_move_iterator(swatches.begin()), std::make_move_iterator(swatches.end()));
  state_->swatches.replace(std::move(list));
}
void Document::resetSwatches() {
  ++state_->changes;
  state_->swatches.reset();
}
void Document::clearSwatches() {
  ++state_->changes;
  state_->swatches.replace({});
}
AISwatchRef Document::swatchRef(std::size_t index) const { return state_->swatches.ref(index); }
const Swatch* Document::swatch(AISwatchRef ref) const { return state_->swatches.find(ref); }

// --- Memory -----------------------------------------------------------------

void Document::setMemoryBudget(std::size_t bytes) { state_->tree.setBudget(bytes); }
std::size_t Document::memoryBudget() const { return state_->tree.budget(); }
std::size_t Document::memoryHeld() const { return state_->tree.bytesHeld(); }
uint64_t Document::memoryRefusals() const { return state_->tree.refusals(); }

// --- Commands and undo ------------------------------------------------------

void Document::beginCommand(std::string name) {
  ++state_->changes;
  state_->log.begin(std::move(name));
}
void Document::endCommand() {
  ++state_->changes;
  state_->log.end();
}
bool Document::inCommand() const { return state_->log.open(); }
void Document::undoChanges() {
  ++state_->changes;
  state_->log.undoOpen();
}
bool Document::canUndo() const { return state_->log.canUndo(); }
bool Document::canRedo() const { return state_->log.canRedo(); }
bool Document::userUndo() {
  ++state_->changes;
  return state_->log.undo();
}
bool Document::userRedo() {
  ++state_->changes;
  return state_->log.redo();
}
std::string Document::undoName() const { return state_->log.undoName(); }
std::string Document::redoName() const { return state_->log.redoName(); }
void Document::setUndoLimit(std::size_t commands) {
  ++state_->changes;
  state_->log.setLimit(commands);
}
std::size_t Document::pendingChanges() const { return state_->log.pending(); }
uint64_t Document::changeCount() const { return state_->changes; }

// --- Views ------------------------------------------------------------------

void Document::requestRedraw() { ++state_->redraws; }
uint64_t Document::redrawCount() const { return state_->redraws; }

}  // namespace easel
