// The document's reads, and its page, swatches, memory, undo and views,
// each kept by the part of its state that holds it.
#include "Document.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "DocumentState.h"
#include "Geometry.h"

namespace easel {

Document::Document() : state_(std::make_unique<State>()) {}
Document::~Document() = default;

// --- Page -----------------------------------------------------------------

AIReal Document::pageWidth() const { return state_->pageWidth; }
AIReal Document::pageHeight() const { return state_->pageHeight; }

void Document::setPageSize(AIReal width, AIReal height) {
  ++state_->changes;
  if (!(std::isfinite(width) && std::isfinite(height) && width > 0 && height > 0))
    throw DocumentError(kBadParameterErr, "page size");
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
  if (style == nullptr) throw DocumentError(kWrongArtTypeErr, "no path style");
  return *style;
}

const AIPathStyle* Document::pathStyleOf(ArtRef valid) const noexcept {
  const ArtTree& t = state_->tree;
  const ArtNode& n = t.node(unpackHandle(valid.bits()).slot);
  if (hasSegments(n.content.type)) return &n.content.style.get();
  if (n.content.type != ArtType::CompoundPath) return nullptr;
  return &(n.firstChild != kNoSlot ? t.node(n.firstChild).content.style : n.content.style).get();
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
