// The current document's swatch list (the only list: a null list ref).
#include "DocumentCall.h"
#include "Suites.h"

namespace easel::suites {
namespace {

constexpr SuiteId kSwatchList = SuiteId::AISwatchList;

// Only the null ref (the current document's list) names a list.
ASErr listError(Call& c, AISwatchListRef list) {
  if (list == nullptr) return kNoErr;
  c.misuse("foreign swatch list");
  return kBadHandleErr;
}

const Swatch* swatchOf(Call& c, Document& d, AISwatchRef ref) {
  const Swatch* s = d.swatch(ref);
  if (s == nullptr) c.misuse(ref == nullptr ? "null swatch" : "stale or foreign swatch");
  return s;
}

ASErr countSwatches(AISwatchListRef list, int32_t* count) noexcept {
  return documentCall(kSwatchList, "count swatches", [&](Call& c, Document& d) {
    c.in("list", list);
    if (ASErr e = listError(c, list)) return e;
    if (count == nullptr) return nullArgument(c, "result pointer");
    *count = static_cast<int32_t>(d.swatches().size());
    c.out("count", *count);
    return kNoErr;
  });
}

ASErr getNthSwatch(AISwatchListRef list, int32_t index, AISwatchRef* swatch) noexcept {
  return documentCall(kSwatchList, "get nth swatch", [&](Call& c, Document& d) {
    c.in("list", list).in("index", index);
    if (ASErr e = listError(c, list)) return e;
    if (swatch == nullptr) return nullArgument(c, "result pointer");
    // Past the end is an answer, not misuse: the plug-in asks for swatch
    // numbers the document may not have.
    *swatch = index < 0 ? nullptr : d.swatchRef(static_cast<std::size_t>(index));
    c.out("swatch", *swatch);
    return *swatch == nullptr ? kBadParameterErr : kNoErr;
  });
}

ASErr getSwatchColor(AISwatchRef swatch, AIColor* color) noexcept {
  return documentCall(kSwatchList, "get swatch colour", [&](Call& c, Document& d) {
    c.in("swatch", swatch);
    if (color == nullptr) return nullArgument(c, "result pointer");
    const Swatch* s = swatchOf(c, d, swatch);
    if (s == nullptr) return kBadHandleErr;
    *color = s->color;
    c.out("color", *color);
    return kNoErr;
  });
}

ASErr getSwatchName(AISwatchRef swatch, const char** name) noexcept {
  return documentCall(kSwatchList, "get swatch name", [&](Call& c, Document& d) {
    c.in("swatch", swatch);
    if (name == nullptr) return nullArgument(c, "result pointer");
    const Swatch* s = swatchOf(c, d, swatch);
    if (s == nullptr) return kBadHandleErr;
    *name = s->name.c_str();
    c.out("name", s->name);
    return kNoErr;
  });
}

const AISwatchListSuite kSuite{countSwatches, getNthSwatch, getSwatchColor, getSwatchName};

}  // namespace

const AISwatchListSuite* swatchList() { return &kSuite; }

}  // namespace easel::suites
