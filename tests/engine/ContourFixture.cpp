#include "tests/engine/ContourFixture.h"

#include "easel/core/Session.h"

namespace contour_test {

using easel::ArtRef;
using easel::ArtType;
using easel::Place;

AIColor greyColor(AIReal grey) {
  AIColor c{};
  c.kind = kGrayColor;
  c.c.g.gray = grey;
  return c;
}

AIColor fourColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black) {
  AIColor c{};
  c.kind = kFourColor;
  c.c.f = {cyan, magenta, yellow, black};
  return c;
}

AIColor rgbColor(AIReal red, AIReal green, AIReal blue) {
  AIColor c{};
  c.kind = kThreeColor;
  c.c.rgb = {red, green, blue};
  return c;
}

namespace {
AIPathSegment corner(AIReal x, AIReal y) { return {{x, y}, {x, y}, {x, y}, 1}; }
}  // namespace

std::vector<AIPathSegment> squareSegments(AIReal cx, AIReal cy, AIReal half) {
  return {corner(cx - half, cy - half), corner(cx + half, cy - half), corner(cx + half, cy + half),
          corner(cx - half, cy + half)};
}

std::vector<AIPathSegment> circleSegments(AIReal cx, AIReal cy, AIReal radius) {
  const AIReal k = 0.55228475f * radius;  // the handle length of a quarter circle
  return {{{cx + radius, cy}, {cx + radius, cy - k}, {cx + radius, cy + k}, 0},
          {{cx, cy + radius}, {cx + k, cy + radius}, {cx - k, cy + radius}, 0},
          {{cx - radius, cy}, {cx - radius, cy + k}, {cx - radius, cy - k}, 0},
          {{cx, cy - radius}, {cx - k, cy - radius}, {cx + k, cy - radius}, 0}};
}

ContourFixture::ContourFixture() { layer = doc().addLayer("Layer 1"); }

ArtRef ContourFixture::addPath(const std::vector<AIPathSegment>& segments, const AIPathStyle& style) {
  const ArtRef path = doc().createArt(ArtType::Path, layer, Place::InsideOnBottom);
  doc().setSegments(path, segments, true);
  doc().setPathStyle(path, style);
  doc().setSelected(path, true);
  return path;
}

ArtRef ContourFixture::addPath(const std::vector<AIPathSegment>& segments) {
  return addPath(segments, easel::defaultPathStyle());
}

ArtRef ContourFixture::addCompound(const std::vector<std::vector<AIPathSegment>>& members) {
  const ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnBottom);
  for (const auto& segments : members) {
    const ArtRef member = doc().createArt(ArtType::Path, compound, Place::InsideOnBottom);
    doc().setSegments(member, segments, true);
  }
  doc().setSelected(compound, true);
  return compound;
}

ArtRef ContourFixture::addPlaced(AIReal x, AIReal y) {
  const ArtRef placed = doc().createArt(ArtType::Placed, layer, Place::InsideOnBottom);
  doc().setLocalBounds(placed, {0, 30, 40, 0});
  doc().setMatrix(placed, {1, 0, 0, 1, x, y});
  doc().setSelected(placed, true);
  return placed;
}

ASErr ContourFixture::run(const ContourParams& params) {
  harness.setParams(params);
  return harness.go();
}

void ContourFixture::seed(uint64_t value) {
  harness.session().random().setSeed(value);
  reference_.setSeed(value);
}

AIReal ContourFixture::nextDraw() { return reference_.nextReal(); }

void ContourFixture::removeContours(std::size_t sourceCount) {
  std::vector<ArtRef> art = layerArt();
  for (std::size_t i = 0; i + sourceCount < art.size(); ++i) doc().dispose(art[i]);
}

std::vector<ArtRef> ContourFixture::layerArt() const {
  std::vector<ArtRef> art;
  const easel::Document& d = const_cast<ContourFixture*>(this)->doc();
  for (ArtRef a = d.firstChild(layer); a; a = d.nextSibling(a)) art.push_back(a);
  return art;
}

std::vector<ArtRef> ContourFixture::contours(std::size_t sourceCount) const {
  std::vector<ArtRef> art = layerArt();
  if (art.size() < sourceCount) return {};
  art.resize(art.size() - sourceCount);
  return {art.rbegin(), art.rend()};
}

}  // namespace contour_test
