#include "Color.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "Scanner.h"

namespace easel::svg {

namespace {

struct NamedColor {
  std::string_view name;
  uint32_t rgb;
};
constexpr NamedColor kNamedColors[] = {
#include "NamedColors.inc"
};

Rgb fromBytes(uint32_t rgb) {
  return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// One colour at the scanner; leaves it after the colour.
Rgb scanColor(Scanner& s) {
  s.skipSpace();
  const std::size_t start = s.offset();
  if (s.accept('#')) {
    const std::string_view w = s.word();
    for (char c : w) {
      if (hexDigit(c) < 0) s.failAt(start, "bad hexadecimal colour");
    }
    if (w.size() == 3) {
      return fromBytes(hexDigit(w[0]) * 0x110000u + hexDigit(w[1]) * 0x1100u + hexDigit(w[2]) * 0x11u);
    }
    if (w.size() == 6) {
      uint32_t v = 0;
      for (char c : w) v = v * 16 + static_cast<uint32_t>(hexDigit(c));
      return fromBytes(v);
    }
    s.failAt(start, "a hexadecimal colour has 3 or 6 digits");
  }
  const std::string_view name = s.word();
  if (equalsIgnoringCase(name, "rgb") && s.accept('(')) {
    double v[3];
    for (int i = 0; i < 3; ++i) {
      if (i > 0) s.expect(',', "',' between the components of rgb()");
      s.skipSpace();
      const double x = s.number("a colour component");
      const bool percent = s.peek() == '%';
      if (percent) s.advance();
      v[i] = std::clamp(percent ? x / 100.0 : x / 255.0, 0.0, 1.0);
    }
    s.expect(')', "')' after rgb()");
    // Components are bytes on every renderer: round as they do.
    return {std::round(v[0] * 255) / 255, std::round(v[1] * 255) / 255, std::round(v[2] * 255) / 255};
  }
  if (const auto named = namedColor(name)) return *named;
  s.failAt(start, "unknown colour '" + std::string(name.empty() ? s.rest().substr(0, 12) : name) + "'");
}

void expectEnd(Scanner& s) {
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the colour");
}

}  // namespace

std::optional<Rgb> namedColor(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto it = std::lower_bound(std::begin(kNamedColors), std::end(kNamedColors), lower,
                                   [](const NamedColor& n, const std::string& key) { return n.name < key; });
  if (it == std::end(kNamedColors) || it->name != lower) return std::nullopt;
  return fromBytes(it->rgb);
}

Rgb parseColor(std::string_view text) {
  Scanner s(text);
  const Rgb c = scanColor(s);
  expectEnd(s);
  return c;
}

Paint parsePaint(std::string_view text) {
  Scanner s(text);
  s.skipSpace();
  Paint p;
  const std::string_view rest = s.rest();
  const auto keyword = [&](std::string_view k) {
    std::size_t n = k.size();
    while (n < rest.size() && isSvgSpace(rest[n])) ++n;
    return equalsIgnoringCase(rest.substr(0, k.size()), k) && n == rest.size();
  };
  if (keyword("none") || keyword("transparent")) return p;
  if (keyword("currentColor")) p.kind = Paint::Kind::CurrentColor;
  if (keyword("inherit")) p.kind = Paint::Kind::Inherit;
  if (p.kind != Paint::Kind::None) return p;
  if (rest.substr(0, 4) == "url(") {
    s.advance(4);
    s.skipSpace();
    const char quote = (s.peek() == '"' || s.peek() == '\'') ? s.peek() : '\0';
    if (quote) s.advance();
    if (!s.accept('#')) s.fail("only references inside the document (url(#id)) are supported");
    const std::string_view id =
        s.rest().substr(0, s.rest().find_first_of(quote ? std::string_view(&quote, 1) : ") \t\r\n"));
    if (id.empty()) s.fail("empty reference in url()");
    s.advance(id.size());
    if (quote && !s.accept(quote)) s.fail("unterminated quote in url()");
    s.expect(')', "')' after url(");
    p.kind = Paint::Kind::Url;
    p.ref = std::string(id);
    s.skipSpace();
    if (!s.atEnd()) {
      const Paint fallback = parsePaint(s.rest());
      if (fallback.kind == Paint::Kind::Url) s.fail("a fallback cannot be another url()");
      p.fallbackKind = fallback.kind;
      p.fallbackRgb = fallback.rgb;
    }
    return p;
  }
  p.kind = Paint::Kind::Color;
  p.rgb = scanColor(s);
  expectEnd(s);
  return p;
}

std::string hexColor(Rgb c) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out = "#";
  for (double v : {c.r, c.g, c.b}) {
    const int byte = static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    out += kDigits[byte >> 4];
    out += kDigits[byte & 15];
  }
  return out;
}

}  // namespace easel::svg
