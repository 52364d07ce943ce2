// Text, images and symbols: art placed by a matrix, with an estimated box.
#include "SvgImporter.h"

#include <algorithm>

#include "Scanner.h"
#include "Shapes.h"

namespace easel::svg::detail {

namespace {

AIRealMatrix toMatrix(const Affine& m) {
  return {static_cast<AIReal>(m.a), static_cast<AIReal>(m.b), static_cast<AIReal>(m.c),
          static_cast<AIReal>(m.d), static_cast<AIReal>(m.e), static_cast<AIReal>(m.f)};
}

// The number of characters of the text content (UTF-8 code points).
std::size_t characterCount(pugi::xml_node node) {
  std::size_t n = 0;
  for (pugi::xml_node c : node.children()) {
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) {
      for (const char* p = c.value(); *p; ++p) n += (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
    } else if (c.type() == pugi::node_element) {
      n += characterCount(c);
    }
  }
  return n;
}

}  // namespace

const SvgArtExtra* Importer::importMatrixArt(pugi::xml_node node, ElementKind kind, ArtRef container,
                                             const ComputedStyle& parentStyle, const Affine& frame) {
  const ComputedStyle style = cascadeOf(parentStyle, node);
  auto extra = newExtra(node, frame);
  ArtType type = ArtType::Text;
  Affine local = extra->transform;
  easel::BoundsBuilder box;
  if (kind == ElementKind::Image) {
    const std::string_view href = hrefAttribute(node).value();
    type = href.substr(0, 5) == "data:" ? ArtType::Raster : ArtType::Placed;
    addImageBox(node, Affine{}, box);
  } else if (kind == ElementKind::Use) {
    type = ArtType::Symbol;
    local = local * Affine::translate(length(node, "x", viewportWidth_, style.lengths),
                                      length(node, "y", viewportHeight_, style.lengths));
    // kindToImport had it looked at.
    if (useBoxNode_ != node) showsItself(node);
    box = useBox_;
  } else {
    addTextBox(node, style, Affine{}, box);
  }
  const Affine toDoc = frame * local;
  const AIRealMatrix matrix = toMatrix(toDoc);
  if (!easel::isFinite(matrix)) failNode(node, "transform out of range");
  const ArtRef art = doc_->createArt(type, container, Place::InsideOnTop);
  doc_->setMatrix(art, matrix);
  const AIRealRect r = box.rect();
  if (!easel::isFinite(r.left) || !easel::isFinite(r.top) || !easel::isFinite(r.right) || !easel::isFinite(r.bottom)) {
    failNode(node, "coordinate out of range");
  }
  doc_->setLocalBounds(art, r);
  extra->matrix = matrix;
  doc_->setExtra(art, extra);
  finishArt(art, *extra, node, style);
  return extra.get();
}

void Importer::spend(pugi::xml_node node) {
  if (++work_ > kWorkLimit) failNode(node, "too many <use> expansions (references multiply)");
}

void Importer::addImageBox(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box) {
  const LengthContext& lengths = initial_.lengths;
  const double x = length(node, "x", viewportWidth_, lengths), y = length(node, "y", viewportHeight_, lengths);
  const double w = length(node, "width", viewportWidth_, lengths, 0, true);
  const double h = length(node, "height", viewportHeight_, lengths, 0, true);
  addRect(x, y, x + w, y + h, m, box);
}

void Importer::addRect(double x0, double y0, double x1, double y1, const Affine& m, easel::BoundsBuilder& box) {
  for (Vec2 corner : {Vec2{x0, y0}, Vec2{x1, y0}, Vec2{x1, y1}, Vec2{x0, y1}}) {
    const Vec2 p = m.apply(corner);
    box.add(p.x, p.y);
  }
}

void Importer::addTextBox(pugi::xml_node node, const ComputedStyle& style, const Affine& m, easel::BoundsBuilder& box) {
  const auto first = [&](const char* name, double base) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) return 0.0;
    return readOr(a, 0.0, [&](std::string_view t) {
      Scanner s(t);
      s.skipSpace();
      if (s.atEnd()) return 0.0;
      const std::size_t start = s.offset();
      s.number("a coordinate");
      while (!s.atEnd() && !isSvgSpace(s.peek()) && s.peek() != ',') s.advance();
      return toUserUnits(parseLength(t.substr(start, s.offset() - start)), base, style.lengths);
    });
  };
  const double x = first("x", viewportWidth_), y = first("y", viewportHeight_);
  const double em = style.lengths.fontSize;
  const double width = 0.6 * em * static_cast<double>(characterCount(node));
  addRect(x, y - 0.8 * em, x + width, y + 0.2 * em, m, box);
}

bool Importer::showsItself(pugi::xml_node use) {
  useBoxNode_ = use;
  useBox_ = easel::BoundsBuilder();
  std::vector<pugi::xml_node> active{use};
  if (addUseContent(use, Affine{}, useBox_, active)) return false;
  warnUseLoop(use);
  useBoxNode_ = pugi::xml_node();
  return true;
}

void Importer::warnUseLoop(pugi::xml_node use) {
  warnNode(use, "ignored a <use> that shows itself (through " + std::string(hrefAttribute(use).value()) + ")");
}

bool Importer::addUseContent(pugi::xml_node use, const Affine& m, easel::BoundsBuilder& box,
                             std::vector<pugi::xml_node>& active) {
  pugi::xml_attribute href = hrefAttribute(use);
  const std::string_view ref = href.value();
  if (ref.size() < 2 || ref[0] != '#') return true;  // outside the file: nothing to show here
  const auto found = source_->ids.find(ref.substr(1));
  if (found == source_->ids.end()) return true;
  const pugi::xml_node target = found->second;
  if (nameOf(target) == "symbol" || nameOf(target) == "svg") {
    for (pugi::xml_node c : target.children()) {
      if (!addContent(c, m, box, active, initial_)) return false;
    }
    return true;
  }
  return addContent(target, m, box, active, initial_);
}

bool Importer::addContent(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box,
                          std::vector<pugi::xml_node>& active, const ComputedStyle& parentStyle) {
  if (node.type() != pugi::node_element) return true;
  spend(node);
  if (useDepth_ >= kDepthLimit) {
    failNode(node, "<use> content nested more than " + std::to_string(kDepthLimit) + " deep (the limit)");
  }
  ++useDepth_;
  struct Leave {
    std::size_t& depth;
    ~Leave() { --depth; }
  } leave{useDepth_};
  const ElementKind kind = kindOf(nameOf(node));
  if (kind == ElementKind::Raw) return true;
  Affine local = m;
  if (pugi::xml_attribute t = node.attribute("transform")) local = local * readOr(t, Affine{}, parseTransformList);
  switch (kind) {
    case ElementKind::Group:
      for (pugi::xml_node c : node.children()) {
        if (!addContent(c, local, box, active, parentStyle)) return false;
      }
      return true;
    case ElementKind::Use: return addNestedUse(node, local, box, active, parentStyle.lengths);
    default: addLeafContent(node, kind, local, box, parentStyle); return true;
  }
}

void Importer::addLeafContent(pugi::xml_node node, ElementKind kind, const Affine& m, easel::BoundsBuilder& box,
                              const ComputedStyle& parentStyle) {
  if (kind == ElementKind::Shape) {
    for (const Subpath& sub : transformed(shapeGeometry(node, parentStyle.lengths), m)) {
      const std::vector<AIPathSegment> segments = toSegments(node, sub);
      box.addPath(segments, sub.closed);
    }
  } else if (kind == ElementKind::Image) {
    addImageBox(node, m, box);
  } else if (kind == ElementKind::Text) {
    addTextBox(node, cascadeOf(parentStyle, node), m, box);
  }
}

bool Importer::addNestedUse(pugi::xml_node use, const Affine& m, easel::BoundsBuilder& box,
                            std::vector<pugi::xml_node>& active, const LengthContext& lengths) {
  // A <use> met again closes a loop: the first one shows itself; one further
  // in shows nothing more here (and is said so where it is read).
  if (std::find(active.begin(), active.end(), use) != active.end()) {
    if (use == active.front()) return false;
    warnUseLoop(use);
    return true;
  }
  active.push_back(use);
  const bool shown = addUseContent(
      use, m * Affine::translate(length(use, "x", viewportWidth_, lengths), length(use, "y", viewportHeight_, lengths)),
      box, active);
  active.pop_back();
  return shown;
}

}  // namespace easel::svg::detail
