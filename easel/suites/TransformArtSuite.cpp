// Transforming art by a matrix.
#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

ASErr transformArt(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags) noexcept {
  return documentCall(SuiteId::AITransformArt, "transform art", [&](Call& c, Document& d) {
    c.in("art", art);
    if (matrix != nullptr) c.in("matrix", *matrix);
    c.in("lineScale", lineScale).in("flags", flags);
    if (matrix == nullptr) return nullArgument(c, "matrix");
    d.transform(ArtRef::fromHandle(art), *matrix, lineScale, flags);
    return kNoErr;
  });
}

const AITransformArtSuite kSuite{transformArt};

}  // namespace

const AITransformArtSuite* transformArt() { return &kSuite; }

}  // namespace easel::suites
