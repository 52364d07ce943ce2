// The session's random numbers (see easel/core/Random.h for the generator).
#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Random.h"

namespace easel::suites {
namespace {

constexpr SuiteId kRandom = SuiteId::AIRandom;

// Inlined into the plain path, as the document calls' bodies are: the point
// walk draws once per segment.
ASErr floatRandom(AIReal* value) noexcept {
  return hostCall(kRandom, "next uniform random real", [=](Call& c) EASEL_INLINE_BODY {
    if (value == nullptr) return nullArgument(c, "result pointer");
    *value = c.session().random().nextReal();
    c.out("value", *value);
    return kNoErr;
  });
}

// The seed's 32 bits, read as an unsigned number, become the generator's state.
ASErr setRandomSeed(int32_t seed) noexcept {
  return hostCall(kRandom, "set random seed", [&](Call& c) {
    c.in("seed", seed);
    c.session().random().setSeed(static_cast<uint32_t>(seed));
    return kNoErr;
  });
}

const AIRandomSuite kSuite{floatRandom, setRandomSeed};

}  // namespace

const AIRandomSuite* random() { return &kSuite; }

}  // namespace easel::suites
