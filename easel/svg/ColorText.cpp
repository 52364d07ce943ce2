#include "ColorText.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "FloatText.h"
#include "Scanner.h"

namespace easel::svg {

namespace {

struct ExactForm {
  const char* name;
  int kind;
  int count;
};
constexpr ExactForm kForms[] = {{"gray", kGrayColor, 1}, {"cmyk", kFourColor, 4}, {"rgb", kThreeColor, 3}};

const ExactForm* formOf(int kind) {
  for (const ExactForm& f : kForms) {
    if (f.kind == kind) return &f;
  }
  return nullptr;
}

double unit(double x) { return std::clamp(x, 0.0, 1.0); }

// Whether #rrggbb carries the component exactly.
bool onByteStep(float x) {
  const double byte = std::round(unit(x) * 255);
  return static_cast<float>(byte / 255) == x;
}

}  // namespace

AIColor rgbColor(Rgb c) {
  AIColor out{};
  out.kind = kThreeColor;
  out.c.rgb = {static_cast<AIReal>(c.r), static_cast<AIReal>(c.g), static_cast<AIReal>(c.b)};
  return out;
}

Rgb displayColor(const AIColor& c) {
  switch (c.kind) {
    case kGrayColor: {
      const double v = unit(1.0 - c.c.g.gray);
      return {v, v, v};
    }
    case kFourColor: {
      const double k = 1.0 - unit(c.c.f.black);
      return {(1.0 - unit(c.c.f.cyan)) * k, (1.0 - unit(c.c.f.magenta)) * k, (1.0 - unit(c.c.f.yellow)) * k};
    }
    case kThreeColor: return {unit(c.c.rgb.red), unit(c.c.rgb.green), unit(c.c.rgb.blue)};
    case kCustomColor: {
      const double v = unit(1.0 - c.c.ref.tint);
      return {v, v, v};
    }
    default: return {};
  }
}

std::string exactColorText(const AIColor& c) {
  const ExactForm* form = formOf(c.kind);
  if (form == nullptr) return {};
  if (c.kind == kThreeColor && onByteStep(c.c.rgb.red) && onByteStep(c.c.rgb.green) && onByteStep(c.c.rgb.blue)) {
    return {};
  }
  std::string out = std::string(form->name) + "(";
  for (int i = 0; i < form->count; ++i) {
    if (i > 0) out += ',';
    out += floatText(c.c.components[i]);
  }
  return out + ")";
}

AIColor parseExactColorText(std::string_view text) {
  Scanner s(text);
  s.skipSpace();
  const std::size_t at = s.offset();
  const std::string_view name = s.word();
  const ExactForm* form = nullptr;
  for (const ExactForm& f : kForms) {
    if (name == f.name) form = &f;
  }
  if (form == nullptr) s.failAt(at, "unknown colour form '" + std::string(name) + "'");
  AIColor out{};
  out.kind = form->kind;
  s.expect('(', "'('");
  for (int i = 0; i < form->count; ++i) {
    if (i > 0) s.expect(',', "','");
    s.skipSpace();
    out.c.components[i] = static_cast<AIReal>(s.number("a colour component"));
  }
  s.expect(')', "')'");
  s.skipSpace();
  if (!s.atEnd()) s.fail("unexpected text after the colour");
  return out;
}

bool sameColor(const AIColor& a, const AIColor& b) {
  if (a.kind != b.kind) return false;
  int used = 0;
  switch (a.kind) {
    case kGrayColor: used = 1; break;
    case kFourColor: used = 4; break;
    case kThreeColor: used = 3; break;
    case kPattern:
    case kGradient:
    case kCustomColor: return a.c.ref.reference == b.c.ref.reference && a.c.ref.tint == b.c.ref.tint;
    default: return true;
  }
  for (int i = 0; i < used; ++i) {
    if (a.c.components[i] != b.c.components[i]) return false;
  }
  return true;
}

}  // namespace easel::svg
