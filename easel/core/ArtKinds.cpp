// The art type and paint order codes, what each type of art holds, and its paint.
#include <cstring>

#include "Document.h"

namespace easel {

bool artTypeFromCode(int16_t code, ArtType* type) {
  switch (code) {
    case kGroupArt:
    case kPathArt:
    case kCompoundPathArt:
    case kTextArt:
    case kPlacedArt:
    case kMysteryPathArt:
    case kRasterArt:
    case kMeshArt:
    case kSymbolArt: *type = static_cast<ArtType>(code); return true;
    default: return false;
  }
}

const char* artTypeName(ArtType type) {
  switch (type) {
    case ArtType::Group: return "group";
    case ArtType::Path: return "path";
    case ArtType::CompoundPath: return "compound";
    case ArtType::Text: return "text";
    case ArtType::Placed: return "placed";
    case ArtType::MysteryPath: return "mystery";
    case ArtType::Raster: return "raster";
    case ArtType::Mesh: return "mesh";
    case ArtType::Symbol: return "symbol";
  }
  return "unknown";
}

bool isContainer(ArtType type) noexcept { return type == ArtType::Group || type == ArtType::CompoundPath; }

bool hasMatrix(ArtType type) {
  return type == ArtType::Text || type == ArtType::Placed || type == ArtType::Raster || type == ArtType::Mesh ||
         type == ArtType::Symbol;
}

bool placeFromCode(int16_t code, Place* place) noexcept {
  if (code < kPlaceAbove || code > kPlaceBelowAll) return false;
  *place = static_cast<Place>(code);
  return true;
}

AIPathStyle defaultPathStyle() {
  AIPathStyle s{};
  s.fillPaint = 1;
  s.fill.color.kind = kGrayColor;
  s.fill.color.c.g.gray = 0;
  s.strokePaint = 1;
  s.stroke.color.kind = kGrayColor;
  s.stroke.color.c.g.gray = 1;
  s.stroke.width = 1;
  s.stroke.miterLimit = 4;
  return s;
}

namespace {

bool sameBits(AIReal a, AIReal b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameColor(const AIColor& a, const AIColor& b) {
  return a.kind == b.kind && std::memcmp(&a.c, &b.c, sizeof a.c) == 0;
}

}  // namespace

bool sameStyle(const AIPathStyle& a, const AIPathStyle& b) {
  const AIStrokeStyle &p = a.stroke, &q = b.stroke;
  for (int i = 0; i < kMaxDashComponents; ++i)
    if (!sameBits(p.dashes[i], q.dashes[i])) return false;
  return a.fillPaint == b.fillPaint && sameColor(a.fill.color, b.fill.color) && a.fill.overprint == b.fill.overprint &&
         a.strokePaint == b.strokePaint && sameColor(p.color, q.color) && p.overprint == q.overprint &&
         sameBits(p.width, q.width) && sameBits(p.dashOffset, q.dashOffset) && p.dashCount == q.dashCount &&
         p.cap == q.cap && p.join == q.join && sameBits(p.miterLimit, q.miterLimit) && a.evenOdd == b.evenOdd;
}

}  // namespace easel
