// The seed of a run: the one asked for, or one drawn from the clock, which
// the run tells (in its summary) and records when it drew random numbers,
// so that any run can be repeated.
#ifndef EASEL_CLI_RUNSEED_H
#define EASEL_CLI_RUNSEED_H

#include <cstdint>
#include <optional>
#include <ostream>

#include "easel/core/Random.h"

namespace contour_cli {

struct RunSeed {
  uint64_t value = 0;
  bool given = false;
};

// Where a recorded run's random numbers began: the seed, and the draws
// before the run whose contours stayed (the dialog's previews drew them).
struct RecordedSeed {
  uint64_t seed = 0;
  uint64_t drawsBefore = 0;
};

// Seeds `random` with `given`, or with a seed drawn from the clock.
RunSeed seedRun(easel::Random& random, std::optional<uint64_t> given);
// Seeds `random` to repeat a recorded run.
RunSeed seedRepeat(easel::Random& random, const RecordedSeed& recorded);

// The seed worth recording after the run: the one given, or the drawn one
// when the run used random numbers.
std::optional<RecordedSeed> seedToRecord(const RunSeed& seed, const easel::Random& random);

}  // namespace contour_cli

#endif
