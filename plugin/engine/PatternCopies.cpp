// The Pattern list's mirror copies: three duplicates of the art, moved to the
// mirror positions about a point and flipped there.
#include "plugin/engine/PatternCopies.h"

#include "plugin/engine/ArtTransforms.h"
#include "plugin/engine/ChildArt.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

// Transforms the art alone (no gradients, patterns or line widths). A compound
// path is transformed member by member.
ASErr transformMirror(AIArtHandle art, const AIRealMatrix& matrix) {
  int16_t type = kUnknownArt;
  const ASErr err = sAIArt->getArtType(art, &type);
  if (err != kNoErr) return err;
  if (type != kCompoundPathArt) return sAITransformArt->transformArt(art, &matrix, 1.0f, kTransformObjects);
  return forEachChild(
      art, [&](AIArtHandle child) { return sAITransformArt->transformArt(child, &matrix, 1.0f, kTransformObjects); });
}

// Moves the art by (dx, dy), built in three steps through the centre: out to
// the origin, back, then the offset.
ASErr moveBy(AIArtHandle art, const AIRealPoint& center, AIReal dx, AIReal dy) {
  AIRealMatrix matrix;
  sAIRealMath->setMatrixTranslation(&matrix, -center.h, -center.v);
  sAIRealMath->appendMatrixTranslation(&matrix, center.h, center.v);
  sAIRealMath->appendMatrixTranslation(&matrix, dx, dy);
  return transformMirror(art, matrix);
}

// Mirrors the art in place about the centre of its bounds.
ASErr flipInPlace(AIArtHandle art, AIReal sx, AIReal sy) {
  AIRealPoint center;
  ASErr err = artCenter(art, &center);
  if (err != kNoErr) return err;
  AIRealMatrix matrix;
  err = scaleShiftMatrix(center, true, sx, sy, 0.0f, 0.0f, &matrix);
  if (err != kNoErr) return err;
  return transformMirror(art, matrix);
}

struct Mirror {
  bool acrossVertical;    // mirrored across the vertical line through the point
  bool acrossHorizontal;  // mirrored across the horizontal line through it
};

constexpr Mirror kMirrors[3] = {{true, false}, {true, true}, {false, true}};

}  // namespace

ASErr patternMirrorCopies(AIArtHandle art, int32_t placeBelowFlag, AIReal x, AIReal y) {
  const int16_t paintOrder = placeBelowFlag == 1 ? kPlaceBelowAll : kPlaceAboveAll;
  AIArtHandle copies[3] = {nullptr, nullptr, nullptr};
  AIRealPoint center{0.0f, 0.0f};
  for (int32_t c = 0; c < 3; ++c) {
    ASErr err = sAIArt->duplicateArt(art, paintOrder, art, &copies[c]);
    if (err == kNoErr && c == 0) err = artCenter(copies[0], &center);
    if (err != kNoErr) return err;
    const AIReal dx = kMirrors[c].acrossVertical ? 2.0f * (x - center.h) : 0.0f;
    const AIReal dy = kMirrors[c].acrossHorizontal ? 2.0f * (y - center.v) : 0.0f;
    err = moveBy(copies[c], center, dx, dy);
    if (err != kNoErr) return err;
  }
  for (int32_t c = 0; c < 3; ++c) {
    const ASErr err =
        flipInPlace(copies[c], kMirrors[c].acrossVertical ? -1.0f : 1.0f, kMirrors[c].acrossHorizontal ? -1.0f : 1.0f);
    if (err != kNoErr) return err;
  }
  return kNoErr;
}
