#include "PropertyValues.h"

#include <algorithm>
#include <iterator>

#include "AsciiCase.h"
#include "Color.h"
#include "Scanner.h"
#include "ValueError.h"

namespace easel::svg {

namespace {

struct PropertyInfo {
  std::string_view name;
  std::string_view initial;
  bool inherited;
};
constexpr PropertyInfo kProperties[kPropertyCount] = {
    {"fill", "black", true},
    {"fill-rule", "nonzero", true},
    {"fill-opacity", "1", true},
    {"stroke", "none", true},
    {"stroke-width", "1", true},
    {"stroke-linecap", "butt", true},
    {"stroke-linejoin", "miter", true},
    {"stroke-miterlimit", "4", true},
    {"stroke-dasharray", "none", true},
    {"stroke-dashoffset", "0", true},
    {"stroke-opacity", "1", true},
    {"color", "black", true},
    {"visibility", "visible", true},
    {"font-size", "medium", true},
    {"opacity", "1", false},
    {"display", "inline", false},
};

const PropertyInfo& info(Property p) { return kProperties[static_cast<std::size_t>(p)]; }

struct Keyword {
  std::string_view name;
  int number;
};
constexpr Keyword kLineCaps[] = {{"butt", 0}, {"round", 1}, {"square", 2}};
constexpr Keyword kLineJoins[] = {{"miter", 0}, {"miter-clip", 0}, {"arcs", 0}, {"round", 1}, {"bevel", 2}};
constexpr Keyword kFillRules[] = {{"nonzero", 0}, {"evenodd", 1}};
constexpr Keyword kVisibilities[] = {{"visible", 0}, {"hidden", 1}, {"collapse", 1}};
// Absolute font sizes in CSS pixels; the relative ones scale the parent's.
constexpr struct {
  std::string_view name;
  double pixels;
} kFontSizes[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13},    {"medium", 16},
                  {"large", 18},   {"x-large", 24}, {"xx-large", 32}, {"xxx-large", 48}};
// The display keywords of CSS, which may be combined ("inline flow-root").
constexpr std::string_view kDisplayWords[] = {"none",
                                              "contents",
                                              "block",
                                              "inline",
                                              "run-in",
                                              "flow",
                                              "flow-root",
                                              "table",
                                              "flex",
                                              "grid",
                                              "ruby",
                                              "list-item",
                                              "inline-block",
                                              "inline-table",
                                              "inline-flex",
                                              "inline-grid",
                                              "table-row-group",
                                              "table-header-group",
                                              "table-footer-group",
                                              "table-row",
                                              "table-cell",
                                              "table-column-group",
                                              "table-column",
                                              "table-caption",
                                              "ruby-base",
                                              "ruby-text",
                                              "ruby-base-container",
                                              "ruby-text-container",
                                              "math",
                                              "-webkit-box"};

template <std::size_t N>
int keyword(const Keyword (&table)[N], std::string_view value) {
  for (const Keyword& k : table) {
    if (isKeyword(value, k.name)) return k.number;
  }
  return -1;
}

bool isDisplay(std::string_view value) {
  Scanner s(value);
  s.skipSpace();
  int words = 0;
  while (!s.atEnd()) {
    const std::string_view w = s.word();
    if (w.empty() || std::none_of(std::begin(kDisplayWords), std::end(kDisplayWords),
                                  [&](std::string_view k) { return isKeyword(w, k); }))
      return false;
    ++words;
    s.skipSpace();
  }
  return words > 0 && words <= 3;
}

// Whether the reader `parse` takes the text.
template <class F>
bool reads(F parse) {
  try {
    parse();
    return true;
  } catch (const ValueError&) {
    return false;
  }
}

}  // namespace

std::string_view propertyName(Property p) { return info(p).name; }
std::string_view initialValue(Property p) { return info(p).initial; }
bool isInherited(Property p) { return info(p).inherited; }

std::optional<Property> propertyNamed(std::string_view name) {
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    if (kProperties[i].name == name) return static_cast<Property>(i);
  }
  return std::nullopt;
}

bool isKeyword(std::string_view value, std::string_view keyword) { return equalsIgnoringAsciiCase(value, keyword); }

int keywordNumber(Property p, std::string_view value) {
  switch (p) {
    case Property::StrokeLinecap: return keyword(kLineCaps, value);
    case Property::StrokeLinejoin: return keyword(kLineJoins, value);
    case Property::FillRule: return keyword(kFillRules, value);
    case Property::Visibility: return keyword(kVisibilities, value);
    default: return -1;
  }
}

double parseOpacity(std::string_view text) {
  Scanner s(text);
  s.skipSpace();
  double v = s.number("an opacity");
  if (s.peek() == '%') s.advance(), v /= 100;
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the opacity");
  return std::clamp(v, 0.0, 1.0);
}

std::vector<Length> parseDashList(std::string_view text) {
  std::vector<Length> out;
  if (isKeyword(text, "none")) return out;
  Scanner s(text);
  s.skipSpace();
  if (s.atEnd()) s.fail("expected a dash length");
  while (!s.atEnd()) {
    const std::size_t start = s.offset();
    s.number("a dash length");
    while (!s.atEnd() && !isSvgSpace(s.peek()) && s.peek() != ',') s.advance();
    const Length l = parseLength(text.substr(start, s.offset() - start));
    if (l.value < 0) s.failAt(start, "a negative dash");
    out.push_back(l);
    if (s.skipCommaSpace() && s.atEnd()) s.fail("expected a dash length after ','");
  }
  return out;
}

double parseFontSize(std::string_view text, const LengthContext& parent) {
  for (const auto& k : kFontSizes) {
    if (isKeyword(text, k.name)) return k.pixels;
  }
  if (isKeyword(text, "larger")) return parent.fontSize * 1.2;
  if (isKeyword(text, "smaller")) return parent.fontSize / 1.2;
  const Length l = parseLength(text);
  if (l.value < 0) throw ValueError("a negative font size", 0);
  // The font's own units are of the parent's font here.
  return toUserUnits(l, parent.fontSize, parent);
}

std::optional<std::string> invalidValue(Property p, std::string_view value) {
  const auto unless = [](bool ok, const char* reason) {
    return ok ? std::nullopt : std::optional<std::string>(reason);
  };
  switch (p) {
    case Property::Fill:
    case Property::Stroke: return unless(reads([&] { parsePaint(value); }), "not a paint");
    case Property::Color:
      return unless(isKeyword(value, "currentColor") || reads([&] { parseColorAlpha(value); }), "not a colour");
    case Property::FillRule: return unless(keywordNumber(p, value) >= 0, "not a fill rule");
    case Property::StrokeLinecap: return unless(keywordNumber(p, value) >= 0, "not a line cap");
    case Property::StrokeLinejoin: return unless(keywordNumber(p, value) >= 0, "not a line join");
    case Property::Visibility: return unless(keywordNumber(p, value) >= 0, "not a visibility");
    case Property::Display: return unless(isDisplay(value), "not a display value");
    case Property::FillOpacity:
    case Property::StrokeOpacity:
    case Property::Opacity: return unless(reads([&] { parseOpacity(value); }), "not an opacity");
    case Property::StrokeWidth: {
      Length l;
      if (!reads([&] { l = parseLength(value); })) return "not a length";
      return unless(l.value >= 0, "a negative width");
    }
    case Property::StrokeDashoffset: return unless(reads([&] { parseLength(value); }), "not a length");
    case Property::StrokeMiterlimit: {
      double v = 0;
      if (!reads([&] { v = parseNumber(value, "a miter limit"); })) return "not a number";
      return unless(v >= 0, "a negative miter limit");
    }
    case Property::StrokeDasharray: {
      try {
        parseDashList(value);
        return std::nullopt;
      } catch (const ValueError& e) {
        return std::string(e.what()) == "a negative dash" ? "a negative dash" : "not a list of dashes";
      }
    }
    case Property::FontSize: return unless(reads([&] { parseFontSize(value, {}); }), "not a font size");
    case Property::Count: break;
  }
  return std::nullopt;
}

std::string ignoredText(std::string_view name, std::string_view value, std::string_view reason) {
  constexpr std::size_t kLongest = 60;
  std::string shown;
  for (std::size_t i = 0; i < value.size(); ++i) {
    // Cut on a character's first byte (UTF-8), never inside one.
    if (shown.size() >= kLongest && (static_cast<unsigned char>(value[i]) & 0xC0) != 0x80) {
      shown += "...";
      break;
    }
    const auto c = static_cast<unsigned char>(value[i]);
    shown += c < 0x20 || c == 0x7F ? ' ' : value[i];
  }
  std::string out = "ignored ";
  out += name;
  out += " \"";
  out += shown;
  out += "\" (";
  out += reason;
  out += ')';
  return out;
}

}  // namespace easel::svg
