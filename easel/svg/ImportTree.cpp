// The art tree: layers, groups and paths, each element in file order.
#include "SvgImporter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "ColorText.h"
#include "ContourRuns.h"
#include "Namespaces.h"
#include "Scanner.h"
#include "Shapes.h"
#include "SubpathDigest.h"

namespace easel::svg::detail {

namespace {

AIRealPoint toPoint(Vec2 v) { return {static_cast<AIReal>(v.x), static_cast<AIReal>(v.y)}; }

// A corner unless the direction points lie on one line through the anchor,
// on opposite sides.
bool isCorner(const AIPathSegment& s) {
  const double ix = s.p.h - s.in.h, iy = s.p.v - s.in.v;
  const double ox = s.out.h - s.p.h, oy = s.out.v - s.p.v;
  if ((ix == 0 && iy == 0) || (ox == 0 && oy == 0)) return true;
  const double cross = ix * oy - iy * ox, dot = ix * ox + iy * oy;
  return !(dot > 0 && std::abs(cross) <= 1e-6 * std::hypot(ix, iy) * std::hypot(ox, oy));
}

bool pointFits(Vec2 v) {
  const double limit = std::numeric_limits<float>::max();
  return std::abs(v.x) <= limit && std::abs(v.y) <= limit;
}

}  // namespace

bool Importer::isLayer(pugi::xml_node node) const {
  return nameOf(node) == "g" &&
         std::string_view(node.attribute((source_->inkscapePrefix + "groupmode").c_str()).value()) == "layer";
}

ElementKind Importer::kindToImport(pugi::xml_node node) {
  if (node.type() != pugi::node_element) return ElementKind::Raw;
  const ElementKind kind = kindOf(nameOf(node));
  return kind == ElementKind::Use && showsItself(node) ? ElementKind::Raw : kind;
}

void Importer::importRoot() {
  pugi::xml_node root = source_->root;
  const ComputedStyle style = cascadeOf(initial_, root);
  const Affine& frame = source_->rootToDoc;
  Counted<SvgArtExtra> loose;
  ArtRef looseLayer;
  for (pugi::xml_node child : root.children()) {
    const ElementKind kind = kindToImport(child);
    const pugi::xml_node kept = kind == ElementKind::Raw ? keptCopyAt(child) : pugi::xml_node();
    if (kind == ElementKind::Group && isLayer(child)) {
      loose = {};
      const ArtRef layer = doc_->addLayer(layerName(child));
      source_->rootItems.push_back({{}, importGroup(child, layer, style, frame)});
    } else if (kind != ElementKind::Raw || kept) {
      if (!loose) {
        looseLayer = doc_->addLayer("");
        loose = makeCounted<SvgArtExtra>();
        loose->source = source_;
        loose->kind = SvgArtExtra::Kind::LooseArt;
        loose->parentToDoc = frame;
        doc_->setExtra(looseLayer, loose);
        source_->rootItems.push_back({{}, loose.get()});
      }
      loose->items.push_back({{},
                              kept ? importKept(child, kept, looseLayer, style, frame)
                                   : importElement(child, kind, looseLayer, style, frame)});
    } else if (loose) {
      loose->items.push_back({child, nullptr});
    } else {
      source_->rootItems.push_back({child, nullptr});
    }
  }
}

std::string Importer::layerName(pugi::xml_node node) const {
  pugi::xml_attribute label = node.attribute((source_->inkscapePrefix + "label").c_str());
  return label ? label.value() : node.attribute("id").value();
}

ComputedStyle Importer::cascadeOf(const ComputedStyle& parent, pugi::xml_node node) {
  return cascade(parent, node, sheet_, *this);
}

void Importer::importChildren(pugi::xml_node parent, ArtRef container, const ComputedStyle& style, const Affine& frame,
                              std::vector<SourceItem>& items) {
  for (pugi::xml_node child : parent.children()) {
    const ElementKind kind = kindToImport(child);
    if (const pugi::xml_node kept = kind == ElementKind::Raw ? keptCopyAt(child) : pugi::xml_node()) {
      items.push_back({{}, importKept(child, kept, container, style, frame)});
    } else if (kind == ElementKind::Raw) {
      items.push_back({child, nullptr});
    } else {
      items.push_back({{}, importElement(child, kind, container, style, frame)});
    }
  }
}

const SvgArtExtra* Importer::importElement(pugi::xml_node node, ElementKind kind, ArtRef container,
                                           const ComputedStyle& parentStyle, const Affine& frame) {
  if (leavesUnread(node, kind, container)) return unreadArt();
  if (kind == ElementKind::Group) {
    const ArtRef group = doc_->createArt(ArtType::Group, container, Place::InsideOnTop);
    return importGroup(node, group, parentStyle, frame);
  }
  if (kind == ElementKind::Shape) return importShape(node, container, parentStyle, frame);
  return importMatrixArt(node, kind, container, parentStyle, frame);
}

// Only paths right in a layer: without a contour inside it, a group that
// held a hidden or locked one could be taken whole by Select All, and the
// run chosen from the selection change.
bool Importer::leavesUnread(pugi::xml_node node, ElementKind kind, ArtRef container) {
  if (!leaveContours_ || kind != ElementKind::Shape || doc_->parent(container)) return false;
  const MarkReader::Marks m = marks_.read(node);
  if (!m.run || !recordIds_.count(m.run.value())) return false;
  source_->unread.push_back({node, m.id, m.run.value(), m.source.value()});
  return true;
}

pugi::xml_node Importer::keptCopyAt(pugi::xml_node place) {
  if (place.type() != pugi::node_element || !std::string_view(place.name()).ends_with(":place") ||
      !elementIs(place, kContourNamespace, "place")) {
    return {};
  }
  const auto found = keptCopies_.find(std::pair(place.attribute("run").value(), place.attribute("n").value()));
  if (found == keptCopies_.end() || kindToImport(found->second) == ElementKind::Raw) return {};
  const pugi::xml_node copy = found->second;
  keptCopies_.erase(found);  // one place for each copy
  return copy;
}

const SvgArtExtra* Importer::importKept(pugi::xml_node place, pugi::xml_node copy, ArtRef container,
                                        const ComputedStyle& parentStyle, const Affine& frame) {
  placing_ = place;
  const SvgArtExtra* extra = importElement(copy, kindToImport(copy), container, parentStyle, frame);
  showKept(*doc_, extra->original, false);
  return extra;
}

Counted<SvgArtExtra> Importer::newExtra(pugi::xml_node node, const Affine& frame) {
  auto extra = makeCounted<SvgArtExtra>();
  extra->source = source_;
  extra->node = node;
  extra->place = std::exchange(placing_, pugi::xml_node());  // the kept copy's own element only
  extra->parentToDoc = frame;
  // A transform that cannot be read is as if absent.
  if (pugi::xml_attribute t = node.attribute("transform")) extra->transform = readOr(t, Affine{}, parseTransformList);
  return extra;
}

void Importer::finishArt(ArtRef art, SvgArtExtra& extra, pugi::xml_node node, const ComputedStyle& style) {
  extra.original = art;
  // A layer's name is its label; other art is named by its id.
  if (pugi::xml_attribute id = node.attribute("id"); id && doc_->parent(art)) doc_->setName(art, id.value());
  const double opacity = read(style[Property::Opacity], Property::Opacity, parseOpacity);
  doc_->setOpacity(art, static_cast<AIReal>(opacity));
  extra.opacity = static_cast<AIReal>(opacity);
  const bool hidden = isKeyword(style[Property::Display].text, "none") ||
                      (doc_->type(art) != ArtType::Group && !isKeyword(style[Property::Visibility].text, "visible"));
  if (hidden) doc_->setHidden(art, true);
  extra.hidden = hidden;
  // Locked in the editors' markup: Select All passes it by.
  if (node.attribute(insensitiveName_.c_str())) doc_->setLocked(art, extra.locked = true);
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    const SpecifiedValue& v = style.values[i];
    if (!v.byIdRule && !v.importantRule) continue;  // most art: no name is made at all
    const std::string name(propertyName(static_cast<Property>(i)));
    if (v.byIdRule) extra.idRuleProperties.push_back(name);
    if (v.importantRule) extra.importantProperties.push_back(name);
  }
}

const SvgArtExtra* Importer::importGroup(pugi::xml_node node, ArtRef group, const ComputedStyle& parentStyle,
                                         const Affine& frame) {
  const ComputedStyle style = cascadeOf(parentStyle, node);
  auto extra = newExtra(node, frame);
  doc_->setExtra(group, extra);
  finishArt(group, *extra, node, style);
  importChildren(node, group, style, frame * extra->transform, extra->items);
  return extra.get();
}

PathGeometry Importer::shapeGeometry(pugi::xml_node node, const LengthContext& lengths) {
  const std::string_view name = nameOf(node);
  const double w = viewportWidth_, h = viewportHeight_;
  const double diagonal = std::sqrt((w * w + h * h) / 2);
  // Sizes and radii below 0 draw nothing, or (a corner's radius) take the other's.
  const auto at = [&](const char* attribute, double base) { return length(node, attribute, base, lengths); };
  const auto size = [&](const char* attribute, double base, double absent = 0) {
    return length(node, attribute, base, lengths, absent, true);
  };
  if (name == "path") {
    pugi::xml_attribute d = node.attribute("d");
    return d ? partialPath(d, false, false) : PathGeometry{};
  }
  if (name == "rect") {
    return rectPath(at("x", w), at("y", h), size("width", w), size("height", h), size("rx", w, -1), size("ry", h, -1));
  }
  if (name == "circle") {
    const double r = size("r", diagonal);
    return ellipsePath(at("cx", w), at("cy", h), r, r);
  }
  if (name == "ellipse") return ellipsePath(at("cx", w), at("cy", h), size("rx", w), size("ry", h));
  if (name == "line") return linePath(at("x1", w), at("y1", h), at("x2", w), at("y2", h));
  pugi::xml_attribute points = node.attribute("points");
  return points ? partialPath(points, true, name == "polygon") : PathGeometry{};
}

PathGeometry Importer::partialPath(pugi::xml_attribute a, bool points, bool closed) {
  std::optional<ValueError> error;
  PathGeometry path = points ? pointsPath(a.value(), closed, &error) : parsePathData(a.value(), &error);
  if (error) {
    ignored(plus(offsetOf(a.value()), error->offset()),
            "ignored " + std::string(a.name()) + " from here on (" + error->what() + ")");
  }
  return path;
}

std::vector<AIPathSegment> Importer::toSegments(pugi::xml_node node, const Subpath& sub) {
  std::vector<AIPathSegment> out;
  out.reserve(sub.anchors.size());
  for (const Anchor& a : sub.anchors) {
    if (!pointFits(a.p) || !pointFits(a.in) || !pointFits(a.out)) failNode(node, "coordinate out of range");
    out.push_back({toPoint(a.p), toPoint(a.in), toPoint(a.out), 0});
  }
  // A closed path whose last anchor lands on its first in points: one
  // anchor, as the closing segment has no length (path data folds it
  // likewise before rounding).
  if (sub.closed && out.size() > 1 && out.back().p.h == out.front().p.h && out.back().p.v == out.front().p.v) {
    out.front().in = out.back().in;
    out.pop_back();
  }
  for (AIPathSegment& s : out) s.corner = isCorner(s) ? 1 : 0;
  return out;
}

void Importer::setImportedSegments(ArtRef path, pugi::xml_node node, const Subpath& sub, SvgArtExtra& extra) {
  std::vector<AIPathSegment> segments = toSegments(node, sub);
  const uint64_t digest = subpathDigest(segments, sub.closed);
  doc_->setSegments(path, std::move(segments), sub.closed);
  extra.subpaths.push_back({doc_->geometryStamp(path), digest});
}

std::shared_ptr<const AIPathStyle> Importer::sharedStyle(const AIPathStyle& style) {
  // Byte for byte: styles that differ only where the bytes do not matter
  // (padding, the sign of a zero) are merely not shared.
  if (!lastStyle_ || std::memcmp(lastStyle_.get(), &style, sizeof style) != 0) {
    lastStyle_ = std::make_shared<const AIPathStyle>(style);
  }
  return lastStyle_;
}

const SvgArtExtra* Importer::importShape(pugi::xml_node node, ArtRef container, const ComputedStyle& parentStyle,
                                         const Affine& frame) {
  const ComputedStyle style = cascadeOf(parentStyle, node);
  auto extra = newExtra(node, frame);
  const Affine local = frame * extra->transform;
  const PathGeometry geometry = transformed(shapeGeometry(node, style.lengths), local);
  const AIPathStyle pathStyle = readPathStyle(node, style, local, *extra);
  ArtRef art;
  if (geometry.size() <= 1) {
    art = doc_->createArt(ArtType::Path, container, Place::InsideOnTop);
    if (!geometry.empty()) setImportedSegments(art, node, geometry[0], *extra);
  } else {
    art = doc_->createArt(ArtType::CompoundPath, container, Place::InsideOnTop);
    for (const Subpath& sub : geometry) {
      setImportedSegments(doc_->createArt(ArtType::Path, art, Place::InsideOnBottom), node, sub, *extra);
    }
  }
  doc_->setPathStyle(art, pathStyle);
  extra->style = sharedStyle(pathStyle);
  doc_->setExtra(art, extra);
  finishArt(art, *extra, node, style);
  return extra.get();
}

}  // namespace easel::svg::detail
