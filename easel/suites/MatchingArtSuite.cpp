// The art that matches types and attributes, as a memory handle of art handles.
#include <cstring>
#include <vector>

#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Memory.h"

namespace easel::suites {
namespace {

ASErr getMatchingArt(const AIMatchingArtSpec* specs, int16_t numSpecs, AIMdMemoryHandle* matches,
                     int32_t* numMatches) noexcept {
  return documentCall(SuiteId::AIMatchingArt, "get matching art", [&](Call& c, Document& d) {
    c.in("numSpecs", numSpecs);
    if (specs == nullptr || matches == nullptr || numMatches == nullptr) return nullArgument(c, "pointer");
    if (numSpecs < 0) return badArgument(c, "negative spec count");
    std::vector<ArtMatch> conditions;
    conditions.reserve(static_cast<std::size_t>(numSpecs));
    for (int i = 0; i < numSpecs; ++i) {
      ArtType type;  // an unknown type matches nothing
      if (artTypeFromCode(specs[i].type, &type)) conditions.push_back({type, specs[i].whichAttr, specs[i].attr});
    }
    if (JsonWriter* w = c.inWriter()) {
      w->key("specs").beginArray();
      for (int i = 0; i < numSpecs; ++i)
        w->beginArray()
            .value(static_cast<int64_t>(specs[i].type))
            .value(specs[i].whichAttr)
            .value(specs[i].attr)
            .endArray();
      w->endArray();
    }
    const std::vector<ArtRef> found = d.matching(conditions);
    AIMdMemoryHandle handle = nullptr;
    if (!found.empty()) {
      Memory& memory = c.session().memory();
      handle = memory.newHandle(found.size() * sizeof(AIArtHandle));
      auto* array = static_cast<AIArtHandle*>(memory.dereference(handle));
      for (std::size_t i = 0; i < found.size(); ++i) array[i] = found[i].handle();
    }
    *matches = handle;
    *numMatches = static_cast<int32_t>(found.size());
    c.out("numMatches", *numMatches).out("matches", handle);
    if (JsonWriter* w = c.outWriter()) {
      w->key("art").beginArray();
      for (ArtRef a : found) writeJson(*w, static_cast<const void*>(a.handle()));
      w->endArray();
    }
    return kNoErr;
  });
}

const AIMatchingArtSuite kSuite{getMatchingArt};

}  // namespace

const AIMatchingArtSuite* matchingArt() { return &kSuite; }

}  // namespace easel::suites
