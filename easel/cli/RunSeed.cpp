#include "easel/cli/RunSeed.h"

namespace contour_cli {

RunSeed seedRun(easel::Random& random, std::optional<uint64_t> given) {
  if (given) {
    random.setSeed(*given);
    return {*given, true};
  }
  return {random.seedFromClock(), false};
}

RunSeed seedRepeat(easel::Random& random, const RecordedSeed& recorded) {
  random.setSeed(recorded.seed);
  random.skip(recorded.drawsBefore);
  return {recorded.seed, true};
}

std::optional<RecordedSeed> seedToRecord(const RunSeed& seed, const easel::Random& random) {
  if (seed.given || random.draws() > 0) return RecordedSeed{seed.value, random.runStart()};
  return std::nullopt;
}

}  // namespace contour_cli
