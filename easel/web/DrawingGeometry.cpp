#include "DrawingGeometry.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "easel/svg/Color.h"
#include "easel/svg/ColorText.h"
#include "easel/svg/ExportValues.h"
#include "easel/svg/Style.h"

namespace easel::web {

namespace {

static_assert(std::endian::native == std::endian::little, "the page reads the words in place, little-endian");

using svg::SvgArtExtra;

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// What the document reads into its paint, opacity and visibility.
bool isModelledProperty(std::string_view name) {
  return isOneOf(name, {"fill", "stroke", "stroke-width", "stroke-linecap", "stroke-linejoin", "stroke-miterlimit",
                        "stroke-dasharray", "stroke-dashoffset", "fill-rule", "opacity", "display"});
}

// Attributes that show nothing of their own: names in other namespaces
// (contour:, the editors' own), data and accessibility attributes.
bool isInertAttribute(std::string_view name) {
  return (name.find(':') != std::string_view::npos && !name.starts_with("xml:")) || name.starts_with("xmlns") ||
         name.starts_with("data-") || name.starts_with("aria-") || isOneOf(name, {"id", "class"});
}

bool styleIsModelled(const char* text) {
  try {
    const auto declarations = svg::parseStyle(text);
    return std::all_of(declarations.begin(), declarations.end(),
                       [](const svg::Declaration& d) { return isModelledProperty(d.property); });
  } catch (const std::exception&) {
    return false;
  }
}

// Rotation, uniform scale, translation (and mirroring): a stroke drawn in
// artwork points looks the same as one drawn in the element's user space.
bool isSimilarity(const svg::Affine& m) {
  const double x = m.a * m.a + m.b * m.b, y = m.c * m.c + m.d * m.d, skew = m.a * m.c + m.b * m.d;
  const double tolerance = 1e-9 * std::max(x, y);
  return std::abs(x - y) <= tolerance && std::abs(skew) <= tolerance;
}

bool isZero(const char* text) { return std::string_view(text).find_first_not_of("0. ") == std::string_view::npos; }

std::string_view localName(const pugi::xml_node& node, const std::string& svgPrefix) {
  std::string_view name = node.name();
  if (!svgPrefix.empty() && name.starts_with(svgPrefix)) name.remove_prefix(svgPrefix.size());
  return name;
}

// A child kept as XML that shows nothing: text nodes, comments, titles,
// metadata, definitions (reached only through url() paint, a gradient or
// pattern, or elements that are not drawable) and other namespaces' elements.
bool isInertItem(const pugi::xml_node& node, const std::string& svgPrefix) {
  if (node.type() != pugi::node_element) return true;
  const std::string_view name = localName(node, svgPrefix);
  return name.find(':') != std::string_view::npos || isOneOf(name, {"title", "desc", "metadata", "defs"});
}

bool hasStyleSheet(const pugi::xml_node& root, const std::string& svgPrefix) {
  for (pugi::xml_node n = root; n; n = n.next_sibling()) {
    if (n.type() != pugi::node_element) continue;
    if (localName(n, svgPrefix) == "style" || hasStyleSheet(n.first_child(), svgPrefix)) return true;
  }
  return false;
}

bool isPainted(bool on, const AIColor& color) { return on && color.kind != kNoneColor; }
bool isFlat(const AIColor& color) { return color.kind != kGradient && color.kind != kPattern; }

}  // namespace

GeometryFilter::GeometryFilter(const svg::SvgSource* source) : source_(source) {
  if (!source) return;
  const std::string& prefix = source->svgPrefix;
  sourceDrawable_ = !hasStyleSheet(source->root, prefix);
  for (pugi::xml_attribute a : source->root.attributes()) {
    const std::string_view name = a.name();
    if (isInertAttribute(name) || isOneOf(name, {"version", "baseProfile", "width", "height", "viewBox", "x", "y"}))
      continue;
    if (name == "style" ? styleIsModelled(a.value()) : isModelledProperty(name)) continue;
    sourceDrawable_ = false;
  }
  for (const svg::SourceItem& item : source->rootItems)
    if (item.raw && !isInertItem(item.raw, prefix)) sourceDrawable_ = false;
}

bool GeometryFilter::elementDrawable(const SvgArtExtra& extra) const {
  const std::string& prefix = source_->svgPrefix;
  for (const svg::SourceItem& item : extra.items)
    if (item.raw && !isInertItem(item.raw, prefix)) return false;
  if (extra.kind == SvgArtExtra::Kind::LooseArt) return true;
  const std::string_view name = localName(extra.node, prefix);
  if (!isOneOf(name, {"g", "path", "rect", "polygon", "polyline", "line"})) return false;
  if (!isSimilarity(extra.transform)) return false;
  for (pugi::xml_attribute a : extra.node.attributes()) {
    const std::string_view attribute = a.name();
    if (isInertAttribute(attribute) || isModelledProperty(attribute) || attribute == "transform") continue;
    if (attribute == "style" && styleIsModelled(a.value())) continue;
    // Geometry the document holds exactly (a rounded rectangle's corners it holds as curves).
    if (isOneOf(attribute, {"d", "x", "y", "width", "height", "points", "x1", "y1", "x2", "y2"})) continue;
    if (isOneOf(attribute, {"rx", "ry"}) && isZero(a.value())) continue;
    return false;
  }
  for (pugi::xml_node child : extra.node.children())
    if (name != "g" && !isInertItem(child, prefix)) return false;
  return true;
}

bool GeometryFilter::drawable(const Document& document, ArtRef art) const {
  if (!sourceDrawable_) return false;
  const ArtContent& c = document.content(art);
  const auto* extra = dynamic_cast<const SvgArtExtra*>(c.extra.get());
  if (extra && extra->source.get() != source_) extra = nullptr;
  if (c.type == ArtType::Group) {
    if (c.opacity != 1) return false;  // a group's opacity applies to it as one picture
  } else if (c.type == ArtType::Path || c.type == ArtType::CompoundPath) {
    const AIPathStyle& s = c.style;
    const bool fills = isPainted(s.fillPaint, s.fill.color), strokes = isPainted(s.strokePaint, s.stroke.color);
    if ((fills && !isFlat(s.fill.color)) || (strokes && !isFlat(s.stroke.color))) return false;
    // Opacity over both fill and stroke applies to them as one picture.
    if (c.opacity != 1 && fills && strokes) return false;
  } else {
    return false;
  }
  if (!extra) return true;
  const auto found = elements_.find(extra);
  if (found != elements_.end()) return found->second;
  return elements_[extra] = elementDrawable(*extra);
}

void GeometryWriter::word(uint32_t w) {
  char b[sizeof w];
  std::memcpy(b, &w, sizeof w);
  bytes_.append(b, sizeof b);
}

void GeometryWriter::number(float v) {
  char b[sizeof v];
  std::memcpy(b, &v, sizeof v);
  bytes_.append(b, sizeof b);
}

// As the SVG writer writes path data: a segment whose direction points lie on
// its anchors is a line, any other a cubic; a closed subpath's closing
// segment is written only when curved (the close draws a straight one).
bool GeometryWriter::writeSubpath(std::span<const AIPathSegment> anchors, bool closed, float box[4]) {
  const auto straight = [](const AIPathSegment& from, const AIPathSegment& to) {
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
  };
  const bool closingCurve = closed && !straight(anchors.back(), anchors.front());
  const std::size_t segments = anchors.size() - 1 + (closingCurve ? 1 : 0);
  word(static_cast<uint32_t>(segments));
  word(closed ? 1 : 0);
  const std::size_t kinds = bytes_.size();
  bytes_.resize(kinds + (segments + 31) / 32 * sizeof(uint32_t), '\0');
  const std::size_t at = bytes_.size();
  bytes_.resize(at + (2 + segments * 6) * sizeof(float));  // at most: shrunk after
  char* out = bytes_.data() + at;
  const auto point = [&](const AIRealPoint& p) {
    const float xy[] = {p.h, p.v};
    std::memcpy(out, xy, sizeof xy);
    out += sizeof xy;
    box[0] = std::min(box[0], p.h);
    box[1] = std::min(box[1], p.v);
    box[2] = std::max(box[2], p.h);
    box[3] = std::max(box[3], p.v);
  };
  bool curved = false;
  std::size_t index = 0;
  const auto segment = [&](const AIPathSegment& from, const AIPathSegment& to) {
    if (!straight(from, to)) {
      bytes_[kinds + index / 8] = static_cast<char>(bytes_[kinds + index / 8] | (1 << (index % 8)));
      point(from.out);
      point(to.in);
      curved = true;
    }
    point(to.p);
    ++index;
  };
  point(anchors.front().p);
  for (std::size_t i = 1; i < anchors.size(); ++i) segment(anchors[i - 1], anchors[i]);
  if (closingCurve) segment(anchors.back(), anchors.front());
  bytes_.resize(static_cast<std::size_t>(out - bytes_.data()));
  return curved;
}

int GeometryWriter::paintOf(const ArtContent& c) {
  const AIPathStyle& s = c.style;
  const bool fills = isPainted(s.fillPaint, s.fill.color);
  const bool strokes = isPainted(s.strokePaint, s.stroke.color) && s.stroke.width > 0;
  PaintKey key;
  std::memset(&key, 0, sizeof key);
  // As SVG reads a dash array: a negative length or no length at all draws solid.
  const int32_t dashes = std::clamp<int32_t>(s.stroke.dashCount, 0, kMaxDashComponents);
  float total = 0;
  bool negative = false;
  for (int32_t i = 0; i < dashes; ++i) {
    total += s.stroke.dashes[i];
    negative = negative || s.stroke.dashes[i] < 0;
  }
  if (!negative && total > 0) {
    key.dashCount = dashes;
    std::copy(s.stroke.dashes, s.stroke.dashes + dashes, key.dashes);
  }
  const svg::Rgb fill = fills ? svg::displayColor(s.fill.color) : svg::Rgb{-1, 0, 0};
  const svg::Rgb stroke = strokes ? svg::displayColor(s.stroke.color) : svg::Rgb{-1, 0, 0};
  const double fillParts[] = {fill.r, fill.g, fill.b}, strokeParts[] = {stroke.r, stroke.g, stroke.b};
  std::copy(std::begin(fillParts), std::end(fillParts), key.fill);
  std::copy(std::begin(strokeParts), std::end(strokeParts), key.stroke);
  const float reals[] = {s.stroke.width, s.stroke.miterLimit, s.stroke.dashOffset, c.opacity};
  std::copy(std::begin(reals), std::end(reals), key.reals);
  const int32_t words[] = {s.stroke.cap, s.stroke.join, s.evenOdd != 0};
  std::copy(std::begin(words), std::end(words), key.words);
  const auto found = paintIndex_.find(key);
  if (found != paintIndex_.end()) return found->second;
  return addPaint(key, fills, strokes);
}

int GeometryWriter::addPaint(const PaintKey& key, bool fills, bool strokes) {
  const auto hex = [](const double(&parts)[3]) { return svg::hexColor(svg::Rgb{parts[0], parts[1], parts[2]}); };
  nlohmann::json paint = {{"fill", fills ? nlohmann::json(hex(key.fill)) : nlohmann::json(nullptr)},
                          {"stroke", strokes ? nlohmann::json(hex(key.stroke)) : nlohmann::json(nullptr)},
                          {"width", key.reals[0]},
                          {"cap", svg::capName(key.words[0])},
                          {"join", svg::joinName(key.words[1])},
                          {"miter", key.reals[1]},
                          {"dash", std::vector<float>(key.dashes, key.dashes + key.dashCount)},
                          {"dashOffset", key.reals[2]},
                          {"evenOdd", key.words[2] != 0},
                          {"opacity", key.reals[3]}};
  const int index = static_cast<int>(paints_.size());
  paints_.push_back(std::move(paint));
  paintIndex_.emplace(key, index);
  return index;
}

// The record's words up to its count of subpaths, then for each subpath four
// words, a word of kinds for each 32 segments and at most six floats for each
// (one more segment: a closing curve).
std::size_t GeometryWriter::sizeBound(const Document& document, ArtRef art) {
  constexpr std::size_t kWord = sizeof(float);
  const ArtContent& c = document.content(art);
  const std::size_t segments = c.segments.size() + 1;
  std::size_t size =
      (kRecordSubpaths + 1) * kWord + (c.type == ArtType::Path ? (4 + (segments + 31) / 32 + 6 * segments) * kWord : 0);
  if (c.type == ArtType::CompoundPath)
    for (ArtRef m = document.firstChild(art); m; m = document.nextSibling(m)) size += sizeBound(document, m);
  return size;
}

// The record is written in the order of its words.
static_assert(kRecordContainer == kRecordId + 1 && kRecordAbove == kRecordContainer + 1 &&
              kRecordSize == kRecordAbove + 1 && kRecordPaint == kRecordSize + 1 && kRecordFlags == kRecordPaint + 1 &&
              kRecordBox == kRecordFlags + 1 && kRecordSubpaths == kRecordBox + 4);

void GeometryWriter::addRepeated(uint32_t id, uint32_t parent, uint32_t above, uint32_t source) {
  static_assert(kRecordSource == kRecordSize + kRepeatedSize);
  for (uint32_t w : {id, parent, above, kRepeatedSize, source}) word(w);
}

void GeometryWriter::add(const Document& document, ArtRef art, uint32_t id, uint32_t parent, uint32_t above) {
  for (uint32_t w : {id, parent, above, 0u}) word(w);
  const std::size_t start = bytes_.size();
  const ArtContent& c = document.content(art);
  number(c.type == ArtType::Group ? -1.0f : static_cast<float>(paintOf(c)));
  const std::size_t flags = bytes_.size();
  word((c.attributes & kArtHidden) != 0 ? uint32_t{kGeometryHidden} : 0u);
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  float box[4] = {kInfinity, kInfinity, -kInfinity, -kInfinity};
  const std::size_t boxAt = bytes_.size();
  for (float v : box) number(v);
  // Its subpaths with segments: a path's own, a compound path's members'.
  // Walked twice (counted, then written) rather than listed: no destructor
  // waits in the calls of this walk (see PaintKey).
  const auto eachSubpath = [&](auto&& visit) {
    if (c.type == ArtType::Path) {
      if (!c.segments.empty()) visit(c);
    } else if (c.type == ArtType::CompoundPath) {
      for (ArtRef m = document.firstChild(art); m; m = document.nextSibling(m))
        if (const ArtContent& s = document.content(m); !s.segments.empty()) visit(s);
    }
  };
  uint32_t subpaths = 0;
  eachSubpath([&](const ArtContent&) { ++subpaths; });
  word(subpaths);
  bool curved = false;
  eachSubpath([&](const ArtContent& s) { curved |= writeSubpath(WholeSegments(s.segments), s.closed, box); });
  if (curved) bytes_[flags] = static_cast<char>(bytes_[flags] | kGeometryCurved);
  std::memcpy(bytes_.data() + boxAt, box, sizeof box);
  const auto size = static_cast<uint32_t>((bytes_.size() - start) / sizeof(uint32_t));
  std::memcpy(bytes_.data() + start - sizeof size, &size, sizeof size);
}

}  // namespace easel::web
