#include "ArtCompare.h"

#include "ColorText.h"

namespace easel::svg {

namespace {

bool sameFill(const AIPathStyle& a, const AIPathStyle& b) {
  return a.fillPaint == b.fillPaint && sameColor(a.fill.color, b.fill.color) && a.fill.overprint == b.fill.overprint;
}
bool sameStroke(const AIPathStyle& a, const AIPathStyle& b) {
  return a.strokePaint == b.strokePaint && sameColor(a.stroke.color, b.stroke.color) &&
         a.stroke.overprint == b.stroke.overprint;
}
bool sameDashes(const AIPathStyle& a, const AIPathStyle& b) {
  if (a.stroke.dashCount != b.stroke.dashCount) return false;
  for (int i = 0; i < a.stroke.dashCount && i < kMaxDashComponents; ++i) {
    if (a.stroke.dashes[i] != b.stroke.dashes[i]) return false;
  }
  return true;
}

constexpr PaintProperty kProperties[] = {
    {"fill", sameFill},
    {"fill-rule", [](const AIPathStyle& a, const AIPathStyle& b) { return a.evenOdd == b.evenOdd; }},
    {"stroke", sameStroke},
    {"stroke-width", [](const AIPathStyle& a, const AIPathStyle& b) { return a.stroke.width == b.stroke.width; }},
    {"stroke-dasharray", sameDashes},
    {"stroke-dashoffset",
     [](const AIPathStyle& a, const AIPathStyle& b) { return a.stroke.dashOffset == b.stroke.dashOffset; }},
    {"stroke-linecap", [](const AIPathStyle& a, const AIPathStyle& b) { return a.stroke.cap == b.stroke.cap; }},
    {"stroke-linejoin", [](const AIPathStyle& a, const AIPathStyle& b) { return a.stroke.join == b.stroke.join; }},
    {"stroke-miterlimit",
     [](const AIPathStyle& a, const AIPathStyle& b) { return a.stroke.miterLimit == b.stroke.miterLimit; }},
};

}  // namespace

bool sameMatrix(const AIRealMatrix& a, const AIRealMatrix& b) {
  return a.a == b.a && a.b == b.b && a.c == b.c && a.d == b.d && a.tx == b.tx && a.ty == b.ty;
}

std::span<const PaintProperty> paintProperties() { return kProperties; }

}  // namespace easel::svg
