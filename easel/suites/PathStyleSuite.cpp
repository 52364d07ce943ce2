// Path styles: read and written whole; two styles combined by a fraction.
#include <cmath>

#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

constexpr SuiteId kPathStyle = SuiteId::AIPathStyle;

ASErr getPathStyle(AIArtHandle art, AIPathStyle* style) noexcept {
  return documentCall(kPathStyle, "get path style", [&](Call& c, Document& d) {
    c.in("art", art);
    if (style == nullptr) return nullArgument(c, "result pointer");
    *style = quickRead(d, ArtRef::fromHandle(art), &Document::pathStyleOf, &Document::pathStyle);
    c.out("style", *style);
    return kNoErr;
  });
}

ASErr setPathStyle(AIArtHandle art, const AIPathStyle* style) noexcept {
  return documentCall(kPathStyle, "set path style", [&](Call& c, Document& d) {
    c.in("art", art);
    if (style == nullptr) return nullArgument(c, "style pointer");
    c.in("style", *style);
    d.setPathStyle(ArtRef::fromHandle(art), *style);
    return kNoErr;
  });
}

// The blend of the combination, b + (a - b) * f, each step in single precision.
AIReal blend(AIReal a, AIReal b, AIReal f) {
  const AIReal difference = a - b;
  const AIReal part = difference * f;
  return b + part;
}

// Colours blend componentwise when they are of the same kind and, for
// colours by reference, refer to the same thing.
bool byReference(int32_t kind) { return kind == kPattern || kind == kCustomColor || kind == kGradient; }

int componentCount(int32_t kind) {
  switch (kind) {
    case kGrayColor: return 1;
    case kThreeColor: return 3;
    case kFourColor: return 4;
    default: return 0;
  }
}

AIColor blendColor(const AIColor& a, const AIColor& b, AIReal f, bool nearA) {
  AIColor r = nearA ? a : b;
  if (a.kind != b.kind || (byReference(a.kind) && a.c.ref.reference != b.c.ref.reference)) return r;
  if (byReference(a.kind)) {
    r.c.ref.tint = blend(a.c.ref.tint, b.c.ref.tint, f);
    for (int i = 0; i < 14; ++i) r.c.ref.params[i] = blend(a.c.ref.params[i], b.c.ref.params[i], f);
  } else {
    for (int i = 0; i < componentCount(a.kind); ++i) r.c.components[i] = blend(a.c.components[i], b.c.components[i], f);
  }
  return r;
}

AIPathStyle combine(const AIPathStyle& a, const AIPathStyle& b, AIReal f) {
  if (f == 1) return a;
  if (f == 0) return b;
  const bool nearA = f >= 0.5f;
  AIPathStyle r = nearA ? a : b;  // flags and the fields that do not blend
  r.fill.color = blendColor(a.fill.color, b.fill.color, f, nearA);
  r.stroke.color = blendColor(a.stroke.color, b.stroke.color, f, nearA);
  r.stroke.width = blend(a.stroke.width, b.stroke.width, f);
  r.stroke.dashOffset = blend(a.stroke.dashOffset, b.stroke.dashOffset, f);
  for (int i = 0; i < kMaxDashComponents; ++i) r.stroke.dashes[i] = blend(a.stroke.dashes[i], b.stroke.dashes[i], f);
  r.stroke.miterLimit = blend(a.stroke.miterLimit, b.stroke.miterLimit, f);
  return r;
}

ASErr interpolatePathStyles(const AIPathStyle* a, const AIPathStyle* b, AIPathStyle* result, AIReal fraction) noexcept {
  return documentCall(kPathStyle, "combine two styles by a fraction", [&](Call& c, Document&) {
    c.in("fraction", fraction);
    if (a == nullptr || b == nullptr || result == nullptr) return nullArgument(c, "style pointer");
    c.in("a", *a).in("b", *b);
    if (!std::isfinite(fraction)) return badArgument(c, "fraction not finite");
    *result = combine(*a, *b, fraction);
    c.out("result", *result);
    return kNoErr;
  });
}

const AIPathStyleSuite kSuite{getPathStyle, setPathStyle, interpolatePathStyles};

}  // namespace

const AIPathStyleSuite* pathStyle() { return &kSuite; }

}  // namespace easel::suites
