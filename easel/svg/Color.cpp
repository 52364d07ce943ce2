#include "Color.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numbers>

#include "AsciiCase.h"
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
  c = asciiLower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

double unit(double x) { return std::clamp(x, 0.0, 1.0); }

// Components are bytes on every renderer: round as they do.
double byteStep(double x) { return std::round(unit(x) * 255) / 255; }

// #rgb, #rgba, #rrggbb or #rrggbbaa, after the '#'.
Rgba scanHex(Scanner& s, std::size_t start) {
  const std::string_view w = s.word();
  uint32_t digits[8];
  for (std::size_t i = 0; i < w.size() && i < 8; ++i) {
    const int d = hexDigit(w[i]);
    if (d < 0) s.failAt(start, "bad hexadecimal colour");
    digits[i] = static_cast<uint32_t>(d);
  }
  const auto byte = [&](std::size_t i, bool doubled) {
    return doubled ? digits[i] * 17 : digits[2 * i] * 16 + digits[2 * i + 1];
  };
  if (w.size() != 3 && w.size() != 4 && w.size() != 6 && w.size() != 8)
    s.failAt(start, "a hexadecimal colour has 3, 4, 6 or 8 digits");
  const bool doubled = w.size() <= 4;
  const bool alpha = w.size() == 4 || w.size() == 8;
  Rgba c{fromBytes(byte(0, doubled) << 16 | byte(1, doubled) << 8 | byte(2, doubled)), 1};
  if (alpha) c.alpha = byte(3, doubled) / 255.0;
  return c;
}

// One argument of rgb() or hsl(): a number (with its unit for a hue) or a
// percentage; "none" (the space form only) is zero.
struct Component {
  double value = 0;
  bool percent = false;
};

Component component(Scanner& s, bool noneAllowed, bool hue) {
  s.skipSpace();
  if (noneAllowed && equalsIgnoringAsciiCase(s.rest().substr(0, 4), "none")) {
    s.advance(4);
    return {};
  }
  Component c{s.number("a colour component"), false};
  if (s.peek() == '%' && !hue) {
    s.advance();
    c.percent = true;
  } else if (hue) {
    const std::size_t at = s.offset();
    const std::string_view u = s.word();
    if (equalsIgnoringAsciiCase(u, "rad")) c.value *= 180 / std::numbers::pi;
    else if (equalsIgnoringAsciiCase(u, "grad"))
      c.value *= 0.9;
    else if (equalsIgnoringAsciiCase(u, "turn"))
      c.value *= 360;
    else if (!u.empty() && !equalsIgnoringAsciiCase(u, "deg"))
      s.failAt(at, "unknown angle unit '" + std::string(u) + "'");
  }
  return c;
}

// The arguments after "rgb(" or "hsl(": three components and an alpha, in
// the comma form "(1, 2, 3, 0.5)" or the space form "(1 2 3 / 50%)".
struct Arguments {
  Component c[3];
  double alpha = 1;
  bool commas = false;
};

Arguments arguments(Scanner& s, bool firstIsHue) {
  Arguments a;
  a.c[0] = component(s, true, firstIsHue);
  s.skipSpace();
  a.commas = s.peek() == ',';
  for (int i = 1; i < 3; ++i) {
    if (a.commas) s.expect(',', "',' between the colour's components");
    a.c[i] = component(s, !a.commas, false);
  }
  if (a.commas ? s.accept(',') : s.accept('/')) {
    const Component alpha = component(s, !a.commas, false);
    a.alpha = unit(alpha.percent ? alpha.value / 100 : alpha.value);
  }
  s.expect(')', "')' after the colour's components");
  return a;
}

Rgba rgbFunction(Scanner& s) {
  const Arguments a = arguments(s, false);
  if (a.commas && (a.c[0].percent != a.c[1].percent || a.c[1].percent != a.c[2].percent))
    s.fail("rgb() with commas takes three numbers or three percentages");
  Rgb out;
  double* v[3] = {&out.r, &out.g, &out.b};
  for (int i = 0; i < 3; ++i) *v[i] = byteStep(a.c[i].percent ? a.c[i].value / 100 : a.c[i].value / 255);
  return {out, a.alpha};
}

Rgba hslFunction(Scanner& s) {
  const Arguments a = arguments(s, true);
  if (a.commas && !(a.c[1].percent && a.c[2].percent)) s.fail("hsl() with commas takes percentages");
  double hue = std::fmod(a.c[0].value, 360.0);
  if (hue < 0) hue += 360;
  const double sat = unit(a.c[1].value / 100), light = unit(a.c[2].value / 100);
  const double chroma = sat * std::min(light, 1 - light);
  const auto f = [&](double n) {
    const double k = std::fmod(n + hue / 30, 12.0);
    return byteStep(light - chroma * std::max(-1.0, std::min({k - 3, 9 - k, 1.0})));
  };
  return {{f(0), f(8), f(4)}, a.alpha};
}

// An ICC colour after an sRGB one ("#f00 icc-color(acme, 0.1, 0.2)"): the
// sRGB colour is the one shown, so the ICC colour is passed over.
void skipIccColor(Scanner& s) {
  s.skipSpace();
  if (!equalsIgnoringAsciiCase(s.rest().substr(0, 10), "icc-color(")) return;
  const std::size_t close = s.rest().find(')');
  if (close == std::string_view::npos) s.fail("expected ')' after icc-color(");
  s.advance(close + 1);
}

// One colour at the scanner; leaves it after the colour.
Rgba scanColor(Scanner& s) {
  s.skipSpace();
  const std::size_t start = s.offset();
  if (s.accept('#')) return scanHex(s, start);
  const std::string_view name = s.word();
  if ((equalsIgnoringAsciiCase(name, "rgb") || equalsIgnoringAsciiCase(name, "rgba")) && s.accept('('))
    return rgbFunction(s);
  if ((equalsIgnoringAsciiCase(name, "hsl") || equalsIgnoringAsciiCase(name, "hsla")) && s.accept('('))
    return hslFunction(s);
  if (equalsIgnoringAsciiCase(name, "transparent")) return {{}, 0};
  if (const auto named = namedColor(name)) return {*named, 1};
  s.failAt(start, "unknown colour '" + std::string(name.empty() ? s.rest().substr(0, 12) : name) + "'");
}

void expectEnd(Scanner& s) {
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the colour");
}

Rgba colorWithIcc(Scanner& s) {
  const Rgba c = scanColor(s);
  skipIccColor(s);
  expectEnd(s);
  return c;
}

}  // namespace

std::optional<Rgb> namedColor(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = asciiLower(c);
  const auto it = std::lower_bound(std::begin(kNamedColors), std::end(kNamedColors), lower,
                                   [](const NamedColor& n, const std::string& key) { return n.name < key; });
  if (it == std::end(kNamedColors) || it->name != lower) return std::nullopt;
  return fromBytes(it->rgb);
}

Rgba parseColorAlpha(std::string_view text) {
  Scanner s(text);
  return colorWithIcc(s);
}

Paint parsePaint(std::string_view text) {
  Scanner s(text);
  s.skipSpace();
  Paint p;
  const std::string_view rest = s.rest();
  const auto keyword = [&](std::string_view k) {
    std::size_t n = k.size();
    while (n < rest.size() && isSvgSpace(rest[n])) ++n;
    return equalsIgnoringAsciiCase(rest.substr(0, k.size()), k) && n == rest.size();
  };
  // Outside a marker there is no context to take a paint from.
  if (keyword("none") || keyword("context-fill") || keyword("context-stroke")) return p;
  if (keyword("currentColor")) p.kind = Paint::Kind::CurrentColor;
  if (keyword("inherit")) p.kind = Paint::Kind::Inherit;
  if (p.kind != Paint::Kind::None) return p;
  if (equalsIgnoringAsciiCase(rest.substr(0, 4), "url(")) {
    s.advance(4);
    s.skipSpace();
    const char quote = (s.peek() == '"' || s.peek() == '\'') ? s.peek() : '\0';
    if (quote) s.advance();
    const bool local = s.accept('#');
    const std::string_view ref =
        s.rest().substr(0, s.rest().find_first_of(quote ? std::string_view(&quote, 1) : ") \t\r\n"));
    if (ref.empty()) s.fail("empty reference in url()");
    s.advance(ref.size());
    if (quote && !s.accept(quote)) s.fail("unterminated quote in url()");
    s.expect(')', "')' after url(");
    p.kind = Paint::Kind::Url;
    if (local) p.ref = std::string(ref);
    s.skipSpace();
    if (!s.atEnd()) {
      const Paint fallback = parsePaint(s.rest());
      if (fallback.kind == Paint::Kind::Url) s.fail("a fallback cannot be another url()");
      p.fallbackKind = fallback.kind;
      p.fallbackRgb = fallback.rgb;
      p.fallbackAlpha = fallback.alpha;
    }
    return p;
  }
  p.kind = Paint::Kind::Color;
  const Rgba c = colorWithIcc(s);
  p.rgb = c.rgb;
  p.alpha = c.alpha;
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
