// Changing one object's content: its segments, path style, matrix and local
// bounds, opacity, name and extra, each recorded for undo before it changes.
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "DocumentChanges.h"
#include "DocumentState.h"
#include "Geometry.h"

namespace easel {

namespace {

void checkStyle(const AIPathStyle& style) {
  if (!std::isfinite(style.stroke.width) || style.stroke.width < 0) fail(kBadParameterErr, "stroke width");
  if (style.stroke.dashCount < 0 || style.stroke.dashCount > kMaxDashComponents) fail(kBadParameterErr, "dash count");
  if (!std::isfinite(style.stroke.miterLimit)) fail(kBadParameterErr, "miter limit");
}

void checkSegments(std::span<const AIPathSegment> segments) {
  for (const auto& s : segments)
    if (!isFinite(s)) fail(kBadParameterErr, "a point is not finite");
}

// Gives the art `style`: the value it holds already, or the one given last,
// when either is the same, so that art painted alike shares one style.
void giveStyle(ArtTree& t, UndoLog& log, Shared<AIPathStyle>& last, uint32_t slot, const AIPathStyle& style) {
  Shared<AIPathStyle>& held = t.node(slot).content.style;
  if (sameStyle(held, style)) return;
  if (log.wants(slot, ChangeKind::Style)) log.saveStyle(slot);
  if (!sameStyle(last, style)) last = style;
  held = last;
}

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

}  // namespace easel
