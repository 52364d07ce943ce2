// Paint: fills, strokes, dashes and the colours they refer to.
#include "SvgImporter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ColorText.h"
#include "Scanner.h"

namespace easel::svg::detail {

std::pair<bool, AIColor> Importer::readPaint(const ComputedStyle& style, Property property) {
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

int32_t Importer::paintIndex(const std::string& id) {
  auto [it, added] = paintIndices_.emplace(id, static_cast<int32_t>(source_->paintIds.size()));
  if (added) source_->paintIds.push_back(id);
  return it->second;
}

std::vector<pugi::xml_node> Importer::gradientStops(pugi::xml_node gradient) {
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

Rgb Importer::stopColor(pugi::xml_node stop) {
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

void Importer::exactColor(pugi::xml_node node, const char* localName, AIColor& color) {
  pugi::xml_attribute a = node.attribute((source_->contourPrefix + localName).c_str());
  if (!a || color.kind != kThreeColor) return;
  const AIColor exact = read(a, parseExactColorText);
  if (hexColor(displayColor(exact)) == hexColor(displayColor(color))) color = exact;
}

double Importer::lengthValue(const ComputedStyle& style, Property p) {
  const double w = viewportWidth_, h = viewportHeight_;
  const double diagonal = std::sqrt((w * w + h * h) / 2);
  const Length l = read(style[p], p, parseLength);
  if (l.unit == Unit::Em) return l.value * style.fontSizePx;
  if (l.unit == Unit::Ex) return l.value * style.fontSizePx / 2;
  return toUserUnits(l, diagonal);
}

AIPathStyle Importer::readPathStyle(pugi::xml_node node, const ComputedStyle& style, const Affine& local) {
  AIPathStyle s{};
  const auto [fills, fill] = readPaint(style, Property::Fill);
  const auto [strokes, stroke] = readPaint(style, Property::Stroke);
  s.fillPaint = fills;
  s.fill.color = fill;
  s.strokePaint = strokes;
  s.stroke.color = stroke;
  exactColor(node, "fill-color", s.fill.color);
  exactColor(node, "stroke-color", s.stroke.color);
  s.fill.overprint =
      std::string_view(node.attribute((source_->contourPrefix + "fill-overprint").c_str()).value()) == "1";
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
  s.stroke.miterLimit = static_cast<AIReal>(read(style[Property::StrokeMiterlimit], Property::StrokeMiterlimit,
                                                 [](std::string_view t) { return parseNumber(t, "a miter limit"); }));
  return s;
}

int32_t Importer::keyword(const ComputedStyle& style, Property p,
                          std::initializer_list<std::pair<std::string_view, int32_t>> table) {
  for (const auto& [name, value] : table) {
    if (style[p].text == name) return value;
  }
  failAt(style[p].offset, "unknown " + std::string(propertyName(p)) + " '" + style[p].text + "'");
}

void Importer::readDashes(const ComputedStyle& style, AIStrokeStyle& stroke, double scale) {
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

}  // namespace easel::svg::detail
