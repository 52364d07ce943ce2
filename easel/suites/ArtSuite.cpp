// Art objects: removal, duplication, type, the tree walk, bounds, attributes.
#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

constexpr SuiteId kArt = SuiteId::AIArt;

ASErr disposeArt(AIArtHandle art) noexcept {
  return documentCall(kArt, "dispose art", [&](Call& c, Document& d) {
    c.in("art", art);
    d.dispose(ArtRef::fromHandle(art));
    return kNoErr;
  });
}

ASErr duplicateArt(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) noexcept {
  return documentCall(kArt, "duplicate art", [&](Call& c, Document& d) {
    c.in("art", art).in("paintOrder", paintOrder).in("prep", prep);
    if (newArt == nullptr) return nullArgument(c, "result pointer");
    const ArtRef source = ArtRef::fromHandle(art), reference = ArtRef::fromHandle(prep);
    Place where;
    if (!placeFromCode(paintOrder, &where)) {
      d.content(source);  // a bad handle is reported before the paint order
      d.content(reference);
      return badArgument(c, "unknown paint order");
    }
    *newArt = d.duplicate(source, reference, where).handle();
    c.session().watch.copied(source.bits());
    c.out("newArt", *newArt);
    return kNoErr;
  });
}

ASErr getArtType(AIArtHandle art, int16_t* type) noexcept {
  return documentCall(kArt, "get art type", [&](Call& c, Document& d) {
    c.in("art", art);
    if (type == nullptr) return nullArgument(c, "result pointer");
    *type = static_cast<int16_t>(d.type(ArtRef::fromHandle(art)));
    c.out("type", *type);
    return kNoErr;
  });
}

// The three walks of the tree differ only in the step they take.
template <ArtRef (Document::*step)(ArtRef) const>
ASErr walk(const char* op, const char* outKey, AIArtHandle art, AIArtHandle* result) noexcept {
  return documentCall(kArt, op, [&](Call& c, Document& d) {
    c.in("art", art);
    if (result == nullptr) return nullArgument(c, "result pointer");
    *result = (d.*step)(ArtRef::fromHandle(art)).handle();
    c.out(outKey, *result);
    return kNoErr;
  });
}

ASErr getArtFirstChild(AIArtHandle art, AIArtHandle* child) noexcept {
  return walk<&Document::firstChild>("get first child", "child", art, child);
}

ASErr getArtSibling(AIArtHandle art, AIArtHandle* sibling) noexcept {
  return walk<&Document::nextSibling>("get next sibling", "sibling", art, sibling);
}

ASErr getArtParent(AIArtHandle art, AIArtHandle* parent) noexcept {
  return walk<&Document::parent>("get parent", "parent", art, parent);
}

ASErr getArtBounds(AIArtHandle art, AIRealRect* bounds) noexcept {
  return documentCall(kArt, "get art bounds", [&](Call& c, Document& d) {
    c.in("art", art);
    if (bounds == nullptr) return nullArgument(c, "result pointer");
    *bounds = quickRead(d, ArtRef::fromHandle(art), &Document::keptBounds, &Document::bounds);
    c.out("bounds", *bounds);
    return kNoErr;
  });
}

ASErr getArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t* attr) noexcept {
  return documentCall(kArt, "get user attributes", [&](Call& c, Document& d) {
    c.in("art", art).in("whichAttr", whichAttr);
    if (attr == nullptr) return nullArgument(c, "result pointer");
    *attr = d.content(ArtRef::fromHandle(art)).attributes & whichAttr;
    c.out("attr", *attr);
    return kNoErr;
  });
}

const AIArtSuite kSuite{disposeArt,    duplicateArt, getArtType,   getArtFirstChild,
                        getArtSibling, getArtParent, getArtBounds, getArtUserAttr};

}  // namespace

const AIArtSuite* art() { return &kSuite; }

}  // namespace easel::suites
