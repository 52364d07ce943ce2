#include "Length.h"

#include <string>

#include "Scanner.h"

namespace easel::svg {

namespace {

struct UnitName {
  std::string_view name;
  Unit unit;
  double pixels;  // user units per unit (percent: per 1%)
};
constexpr UnitName kUnits[] = {
    {"", Unit::None, 1},        {"px", Unit::Px, 1},           {"pt", Unit::Pt, 96.0 / 72.0},
    {"pc", Unit::Pc, 16},       {"mm", Unit::Mm, 96.0 / 25.4}, {"cm", Unit::Cm, 96.0 / 2.54},
    {"in", Unit::In, 96},       {"em", Unit::Em, kFontSizePx}, {"ex", Unit::Ex, kFontSizePx / 2},
    {"%", Unit::Percent, 0.01},
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
  bool known = false;
  for (const UnitName& u : kUnits) {
    if (u.name == unit) l.unit = u.unit, known = true;
  }
  if (!known) s.failAt(unitAt, "unknown unit '" + std::string(unit) + "'");
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the length");
  return l;
}

double toUserUnits(Length length, double percentBase) {
  for (const UnitName& u : kUnits) {
    if (u.unit == length.unit) {
      return length.value * u.pixels * (length.unit == Unit::Percent ? percentBase : 1);
    }
  }
  return length.value;
}

double parseUserLength(std::string_view text, double percentBase) {
  return toUserUnits(parseLength(text), percentBase);
}

}  // namespace easel::svg
