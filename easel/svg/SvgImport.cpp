#include "SvgImport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>
#include <unordered_map>

#include "ColorText.h"
#include "Length.h"
#include "PathData.h"
#include "Scanner.h"
#include "Shapes.h"
#include "Style.h"
#include "StyleCascade.h"
#include "SvgError.h"
#include "SvgXml.h"
#include "Transform.h"
#include "ValueError.h"
#include "easel/core/Geometry.h"

namespace easel::svg {

namespace {

enum class ElementKind { Raw, Group, Shape, Text, Image, Use };

ElementKind kindOf(std::string_view name) {
  if (name == "g" || name == "a") return ElementKind::Group;
  if (name == "path" || name == "rect" || name == "circle" || name == "ellipse" || name == "line" ||
      name == "polyline" || name == "polygon") {
    return ElementKind::Shape;
  }
  if (name == "text") return ElementKind::Text;
  if (name == "image") return ElementKind::Image;
  if (name == "use") return ElementKind::Use;
  return ElementKind::Raw;
}

AIRealMatrix toMatrix(const Affine& m) {
  return {static_cast<AIReal>(m.a), static_cast<AIReal>(m.b), static_cast<AIReal>(m.c),
          static_cast<AIReal>(m.d), static_cast<AIReal>(m.e), static_cast<AIReal>(m.f)};
}

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

class Importer {
 public:
  Importer(std::string text, const std::string& fileName) : original_(std::move(text)) {
    source_ = std::make_shared<SvgSource>();
    source_->fileName = fileName;
    source_->buffer = original_;
  }

  ImportedSvg run() {
    parseXml();
    doc_ = std::make_unique<Document>();
    readPage();
    collectIds();
    readStyleSheets();
    importRoot();
    addSolidSwatches();
    ImportedSvg out;
    out.document = std::move(doc_);
    out.source = source_;
    return out;
  }

 private:
  // --- Errors ----------------------------------------------------------------
  [[noreturn]] void failAt(std::size_t offset, const std::string& message) const {
    if (offset == std::string::npos) throw SvgError(errorText(source_->fileName, 0, 0, message));
    const TextPosition p = positionOf(original_, offset);
    throw SvgError(errorText(source_->fileName, p.line, p.column, message));
  }
  [[noreturn]] void failNode(pugi::xml_node node, const std::string& message) const {
    const std::ptrdiff_t at = node.offset_debug();
    // offset_debug points after the '<' of an element.
    failAt(at > 0 ? static_cast<std::size_t>(at - 1) : std::string::npos, message);
  }
  // Where a string of the parsed XML starts in the file.
  std::size_t offsetOf(const char* p) const {
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    const auto begin = reinterpret_cast<std::uintptr_t>(source_->buffer.data());
    return at >= begin && at <= begin + source_->buffer.size() ? at - begin : std::string::npos;
  }
  static std::size_t plus(std::size_t offset, std::size_t more) {
    return offset == std::string::npos ? offset : offset + more;
  }
  // Runs a reader of an attribute's value, turning its ValueError into an
  // SvgError at the place in the file.
  template <class F>
  auto read(pugi::xml_attribute a, F reader) {
    try {
      return reader(std::string_view(a.value()));
    } catch (const ValueError& e) {
      failAt(plus(offsetOf(a.value()), e.offset()), std::string(e.what()) + " in " + a.name());
    }
  }
  template <class F>
  auto read(const SpecifiedValue& v, Property p, F reader) {
    try {
      return reader(std::string_view(v.text));
    } catch (const ValueError& e) {
      failAt(v.offset == 0 ? std::string::npos : v.offset + e.offset(),
             std::string(e.what()) + " in " + std::string(propertyName(p)));
    }
  }
  double length(pugi::xml_node node, const char* name, double percentBase, double fallback = 0) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) return fallback;
    return read(a, [&](std::string_view t) { return parseUserLength(t, percentBase); });
  }

  // --- The file ----------------------------------------------------------------
  void parseXml() {
    if (original_.find_first_not_of(" \t\r\n") == std::string::npos) {
      throw SvgError(errorText(source_->fileName, 0, 0, "empty file, not an SVG drawing"));
    }
    // UTF-16 and UTF-32 text has NUL bytes among its first few; the reader takes UTF-8 only.
    if (original_.substr(0, 4).find('\0') != std::string::npos || original_.rfind("\xFF\xFE", 0) == 0 ||
        original_.rfind("\xFE\xFF", 0) == 0) {
      throw SvgError(errorText(source_->fileName, 0, 0, "written in UTF-16 or UTF-32; save it as UTF-8"));
    }
    std::string& buffer = source_->buffer;
    const pugi::xml_parse_result r = source_->xml.load_buffer_inplace(
        buffer.data(), buffer.size(), pugi::parse_full | pugi::parse_ws_pcdata, pugi::encoding_utf8);
    if (!r) failAt(static_cast<std::size_t>(r.offset), std::string("not an SVG file: ") + r.description());
    pugi::xml_node root = source_->xml.document_element();
    const std::string_view name = root.name();
    const std::size_t colon = name.find(':');
    const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
    if (local != "svg") failNode(root, "not an SVG file: the root element is <" + std::string(name) + ">");
    source_->root = root;
    source_->svgPrefix = colon == std::string_view::npos ? "" : std::string(name.substr(0, colon + 1));
    source_->contourPrefix = prefixFor(root, kContourNamespace, std::string(kContourPrefix) + ":");
    source_->inkscapePrefix = prefixFor(root, kInkscapeNamespace, "inkscape:");
    insensitiveName_ = prefixFor(root, kSodipodiNamespace, "sodipodi:") + "insensitive";
  }

  std::string_view nameOf(pugi::xml_node node) const { return svgName(node, source_->svgPrefix); }

  void readPage() {
    pugi::xml_node root = source_->root;
    bool hasViewBox = false;
    double vb[4] = {0, 0, 0, 0};
    if (pugi::xml_attribute a = root.attribute("viewBox")) {
      read(a, [&](std::string_view t) {
        Scanner s(t);
        s.skipSpace();
        for (int i = 0; i < 4; ++i) {
          if (i > 0) s.skipCommaSpace();
          vb[i] = s.number("a viewBox number");
        }
        s.skipSpace();
        if (!s.atEnd()) s.fail("unexpected text after the viewBox");
        if (!(vb[2] > 0 && vb[3] > 0)) s.failAt(0, "a viewBox needs a width and height above 0");
        return 0;
      });
      hasViewBox = true;
    }
    // A size that is missing or a percentage is that share of the viewBox.
    const auto side = [&](const char* name, double viewBoxSide, double otherwise) {
      pugi::xml_attribute a = root.attribute(name);
      const Length l = a ? read(a, [](std::string_view t) { return parseLength(t); }) : Length{100, Unit::Percent};
      if (l.unit != Unit::Percent) return toUserUnits(l, 0);
      return hasViewBox ? viewBoxSide * l.value / 100 : otherwise;
    };
    const double widthPx = side("width", vb[2], 300), heightPx = side("height", vb[3], 150);
    const double width = widthPx * kPointsPerPixel, height = heightPx * kPointsPerPixel;
    if (!(width > 0 && height > 0 && width <= std::numeric_limits<float>::max() &&
          height <= std::numeric_limits<float>::max())) {
      failNode(root, "the page needs a width and height above 0");
    }
    doc_->setPageSize(static_cast<AIReal>(width), static_cast<AIReal>(height));
    source_->pageWidth = width;
    source_->pageHeight = height;
    Affine viewBox;
    if (hasViewBox) {
      viewBox = viewBoxTransform(vb, widthPx, heightPx, root.attribute("preserveAspectRatio"));
      viewportWidth_ = vb[2];
      viewportHeight_ = vb[3];
    } else {
      viewportWidth_ = widthPx;
      viewportHeight_ = heightPx;
    }
    source_->rootToDoc = Affine{kPointsPerPixel, 0, 0, -kPointsPerPixel, 0, height} * viewBox;
  }

  Affine viewBoxTransform(const double* vb, double width, double height, pugi::xml_attribute par) {
    std::string_view align = "xMidYMid";
    bool slice = false;
    if (par) {
      read(par, [&](std::string_view t) {
        Scanner s(t);
        s.skipSpace();
        if (s.rest().substr(0, 5) == "defer") {
          s.advance(5);
          s.skipSpace();
        }
        align = s.word();
        s.skipSpace();
        const std::string_view mode = s.word();
        if (mode == "slice") slice = true;
        else if (!mode.empty() && mode != "meet") s.fail("expected meet or slice");
        return 0;
      });
    }
    double sx = width / vb[2], sy = height / vb[3];
    if (align != "none") {
      static constexpr std::string_view kAligns[] = {"xMinYMin", "xMidYMin", "xMaxYMin", "xMinYMid", "xMidYMid",
                                                     "xMaxYMid", "xMinYMax", "xMidYMax", "xMaxYMax"};
      if (std::find(std::begin(kAligns), std::end(kAligns), align) == std::end(kAligns)) {
        failAt(offsetOf(par.value()), "unknown preserveAspectRatio '" + std::string(align) + "'");
      }
      sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
    }
    double tx = -vb[0] * sx, ty = -vb[1] * sy;
    const auto share = [&](std::string_view axis) {
      if (align.find(std::string(axis) + "Mid") != std::string_view::npos) return 0.5;
      if (align.find(std::string(axis) + "Max") != std::string_view::npos) return 1.0;
      return 0.0;
    };
    tx += (width - vb[2] * sx) * share("x");
    ty += (height - vb[3] * sy) * share("Y");
    return {sx, 0, 0, sy, tx, ty};
  }

  void collectIds() {
    std::vector<pugi::xml_node> stack{source_->root};
    while (!stack.empty()) {
      pugi::xml_node n = stack.back();
      stack.pop_back();
      if (pugi::xml_attribute id = n.attribute("id")) {
        source_->ids.insert(id.value());
        byId_.emplace(id.value(), n);
      }
      if (nameOf(n) == "style") styleElements_.push_back(n);
      for (pugi::xml_node c = n.last_child(); c; c = c.previous_sibling()) {
        if (c.type() == pugi::node_element) stack.push_back(c);
      }
    }
  }

  // Every <style> of the file applies to the whole file, in file order. A
  // sheet in another language than CSS is kept but not read.
  void readStyleSheets() {
    for (pugi::xml_node style : styleElements_) {
      const std::string_view type = style.attribute("type").value();
      if (!type.empty() && type != "text/css") continue;
      for (pugi::xml_node text : style.children()) {
        if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata) {
          const std::size_t at = offsetOf(text.value());
          sheet_.add(text.value(), at == std::string::npos ? 0 : at);
        }
      }
    }
  }

  // --- The tree --------------------------------------------------------------
  bool isLayer(pugi::xml_node node) const {
    return nameOf(node) == "g" &&
           std::string_view(node.attribute((source_->inkscapePrefix + "groupmode").c_str()).value()) == "layer";
  }

  void importRoot() {
    pugi::xml_node root = source_->root;
    const ComputedStyle style = cascadeOf(initialStyle(), root);
    const Affine& frame = source_->rootToDoc;
    std::shared_ptr<SvgArtExtra> loose;
    ArtRef looseLayer;
    for (pugi::xml_node child : root.children()) {
      const ElementKind kind = child.type() == pugi::node_element ? kindOf(nameOf(child)) : ElementKind::Raw;
      if (kind == ElementKind::Group && isLayer(child)) {
        loose.reset();
        const ArtRef layer = doc_->addLayer(layerName(child));
        source_->rootItems.push_back({{}, importGroup(child, layer, style, frame)});
      } else if (kind != ElementKind::Raw) {
        if (!loose) {
          looseLayer = doc_->addLayer("");
          loose = std::make_shared<SvgArtExtra>();
          loose->source = source_;
          loose->kind = SvgArtExtra::Kind::LooseArt;
          loose->parentToDoc = frame;
          doc_->setExtra(looseLayer, loose);
          source_->rootItems.push_back({{}, loose.get()});
        }
        loose->items.push_back({{}, importElement(child, kind, looseLayer, style, frame)});
      } else if (loose) {
        loose->items.push_back({child, nullptr});
      } else {
        source_->rootItems.push_back({child, nullptr});
      }
    }
  }

  std::string layerName(pugi::xml_node node) const {
    pugi::xml_attribute label = node.attribute((source_->inkscapePrefix + "label").c_str());
    return label ? label.value() : node.attribute("id").value();
  }

  ComputedStyle cascadeOf(const ComputedStyle& parent, pugi::xml_node node) {
    try {
      return cascade(parent, node, source_->buffer.data(), sheet_);
    } catch (const ValueError& e) {
      failAt(e.offset(), std::string(e.what()) + " in style");
    }
  }

  // The children of a container into `items`, in file order.
  void importChildren(pugi::xml_node parent, ArtRef container, const ComputedStyle& style, const Affine& frame,
                      std::vector<SourceItem>& items) {
    for (pugi::xml_node child : parent.children()) {
      const ElementKind kind = child.type() == pugi::node_element ? kindOf(nameOf(child)) : ElementKind::Raw;
      if (kind == ElementKind::Raw) {
        items.push_back({child, nullptr});
      } else {
        items.push_back({{}, importElement(child, kind, container, style, frame)});
      }
    }
  }

  const SvgArtExtra* importElement(pugi::xml_node node, ElementKind kind, ArtRef container,
                                   const ComputedStyle& parentStyle, const Affine& frame) {
    if (kind == ElementKind::Group) {
      const ArtRef group = doc_->createArt(ArtType::Group, container, Place::InsideOnTop);
      return importGroup(node, group, parentStyle, frame);
    }
    if (kind == ElementKind::Shape) return importShape(node, container, parentStyle, frame);
    return importMatrixArt(node, kind, container, parentStyle, frame);
  }

  std::shared_ptr<SvgArtExtra> newExtra(pugi::xml_node node, const Affine& frame) {
    auto extra = std::make_shared<SvgArtExtra>();
    extra->source = source_;
    extra->node = node;
    extra->parentToDoc = frame;
    if (pugi::xml_attribute t = node.attribute("transform")) extra->transform = read(t, parseTransformList);
    return extra;
  }

  // Name, opacity and visibility, common to all art.
  void finishArt(ArtRef art, SvgArtExtra& extra, pugi::xml_node node, const ComputedStyle& style) {
    // A layer's name is its label; other art is named by its id.
    if (pugi::xml_attribute id = node.attribute("id"); id && doc_->parent(art)) doc_->setName(art, id.value());
    const double opacity = read(style[Property::Opacity], Property::Opacity, [](std::string_view t) {
      Scanner s(t);
      s.skipSpace();
      double v = s.number("an opacity");
      if (s.peek() == '%') s.advance(), v /= 100;
      s.skipSpace();
      if (!s.atEnd()) s.fail("unexpected text after the opacity");
      return std::clamp(v, 0.0, 1.0);
    });
    doc_->setOpacity(art, static_cast<AIReal>(opacity));
    extra.opacity = static_cast<AIReal>(opacity);
    const bool hidden = style[Property::Display].text == "none" ||
                        (doc_->type(art) != ArtType::Group && style[Property::Visibility].text != "visible");
    if (hidden) doc_->setHidden(art, true);
    extra.hidden = hidden;
    // Locked in the editors' markup: Select All passes it by.
    if (node.attribute(insensitiveName_.c_str())) doc_->setLocked(art, true);
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
      const std::string name(propertyName(static_cast<Property>(i)));
      if (style.values[i].byIdRule) extra.idRuleProperties.push_back(name);
      if (style.values[i].importantRule) extra.importantProperties.push_back(name);
    }
  }

  const SvgArtExtra* importGroup(pugi::xml_node node, ArtRef group, const ComputedStyle& parentStyle,
                                 const Affine& frame) {
    const ComputedStyle style = cascadeOf(parentStyle, node);
    auto extra = newExtra(node, frame);
    doc_->setExtra(group, extra);
    finishArt(group, *extra, node, style);
    importChildren(node, group, style, frame * extra->transform, extra->items);
    return extra.get();
  }

  PathGeometry shapeGeometry(pugi::xml_node node) {
    const std::string_view name = nameOf(node);
    const double w = viewportWidth_, h = viewportHeight_;
    const double diagonal = std::sqrt((w * w + h * h) / 2);
    if (name == "path") {
      pugi::xml_attribute d = node.attribute("d");
      return d ? read(d, parsePathData) : PathGeometry{};
    }
    if (name == "rect") {
      return rectPath(length(node, "x", w), length(node, "y", h), length(node, "width", w),
                      length(node, "height", h), length(node, "rx", w, -1), length(node, "ry", h, -1));
    }
    if (name == "circle") {
      const double r = length(node, "r", diagonal);
      return ellipsePath(length(node, "cx", w), length(node, "cy", h), r, r);
    }
    if (name == "ellipse") {
      return ellipsePath(length(node, "cx", w), length(node, "cy", h), length(node, "rx", w), length(node, "ry", h));
    }
    if (name == "line") {
      return linePath(length(node, "x1", w), length(node, "y1", h), length(node, "x2", w), length(node, "y2", h));
    }
    pugi::xml_attribute points = node.attribute("points");
    return points ? read(points, [&](std::string_view t) { return pointsPath(t, name == "polygon"); })
                  : PathGeometry{};
  }

  std::vector<AIPathSegment> toSegments(pugi::xml_node node, const Subpath& sub) {
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

  const SvgArtExtra* importShape(pugi::xml_node node, ArtRef container, const ComputedStyle& parentStyle,
                                 const Affine& frame) {
    const ComputedStyle style = cascadeOf(parentStyle, node);
    auto extra = newExtra(node, frame);
    const Affine local = frame * extra->transform;
    const PathGeometry geometry = transformed(shapeGeometry(node), local);
    const AIPathStyle pathStyle = readPathStyle(node, style, local);
    ArtRef art;
    if (geometry.size() <= 1) {
      art = doc_->createArt(ArtType::Path, container, Place::InsideOnTop);
      if (!geometry.empty()) {
        extra->segments.push_back(toSegments(node, geometry[0]));
        extra->closed.push_back(geometry[0].closed);
        doc_->setSegments(art, extra->segments[0], geometry[0].closed);
      }
    } else {
      art = doc_->createArt(ArtType::CompoundPath, container, Place::InsideOnTop);
      for (const Subpath& sub : geometry) {
        const ArtRef member = doc_->createArt(ArtType::Path, art, Place::InsideOnBottom);
        extra->segments.push_back(toSegments(node, sub));
        extra->closed.push_back(sub.closed);
        doc_->setSegments(member, extra->segments.back(), sub.closed);
      }
    }
    doc_->setPathStyle(art, pathStyle);
    extra->style = pathStyle;
    doc_->setExtra(art, extra);
    finishArt(art, *extra, node, style);
    return extra.get();
  }

  // --- Paint -------------------------------------------------------------------
  // A paint as the document holds it: whether it paints, and the colour.
  std::pair<bool, AIColor> readPaint(const ComputedStyle& style, Property property) {
    const Paint paint = read(style[property], property, parsePaint);
    AIColor none{};
    none.kind = kNoneColor;
    const auto plain = [&](Paint::Kind kind, Rgb rgb) -> std::pair<bool, AIColor> {
      if (kind == Paint::Kind::None || kind == Paint::Kind::Inherit) return {false, none};
      if (kind == Paint::Kind::CurrentColor) {
        const std::string& color = style[Property::Color].text;
        rgb = color == "currentColor" ? Rgb{} : read(style[Property::Color], Property::Color, parseColor);
      }
      return {true, rgbColor(rgb)};
    };
    if (paint.kind != Paint::Kind::Url) return plain(paint.kind, paint.rgb);
    const auto found = byId_.find(paint.ref);
    if (found == byId_.end()) {
      return paint.fallbackKind ? plain(*paint.fallbackKind, paint.fallbackRgb) : std::pair{false, none};
    }
    const pugi::xml_node target = found->second;
    const std::string_view name = nameOf(target);
    if (name == "linearGradient" || name == "radialGradient") {
      // A gradient of one stop is a solid colour (how editors keep swatches).
      const std::vector<pugi::xml_node> stops = gradientStops(target);
      if (stops.size() == 1) return {true, rgbColor(stopColor(stops[0]))};
    }
    AIColor ref{};
    ref.kind = name == "pattern" ? kPattern : kGradient;
    ref.c.ref.reference = paintIndex(paint.ref);
    return {true, ref};
  }

  int32_t paintIndex(const std::string& id) {
    auto [it, added] = paintIndices_.emplace(id, static_cast<int32_t>(source_->paintIds.size()));
    if (added) source_->paintIds.push_back(id);
    return it->second;
  }

  // The stops of a gradient, following href to the gradient that has them.
  std::vector<pugi::xml_node> gradientStops(pugi::xml_node gradient) {
    for (int depth = 0; gradient && depth < 16; ++depth) {
      std::vector<pugi::xml_node> stops;
      for (pugi::xml_node c : gradient.children()) {
        if (nameOf(c) == "stop") stops.push_back(c);
      }
      if (!stops.empty()) return stops;
      pugi::xml_attribute href = hrefAttribute(gradient);
      const std::string_view target = href.value();
      if (target.empty() || target[0] != '#') break;
      const auto found = byId_.find(std::string(target.substr(1)));
      gradient = found == byId_.end() ? pugi::xml_node() : found->second;
    }
    return {};
  }

  Rgb stopColor(pugi::xml_node stop) {
    std::string text = stop.attribute("stop-color").as_string("black");
    if (pugi::xml_attribute style = stop.attribute("style")) {
      for (const Declaration& d : read(style, parseStyle)) {
        if (d.property == "stop-color") text = std::string(plainValue(d.value));
      }
    }
    try {
      return parseColor(text);
    } catch (const ValueError&) {
      failNode(stop, "unknown stop colour '" + text + "'");
    }
  }

  // Our own attribute carrying the exact colour replaces the sRGB one when
  // the two still agree (an editor that changed the paint drops ours).
  void exactColor(pugi::xml_node node, const char* localName, AIColor& color) {
    pugi::xml_attribute a = node.attribute((source_->contourPrefix + localName).c_str());
    if (!a || color.kind != kThreeColor) return;
    const AIColor exact = read(a, parseExactColorText);
    if (hexColor(displayColor(exact)) == hexColor(displayColor(color))) color = exact;
  }

  double lengthValue(const ComputedStyle& style, Property p) {
    const double w = viewportWidth_, h = viewportHeight_;
    const double diagonal = std::sqrt((w * w + h * h) / 2);
    const Length l = read(style[p], p, parseLength);
    if (l.unit == Unit::Em) return l.value * style.fontSizePx;
    if (l.unit == Unit::Ex) return l.value * style.fontSizePx / 2;
    return toUserUnits(l, diagonal);
  }

  AIPathStyle readPathStyle(pugi::xml_node node, const ComputedStyle& style, const Affine& local) {
    AIPathStyle s{};
    const auto [fills, fill] = readPaint(style, Property::Fill);
    const auto [strokes, stroke] = readPaint(style, Property::Stroke);
    s.fillPaint = fills;
    s.fill.color = fill;
    s.strokePaint = strokes;
    s.stroke.color = stroke;
    exactColor(node, "fill-color", s.fill.color);
    exactColor(node, "stroke-color", s.stroke.color);
    s.fill.overprint = std::string_view(node.attribute((source_->contourPrefix + "fill-overprint").c_str()).value()) == "1";
    s.stroke.overprint =
        std::string_view(node.attribute((source_->contourPrefix + "stroke-overprint").c_str()).value()) == "1";
    s.evenOdd = style[Property::FillRule].text == "evenodd";
    // Widths scale with the user space, by the square root of its area change.
    const double scale = std::sqrt(std::abs(local.determinant()));
    const auto points = [&](double userUnits, Property p) {
      const double v = userUnits * scale;
      if (!(std::abs(v) <= std::numeric_limits<float>::max())) {
        // A value the file does not give (offset 0) is out of range only by the scale.
        if (style[p].offset == 0) failNode(node, "the viewBox and transforms scale the lines out of range");
        failAt(style[p].offset, std::string(propertyName(p)) + " out of range");
      }
      return static_cast<AIReal>(v);
    };
    const double width = lengthValue(style, Property::StrokeWidth);
    if (width < 0) failAt(style[Property::StrokeWidth].offset, "negative stroke-width");
    s.stroke.width = points(width, Property::StrokeWidth);
    s.stroke.dashOffset = points(lengthValue(style, Property::StrokeDashoffset), Property::StrokeDashoffset);
    readDashes(style, s.stroke, scale);
    s.stroke.cap = keyword(style, Property::StrokeLinecap, {{"butt", 0}, {"round", 1}, {"square", 2}});
    s.stroke.join = keyword(style, Property::StrokeLinejoin,
                            {{"miter", 0}, {"miter-clip", 0}, {"arcs", 0}, {"round", 1}, {"bevel", 2}});
    s.stroke.miterLimit = static_cast<AIReal>(
        read(style[Property::StrokeMiterlimit], Property::StrokeMiterlimit, [](std::string_view t) {
          return parseNumber(t, "a miter limit");
        }));
    return s;
  }

  int32_t keyword(const ComputedStyle& style, Property p, std::initializer_list<std::pair<std::string_view, int32_t>> table) {
    for (const auto& [name, value] : table) {
      if (style[p].text == name) return value;
    }
    failAt(style[p].offset, "unknown " + std::string(propertyName(p)) + " '" + style[p].text + "'");
  }

  void readDashes(const ComputedStyle& style, AIStrokeStyle& stroke, double scale) {
    const SpecifiedValue& v = style[Property::StrokeDasharray];
    stroke.dashCount = 0;
    if (v.text == "none") return;
    std::vector<double> dashes = read(v, Property::StrokeDasharray, [&](std::string_view t) {
      std::vector<double> out;
      Scanner s(t);
      s.skipSpace();
      while (!s.atEnd()) {
        const std::size_t start = s.offset();
        s.number("a dash length");
        while (!s.atEnd() && !isSvgSpace(s.peek()) && s.peek() != ',') s.advance();
        const Length l = parseLength(t.substr(start, s.offset() - start));
        const double value = l.unit == Unit::Em ? l.value * style.fontSizePx : toUserUnits(l, viewportWidth_);
        if (value < 0) s.failAt(start, "negative dash length");
        out.push_back(value);
        s.skipCommaSpace();
      }
      return out;
    });
    double total = 0;
    for (double d : dashes) total += d;
    if (total == 0) return;  // all zero: a solid line
    stroke.dashCount = static_cast<int32_t>(std::min<std::size_t>(dashes.size(), kMaxDashComponents));
    for (int i = 0; i < stroke.dashCount; ++i) stroke.dashes[i] = static_cast<AIReal>(dashes[i] * scale);
  }

  // --- Text, images, symbols ---------------------------------------------------
  const SvgArtExtra* importMatrixArt(pugi::xml_node node, ElementKind kind, ArtRef container,
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
      local = local * Affine::translate(length(node, "x", viewportWidth_), length(node, "y", viewportHeight_));
      std::vector<pugi::xml_node> active;
      addUseContent(node, Affine{}, box, active);
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

  // Each element costs one unit of a budget shared by the whole file, so that
  // <use> chains that multiply cannot make the import run for ever.
  void spend(pugi::xml_node node) {
    if (++work_ > kWorkLimit) failNode(node, "too many <use> expansions (references multiply)");
  }

  void addImageBox(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box) {
    const double x = length(node, "x", viewportWidth_), y = length(node, "y", viewportHeight_);
    const double w = length(node, "width", viewportWidth_), h = length(node, "height", viewportHeight_);
    addRect(x, y, x + w, y + h, m, box);
  }

  void addRect(double x0, double y0, double x1, double y1, const Affine& m, easel::BoundsBuilder& box) {
    for (Vec2 corner : {Vec2{x0, y0}, Vec2{x1, y0}, Vec2{x1, y1}, Vec2{x0, y1}}) {
      const Vec2 p = m.apply(corner);
      box.add(p.x, p.y);
    }
  }

  // A box for text without laying it out: 0.6 em a character from the first
  // x and y, from 0.8 em above the baseline to 0.2 em below.
  void addTextBox(pugi::xml_node node, const ComputedStyle& style, const Affine& m, easel::BoundsBuilder& box) {
    const auto first = [&](const char* name, double base) {
      pugi::xml_attribute a = node.attribute(name);
      if (!a) return 0.0;
      return read(a, [&](std::string_view t) {
        Scanner s(t);
        s.skipSpace();
        if (s.atEnd()) return 0.0;
        const std::size_t start = s.offset();
        s.number("a coordinate");
        while (!s.atEnd() && !isSvgSpace(s.peek()) && s.peek() != ',') s.advance();
        return toUserUnits(parseLength(t.substr(start, s.offset() - start)), base);
      });
    };
    const double x = first("x", viewportWidth_), y = first("y", viewportHeight_);
    const double em = style.fontSizePx;
    const double width = 0.6 * em * static_cast<double>(characterCount(node));
    addRect(x, y - 0.8 * em, x + width, y + 0.2 * em, m, box);
  }

  // The bounds of what a <use> shows, in the use's own coordinates (before
  // its x and y). `active` holds the elements being expanded, to find loops.
  void addUseContent(pugi::xml_node use, const Affine& m, easel::BoundsBuilder& box,
                     std::vector<pugi::xml_node>& active) {
    pugi::xml_attribute href = hrefAttribute(use);
    const std::string_view ref = href.value();
    if (ref.size() < 2 || ref[0] != '#') return;  // outside the file: nothing to show here
    const auto found = byId_.find(std::string(ref.substr(1)));
    if (found == byId_.end()) return;
    const pugi::xml_node target = found->second;
    bool loop = std::find(active.begin(), active.end(), target) != active.end();
    for (pugi::xml_node up = use; up && !loop; up = up.parent()) loop = up == target;
    if (loop) failNode(use, "reference loop in <use> through " + std::string(ref));
    active.push_back(target);
    const ComputedStyle style = initialStyle();
    if (nameOf(target) == "symbol" || nameOf(target) == "svg") {
      for (pugi::xml_node c : target.children()) addContent(c, m, box, active, style);
    } else {
      addContent(target, m, box, active, style);
    }
    active.pop_back();
  }

  void addContent(pugi::xml_node node, const Affine& m, easel::BoundsBuilder& box,
                  std::vector<pugi::xml_node>& active, const ComputedStyle& parentStyle) {
    if (node.type() != pugi::node_element) return;
    spend(node);
    const ElementKind kind = kindOf(nameOf(node));
    if (kind == ElementKind::Raw) return;
    Affine local = m;
    if (pugi::xml_attribute t = node.attribute("transform")) local = local * read(t, parseTransformList);
    switch (kind) {
      case ElementKind::Group:
        for (pugi::xml_node c : node.children()) addContent(c, local, box, active, parentStyle);
        break;
      case ElementKind::Shape:
        for (const Subpath& sub : transformed(shapeGeometry(node), local)) {
          const std::vector<AIPathSegment> segments = toSegments(node, sub);
          box.addPath(segments, sub.closed);
        }
        break;
      case ElementKind::Image:
        addImageBox(node, local, box);
        break;
      case ElementKind::Text:
        addTextBox(node, cascadeOf(parentStyle, node), local, box);
        break;
      case ElementKind::Use:
        addUseContent(node,
                      local * Affine::translate(length(node, "x", viewportWidth_), length(node, "y", viewportHeight_)),
                      box, active);
        break;
      case ElementKind::Raw:
        break;
    }
  }

  // --- Swatches ----------------------------------------------------------------
  // Solid swatches as editors keep them: a one-stop gradient marked as a
  // solid paint. In file order, right after the document's fixed swatches.
  void addSolidSwatches() {
    std::vector<Swatch> found;
    std::vector<pugi::xml_node> stack{source_->root};
    while (!stack.empty()) {
      pugi::xml_node n = stack.back();
      stack.pop_back();
      if (nameOf(n) == "linearGradient" && std::string_view(n.attribute("osb:paint").value()) == "solid") {
        const std::vector<pugi::xml_node> stops = gradientStops(n);
        if (stops.size() == 1) {
          pugi::xml_attribute label = n.attribute((source_->inkscapePrefix + "label").c_str());
          found.push_back({label ? label.value() : n.attribute("id").value(), rgbColor(stopColor(stops[0]))});
        }
      }
      for (pugi::xml_node c = n.last_child(); c; c = c.previous_sibling()) {
        if (c.type() == pugi::node_element) stack.push_back(c);
      }
    }
    doc_->insertSwatches(Document::kFixedSwatchCount, std::move(found));
  }

  static constexpr std::size_t kWorkLimit = 100'000;
  std::string original_;
  std::shared_ptr<SvgSource> source_;
  std::string insensitiveName_;  // the editors' lock attribute with its prefix
  std::unique_ptr<Document> doc_;
  std::unordered_map<std::string, pugi::xml_node> byId_;
  std::vector<pugi::xml_node> styleElements_;
  StyleSheet sheet_;
  std::map<std::string, int32_t> paintIndices_;
  double viewportWidth_ = 0, viewportHeight_ = 0;
  std::size_t work_ = 0;
};

}  // namespace

ImportedSvg importSvg(std::string text, const std::string& fileName) {
  try {
    return Importer(std::move(text), fileName).run();
  } catch (const DocumentError& e) {
    throw SvgError(errorText(fileName, 0, 0, e.what()));
  }
}

std::string readInput(const std::string& path) {
  if (path == "-") {
    std::ostringstream s;
    s << std::cin.rdbuf();
    return s.str();
  }
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw SvgError(errorText(path, 0, 0, "a folder, not a drawing"));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SvgError(errorText(path, 0, 0, "cannot open the file"));
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) throw SvgError(errorText(path, 0, 0, "cannot read the file"));
  return s.str();
}

ImportedSvg importSvgFile(const std::string& path) {
  return importSvg(readInput(path), path == "-" ? std::string("<stdin>") : path);
}

}  // namespace easel::svg
