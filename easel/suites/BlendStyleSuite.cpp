// The opacity of art.
#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

constexpr SuiteId kBlendStyle = SuiteId::AIBlendStyle;

ASErr setOpacity(AIArtHandle art, AIReal opacity) noexcept {
  return documentCall(kBlendStyle, "set opacity", [&](Call& c, Document& d) {
    c.in("art", art).in("opacity", opacity);
    d.setOpacity(ArtRef::fromHandle(art), opacity);
    return kNoErr;
  });
}

ASErr getOpacity(AIArtHandle art, AIReal* opacity) noexcept {
  return documentCall(kBlendStyle, "get opacity", [&](Call& c, Document& d) {
    c.in("art", art);
    if (opacity == nullptr) return nullArgument(c, "result pointer");
    *opacity = d.content(ArtRef::fromHandle(art)).opacity;
    c.out("opacity", *opacity);
    return kNoErr;
  });
}

const AIBlendStyleSuite kSuite{setOpacity, getOpacity};

}  // namespace

const AIBlendStyleSuite* blendStyle() { return &kSuite; }

}  // namespace easel::suites
