#include "Length.h"

#include <algorithm>
#include <string>

#include "AsciiCase.h"
#include "Scanner.h"

namespace easel::svg {

namespace {

// Of the font: the share of its size.
constexpr double kLineHeight = 1.2;  // "normal"
constexpr double kChWidth = 0.5, kCapHeight = 0.7, kIcWidth = 1, kExHeight = 0.5;

enum class Base { Pixels, Font, RootFont, ViewportWidth, ViewportHeight, ViewportMin, ViewportMax, Percent };

struct UnitName {
  std::string_view name;
  Unit unit;
  Base base;
  double factor;  // user units per unit of the base
};
constexpr UnitName kUnits[] = {
    {"", Unit::None, Base::Pixels, 1},
    {"px", Unit::Px, Base::Pixels, 1},
    {"pt", Unit::Pt, Base::Pixels, 96.0 / 72.0},
    {"pc", Unit::Pc, Base::Pixels, 16},
    {"mm", Unit::Mm, Base::Pixels, 96.0 / 25.4},
    {"cm", Unit::Cm, Base::Pixels, 96.0 / 2.54},
    {"in", Unit::In, Base::Pixels, 96},
    {"q", Unit::Q, Base::Pixels, 96.0 / 101.6},  // a quarter of a millimetre
    {"em", Unit::Em, Base::Font, 1},
    {"ex", Unit::Ex, Base::Font, kExHeight},
    {"ch", Unit::Ch, Base::Font, kChWidth},
    {"cap", Unit::Cap, Base::Font, kCapHeight},
    {"ic", Unit::Ic, Base::Font, kIcWidth},
    {"lh", Unit::Lh, Base::Font, kLineHeight},
    {"rem", Unit::Rem, Base::RootFont, 1},
    {"rlh", Unit::Rlh, Base::RootFont, kLineHeight},
    // Text runs left to right, top to bottom: the inline axis is x.
    {"vw", Unit::Vw, Base::ViewportWidth, 0.01},
    {"vi", Unit::Vi, Base::ViewportWidth, 0.01},
    {"vh", Unit::Vh, Base::ViewportHeight, 0.01},
    {"vb", Unit::Vb, Base::ViewportHeight, 0.01},
    {"vmin", Unit::Vmin, Base::ViewportMin, 0.01},
    {"vmax", Unit::Vmax, Base::ViewportMax, 0.01},
    {"%", Unit::Percent, Base::Percent, 0.01},
};

}  // namespace

Length parseLength(std::string_view text) {
  Scanner s(text);
  s.skipSpace();
  Length l;
  l.value = s.number("a length");
  const std::size_t unitAt = s.offset();
  std::string_view unit = s.peek() == '%' ? s.rest().substr(0, 1) : s.word();
  s.advance(unit == "%" ? 1 : 0);
  const auto* found = std::find_if(std::begin(kUnits), std::end(kUnits),
                                   [&](const UnitName& u) { return equalsIgnoringAsciiCase(unit, u.name); });
  if (found == std::end(kUnits)) s.failAt(unitAt, "unknown unit '" + std::string(unit) + "'");
  l.unit = found->unit;
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the length");
  return l;
}

double toUserUnits(Length length, double percentBase, const LengthContext& c) {
  for (const UnitName& u : kUnits) {
    if (u.unit != length.unit) continue;
    double base = 1;
    switch (u.base) {
      case Base::Pixels: break;
      case Base::Font: base = c.fontSize; break;
      case Base::RootFont: base = c.rootFontSize; break;
      case Base::ViewportWidth: base = c.viewportWidth; break;
      case Base::ViewportHeight: base = c.viewportHeight; break;
      case Base::ViewportMin: base = std::min(c.viewportWidth, c.viewportHeight); break;
      case Base::ViewportMax: base = std::max(c.viewportWidth, c.viewportHeight); break;
      case Base::Percent: base = percentBase; break;
    }
    return length.value * u.factor * base;
  }
  return length.value;
}

double parseUserLength(std::string_view text, double percentBase, const LengthContext& context) {
  return toUserUnits(parseLength(text), percentBase, context);
}

}  // namespace easel::svg
