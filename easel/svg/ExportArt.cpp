// The SVG writer's paths, text, images and symbols: an element that keeps
// its geometry keeps its text; one whose geometry changed gets path data (a
// basic shape becomes a path), without what other editors would redraw it from.
#include <algorithm>
#include <cmath>
#include <utility>

#include "ExportGeometry.h"
#include "ExportValues.h"
#include "RedrawAttributes.h"
#include "SubpathDigest.h"
#include "SvgExporter.h"

namespace easel::svg::detail {

namespace {

// The attributes that hold a basic shape's geometry: a shape written as a
// path drops them.
bool isGeometryAttribute(std::string_view name) {
  static constexpr std::string_view kNames[] = {"d",  "x", "y",  "width", "height", "rx", "ry",    "cx",
                                                "cy", "r", "x1", "y1",    "x2",     "y2", "points"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

}  // namespace

// The stamp answers for art nothing changed (or undo put back); the digest
// for a path changed and then given its imported value again.
bool Exporter::subpathAsImported(ArtRef path, const SvgArtExtra::ImportedSubpath& imported) const {
  if (doc_.geometryStamp(path) == imported.stamp) return true;
  const ArtContent& c = doc_.content(path);
  return subpathDigest(WholeSegments(c.segments), c.closed) == imported.digest;
}

bool Exporter::geometryAsImported(ArtRef art, const SvgArtExtra& e) const {
  const ArtContent& c = doc_.content(art);
  if (c.type == ArtType::Path) {
    if (e.subpaths.empty()) return c.segments.empty();
    return e.subpaths.size() == 1 && subpathAsImported(art, e.subpaths[0]);
  }
  if (c.type == ArtType::CompoundPath) {
    std::size_t i = 0;
    for (ArtRef m = doc_.firstChild(art); m; m = doc_.nextSibling(m), ++i) {
      if (i >= e.subpaths.size() || !subpathAsImported(m, e.subpaths[i])) return false;
    }
    return i == e.subpaths.size();
  }
  if (hasMatrix(c.type)) return sameMatrix(c.placement->matrix, e.matrix);
  return true;
}

// The art's subpaths in the user space that `local` maps to the page.
PathGeometry Exporter::localGeometry(ArtRef art, const Affine& local) const {
  // A singular transform shows nothing; its art is written untransformed.
  const bool invertible = local.determinant() != 0;
  const Affine forward = invertible ? local : Affine{};
  const Affine inverse = forward.inverse();
  const ArtContent& c = doc_.content(art);
  PathGeometry g;
  if (c.type == ArtType::Path) {
    if (!c.segments.empty()) g.push_back(toLocalSubpath(WholeSegments(c.segments), c.closed, forward, inverse));
  } else {
    for (ArtRef m = doc_.firstChild(art); m; m = doc_.nextSibling(m)) {
      const ArtContent& mc = doc_.content(m);
      if (!mc.segments.empty()) g.push_back(toLocalSubpath(WholeSegments(mc.segments), mc.closed, forward, inverse));
    }
  }
  return g;
}

void Exporter::writePath(ArtRef art, const Affine& frame, const SvgArtExtra* e) {
  const Affine local = frame * (e ? e->transform : Affine{});
  const bool keepGeometry = e && !options_.rewriteAll && e->parentToDoc == frame && geometryAsImported(art, *e);
  XmlAttributes el = e ? XmlAttributes::of(e->node) : XmlAttributes();
  std::string_view name = e ? std::string_view(e->node.name()) : "path";
  if (!keepGeometry) {
    // A look ahead (probing) needs the names, not the geometry.
    std::string d = out_->probing() ? std::string() : writePathData(localGeometry(art, local));
    name = "path";
    // The path data where the geometry was; the rest of the shape's
    // geometry, and what an editor would draw it again from, goes.
    bool first = true;
    el.removeIf([&](const XmlAttributes::Attribute& a) {
      if (isGeometryAttribute(a.name)) return !std::exchange(first, false);
      return e && redrawsGeometry(e->node, a.name);
    });
    if (XmlAttributes::Attribute* g = el.findIf([](const auto& a) { return isGeometryAttribute(a.name); })) {
      el.replace(*g, "d", std::move(d));
    } else {
      el.appendPlain("d", std::move(d));
    }
  }
  const double scale = std::sqrt(std::abs(local.determinant()));
  finish(el, art, e, &scale);
  writeElement(e, name, el);
}

void Exporter::writeMatrixArt(ArtRef art, const Affine& frame, const SvgArtExtra& e) {
  const ArtContent& c = doc_.content(art);
  XmlAttributes el = XmlAttributes::of(e.node);
  if (!sameMatrix(c.placement->matrix, e.matrix) || !(e.parentToDoc == frame)) {
    // The change the document made, in page coordinates, carried into the
    // element's own transform.
    const Affine before = toAffine(e.matrix);
    const Affine change = toAffine(c.placement->matrix) * (before.determinant() != 0 ? before.inverse() : Affine{});
    const Affine inverseFrame = frame.determinant() != 0 ? frame.inverse() : Affine{};
    const Affine transform = inverseFrame * change * e.parentToDoc * e.transform;
    if (XmlAttributes::Attribute* t = el.find("transform")) {
      el.set(*t, matrixText(transform));
    } else {
      el.append("transform", matrixText(transform));
    }
  }
  finish(el, art, &e, nullptr);
  writeElement(&e, e.node.name(), el);
}

}  // namespace easel::svg::detail
