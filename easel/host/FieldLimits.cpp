#include "easel/host/FieldLimits.h"

#include <cmath>
#include <limits>

#include "easel/core/NumberText.h"

namespace easel::host {

namespace {

using easel::adm::Limits;
using easel::adm::TypedValue;

// Whole numbers in full ("100000", not "1e+05"), as people type them.
std::string numberText(double x) {
  if (x == std::floor(x) && std::fabs(x) < 1e15) return std::to_string(static_cast<int64_t>(x));
  char text[easel::kShortestRoom];
  return std::string(text, easel::writeShortest(text, x));
}

std::string changeText(std::string_view name, const std::string& limits, double given, const TypedValue& typed) {
  std::string line = std::string(name) + ": " + numberText(given) + " is ";
  if (typed.held) line += "outside " + limits;
  if (typed.held && typed.rounded) line += " and ";
  if (typed.rounded) line += "not a whole number";
  return line + "; " + numberText(typed.value) + " is used";
}

[[noreturn]] void fail(const ParamsField& field, const std::string& problem) {
  throw ParamsJsonError("field \"" + std::string(field.name) + "\": " + problem);
}

int32_t flagFrom(const ParamsField& field, const nlohmann::json& value) {
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (value.is_number() && (value.get<double>() == 0 || value.get<double>() == 1))
    return static_cast<int32_t>(value.get<double>());
  fail(field, value.dump() + " is not 0 or 1");
}

}  // namespace

std::optional<Limits> fieldLimits(const ParamsField& field, std::optional<int32_t> swatchCount) {
  if (field.item == kNoItem || !field.range) return std::nullopt;
  std::optional<double> maximum;
  if (!field.range->swatchBound) maximum = field.range->maximum;
  else if (swatchCount)
    maximum = *swatchCount;
  return Limits{!field.isReal(), field.range->minimum, maximum};
}

std::string limitsText(const ParamsField& field, std::optional<int32_t> swatchCount) {
  if (!field.range) return "any value";
  const std::string low = easel::shortestText(field.range->minimum);
  if (!field.range->swatchBound) return low + ".." + easel::shortestText(field.range->maximum);
  return low + ".." + (swatchCount ? std::to_string(*swatchCount) : std::string("the number of swatches"));
}

std::string changedValueWarning(const ParamsField& field, double given, const TypedValue& typed,
                                std::optional<int32_t> swatchCount) {
  return changeText(field.name, limitsText(field, swatchCount), given, typed);
}

std::string changedValueWarning(const easel::adm::Item& item, double given, const TypedValue& typed) {
  const ParamsField* field = paramFieldShownBy(item.id);
  const auto limit = [](const std::optional<double>& x) { return x ? numberText(*x) : std::string("any"); };
  return changeText(field ? std::string(field->name) : "item " + std::to_string(item.id),
                    limit(item.minimum) + ".." + limit(item.maximum), given, typed);
}

ParamsWithinLimits paramsWithinLimits(std::string_view text, const ParamsNaming& naming,
                                      std::optional<int32_t> swatchCount) {
  const nlohmann::json json = paramsJsonOf(text);
  if (!json.is_object())
    throw ParamsJsonError(std::string("expected a JSON object of fields, got ") + json.type_name());
  ParamsWithinLimits read{defaultContourParams(), {}, std::nullopt};
  for (const auto& [key, value] : json.items()) {
    if (key == kSeedKey || key == kDrawsBeforeKey) {
      if (!value.is_number_unsigned())
        throw ParamsJsonError("\"" + key + "\": expected a whole number from 0 to 18446744073709551615");
      if (!read.seed) read.seed = RecordedSeed{};
      (key == kSeedKey ? read.seed->seed : read.seed->drawsBefore) = value.get<uint64_t>();
      continue;
    }
    const std::string name = naming.field(key);
    const ParamsField& field = *findParamField(name);
    if (field.type == FieldType::List && (value.is_string() || value.is_number())) {
      // A number is an entry's too: one the list does not have is refused as a name is.
      const std::optional<int32_t> entry =
          naming.entry(name, value.is_string() ? value.get<std::string>() : value.dump());
      if (entry) {
        read.params.*field.field.integer = *entry;
        continue;
      }
    }
    if (field.type == FieldType::Flag) {
      read.params.*field.field.integer = flagFrom(field, value);
      continue;
    }
    const std::optional<Limits> limits = fieldLimits(field, swatchCount);
    if (!limits || !value.is_number()) {
      setParamsField(read.params, name, value);  // exact, or the error of a value of the wrong type
      continue;
    }
    const double given = value.get<double>();
    const TypedValue typed = easel::adm::typeWithin(*limits, given);
    if (typed.rounded || typed.held) read.warnings.push_back(changedValueWarning(field, given, typed, swatchCount));
    if (field.isReal()) {
      setParamsField(read.params, name, typed.value);
    } else if (std::fabs(typed.value) <= std::numeric_limits<int32_t>::max()) {
      read.params.*field.field.integer = static_cast<int32_t>(typed.value);
    } else {
      fail(field, numberText(given) + " does not fit a 32-bit integer");
    }
  }
  return read;
}

}  // namespace easel::host
