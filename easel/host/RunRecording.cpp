#include "easel/host/RunRecording.h"

#include "easel/host/ParamsJson.h"

namespace easel::host {

const std::string& contourVersion() {
  static const std::string kVersion = CONTOUR_VERSION;
  return kVersion;
}

ParamsByName paramsByName(const ContourParams& params) {
  ParamsByName out;
  const nlohmann::ordered_json json = paramsToJson(params);
  for (const auto& field : json.items()) {
    const auto& value = field.value();
    out.emplace_back(field.key(), value.is_string() ? value.get<std::string>() : value.dump());
  }
  return out;
}

ContourParams paramsFromNames(const ParamsByName& fields) {
  ContourParams params = defaultContourParams();
  for (const auto& [name, value] : fields) setParamsFieldText(params, name, value);
  return params;
}

std::string paramsProblem(const ParamsByName& fields) {
  try {
    paramsFromNames(fields);
    return {};
  } catch (const ParamsJsonError& e) {
    return e.what();
  }
}

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

RunSeed seedReplay(easel::Random& random, const RecordedSeed& recorded) {
  random.replayRunsFrom(recorded.seed, recorded.drawsBefore);
  return {recorded.seed, true};
}

std::string settingsText(const ContourParams& params, const std::optional<RecordedSeed>& seed) {
  nlohmann::ordered_json json = paramsToJson(params);
  if (seed) {
    json[kSeedKey] = seed->seed;
    json[kDrawsBeforeKey] = seed->drawsBefore;
  }
  return json.dump(2) + "\n";
}

std::optional<RecordedSeed> seedToRecord(const RunSeed& seed, const easel::Random& random) {
  if (seed.given || random.draws() > 0) return RecordedSeed{seed.value, random.runStart()};
  return std::nullopt;
}

}  // namespace easel::host
