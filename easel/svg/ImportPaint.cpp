// Paint: fills, strokes, dashes and the colours they refer to.
#include "SvgImporter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ColorText.h"
#include "Namespaces.h"
#include "Scanner.h"

namespace easel::svg::detail {

Importer::ReadPaint Importer::readPaint(const ComputedStyle& style, Property property) {
  const Paint paint = read(style[property], property, parsePaint);
  AIColor none{};
  none.kind = kNoneColor;
  // A colour's alpha is not the document's: it stays beside the paint. A
  // transparent colour paints nothing.
  const auto plain = [&](Paint::Kind kind, Rgb rgb, double alpha) -> ReadPaint {
    if (kind == Paint::Kind::None || kind == Paint::Kind::Inherit) return {false, none, 1};
    if (kind == Paint::Kind::CurrentColor) {
      const SpecifiedValue& color = style[Property::Color];
      const Rgba c = isKeyword(color.text, "currentColor") ? Rgba{} : read(color, Property::Color, parseColorAlpha);
      rgb = c.rgb;
      alpha = c.alpha;
    }
    if (alpha == 0) return {false, none, 1};
    return {true, rgbColor(rgb), alpha};
  };
  if (paint.kind != Paint::Kind::Url) return plain(paint.kind, paint.rgb, paint.alpha);
  const auto found = paint.ref.empty() ? source_->ids.end() : source_->ids.find(paint.ref);
  if (found == source_->ids.end()) {
    return paint.fallbackKind ? plain(*paint.fallbackKind, paint.fallbackRgb, paint.fallbackAlpha)
                              : ReadPaint{false, none, 1};
  }
  const pugi::xml_node target = found->second;
  const std::string_view name = nameOf(target);
  if (name == "linearGradient" || name == "radialGradient") {
    // A gradient of one stop is a solid colour (how editors keep swatches).
    const std::vector<pugi::xml_node> stops = gradientStops(target);
    if (stops.size() == 1) return {true, rgbColor(stopColor(stops[0])), 1};
  }
  AIColor ref{};
  ref.kind = name == "pattern" ? kPattern : kGradient;
  ref.c.ref.reference = paintIndex(paint.ref);
  return {true, ref, 1};
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
    const auto found = source_->ids.find(target.substr(1));
    gradient = found == source_->ids.end() ? pugi::xml_node() : found->second;
  }
  return {};
}

Rgb Importer::stopColor(pugi::xml_node stop) {
  // The last stop-color that can be read wins (style over the attribute);
  // none gives the initial black.
  Rgb color;
  const auto take = [&](std::string_view text, std::size_t offset) {
    try {
      color = parseColor(text);
    } catch (const ValueError&) {
      ignored(offset, ignoredText("stop-color", text, "not a colour"));
    }
  };
  if (pugi::xml_attribute a = stop.attribute("stop-color")) take(a.value(), offsetOf(a.value()));
  if (pugi::xml_attribute style = stop.attribute("style")) {
    for (const Declaration& d : parseStyle(style.value())) {
      if (d.property == "stop-color") take(plainValue(d.value), plus(offsetOf(style.value()), d.valueOffset));
    }
  }
  return color;
}

void Importer::exactColor(pugi::xml_attribute a, AIColor& color) {
  if (!a || color.kind != kThreeColor) return;
  AIColor none{};
  none.kind = kNoneColor;
  const AIColor exact = readOr(a, none, parseExactColorText);
  if (hexColor(displayColor(exact)) == hexColor(displayColor(color))) color = exact;
}

double Importer::lengthValue(const ComputedStyle& style, Property p) {
  const double w = viewportWidth_, h = viewportHeight_;
  const double diagonal = std::sqrt((w * w + h * h) / 2);
  return toUserUnits(read(style[p], p, parseLength), diagonal, style.lengths);
}

AIPathStyle Importer::readPathStyle(pugi::xml_node node, const ComputedStyle& style, const Affine& local,
                                    SvgArtExtra& extra) {
  AIPathStyle s{};
  const ReadPaint fill = readPaint(style, Property::Fill);
  const ReadPaint stroke = readPaint(style, Property::Stroke);
  s.fillPaint = fill.paints;
  s.fill.color = fill.color;
  s.strokePaint = stroke.paints;
  s.stroke.color = stroke.color;
  // The alpha multiplies into the paint's own opacity.
  if (fill.alpha != 1)
    extra.fillOpacity = fill.alpha * read(style[Property::FillOpacity], Property::FillOpacity, parseOpacity);
  if (stroke.alpha != 1)
    extra.strokeOpacity = stroke.alpha * read(style[Property::StrokeOpacity], Property::StrokeOpacity, parseOpacity);
  // Our own paint attributes, found in one pass over the element's.
  static constexpr std::string_view kOurs[] = {"fill-color", "stroke-color", "fill-overprint", "stroke-overprint"};
  pugi::xml_attribute ours[std::size(kOurs)];
  attributesIn(node, kContourNamespace, kOurs, ours);
  exactColor(ours[0], s.fill.color);
  exactColor(ours[1], s.stroke.color);
  s.fill.overprint = std::string_view(ours[2].value()) == "1";
  s.stroke.overprint = std::string_view(ours[3].value()) == "1";
  s.evenOdd = keywordNumber(Property::FillRule, style[Property::FillRule].text) == 1;
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
  s.stroke.width = points(lengthValue(style, Property::StrokeWidth), Property::StrokeWidth);
  s.stroke.dashOffset = points(lengthValue(style, Property::StrokeDashoffset), Property::StrokeDashoffset);
  readDashes(style, s.stroke, scale);
  s.stroke.cap = keywordNumber(Property::StrokeLinecap, style[Property::StrokeLinecap].text);
  s.stroke.join = keywordNumber(Property::StrokeLinejoin, style[Property::StrokeLinejoin].text);
  s.stroke.miterLimit = static_cast<AIReal>(read(style[Property::StrokeMiterlimit], Property::StrokeMiterlimit,
                                                 [](std::string_view t) { return parseNumber(t, "a miter limit"); }));
  return s;
}

void Importer::readDashes(const ComputedStyle& style, AIStrokeStyle& stroke, double scale) {
  stroke.dashCount = 0;
  std::vector<double> dashes;
  for (const Length& l : read(style[Property::StrokeDasharray], Property::StrokeDasharray, parseDashList))
    dashes.push_back(toUserUnits(l, viewportWidth_, style.lengths));
  double total = 0;
  for (double d : dashes) total += d;
  if (total == 0) return;  // all zero: a solid line
  stroke.dashCount = static_cast<int32_t>(std::min<std::size_t>(dashes.size(), kMaxDashComponents));
  for (int i = 0; i < stroke.dashCount; ++i) stroke.dashes[i] = static_cast<AIReal>(dashes[i] * scale);
}

}  // namespace easel::svg::detail
