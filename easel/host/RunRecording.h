// What a run of the filter records so that it can be repeated and edited
// later (easel/svg/RunBook.h keeps the records in the drawing): the seed it
// used, the program's version, and the parameter record by field name.
//
// The seed of a run is the one asked for, or one drawn from the clock, which
// the run tells (in its summary) and records when it drew random numbers.
#ifndef EASEL_HOST_RUNRECORDING_H
#define EASEL_HOST_RUNRECORDING_H

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/Random.h"
#include "plugin/params/ContourParams.h"

namespace easel::host {

// The version that runs record ("18.3.0").
const std::string& contourVersion();

// The parameter record as a run record holds it: every field by name with
// its value as text, in the record's order.
using ParamsByName = std::vector<std::pair<std::string, std::string>>;
ParamsByName paramsByName(const ContourParams& params);
// Fields that are missing take their defaults; throws ParamsJsonError for
// an unknown field or a value that does not read.
ContourParams paramsFromNames(const ParamsByName& fields);
// Why the fields do not read as a record; "" when they do.
std::string paramsProblem(const ParamsByName& fields);

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
// The same for a run whose dialog previews first (a settings file's run):
// each run starts where the recorded one did, so the one that stays draws
// what it drew.
RunSeed seedReplay(easel::Random& random, const RecordedSeed& recorded);

// A settings file (--save-params): the record, then "seed" and "drawsBefore"
// of the run that used it, when it has one. Pretty-printed JSON.
std::string settingsText(const ContourParams& params, const std::optional<RecordedSeed>& seed);
// The two keys besides the record's fields.
constexpr const char* kSeedKey = "seed";
constexpr const char* kDrawsBeforeKey = "drawsBefore";

// The seed worth recording after the run: the one given, or the drawn one
// when the run used random numbers.
std::optional<RecordedSeed> seedToRecord(const RunSeed& seed, const easel::Random& random);

}  // namespace easel::host

#endif
