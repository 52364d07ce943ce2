#include "easel/host/ParamsJson.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "easel/core/JsonDepth.h"
#include "easel/core/NumberText.h"

namespace easel::host {

namespace {

// Only the exact name: the JSON's keys are the record's names as written.
const ParamsField& fieldNamed(std::string_view name) {
  const ParamsField* field = findParamField(name);
  if (field == nullptr || name != field->name)
    throw ParamsJsonError("unknown field \"" + easel::quotedExcerpt(name) + "\"");
  return *field;
}

[[noreturn]] void fail(const ParamsField& field, const std::string& problem) {
  throw ParamsJsonError("field \"" + std::string(field.name) + "\": " + problem);
}

// The shortest decimal that reads back to the same float, as a double, so that
// 0.1f is written 0.1 and not 0.10000000149011612.
nlohmann::ordered_json realValue(float x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  return easel::shortestAsDouble(x);
}

float realFrom(const ParamsField& field, const nlohmann::json& value) {
  // The names the writer gives a NaN or an infinity are refused by name: the
  // filter makes nothing from them and would still report success.
  if (value.is_string()) {
    const auto& text = value.get_ref<const std::string&>();
    if (text == "NaN" || text == "Infinity" || text == "-Infinity") fail(field, text + " is not a finite real");
    fail(field, "expected a real number, got the string \"" + easel::quotedExcerpt(text) + "\"");
  }
  if (!value.is_number()) fail(field, std::string("expected a real number, got ") + value.type_name());
  // Numbers up to half a unit beyond the largest float still round to it.
  constexpr double kBeyondFloat = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
  const double x = value.get<double>();
  if (!(std::fabs(x) < kBeyondFloat)) {
    fail(field, value.dump() + " does not fit a single-precision real");
  }
  return static_cast<float>(x);
}

int32_t integerFrom(const ParamsField& field, const nlohmann::json& value) {
  if (!value.is_number_integer())
    fail(field, std::string("expected an integer, got ") + (value.is_number() ? "a real number" : value.type_name()));
  constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
  constexpr int64_t highest = std::numeric_limits<int32_t>::max();
  const bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= static_cast<uint64_t>(highest)
                                               : value.get<int64_t>() >= lowest && value.get<int64_t>() <= highest;
  if (!fits) fail(field, value.dump() + " does not fit a 32-bit integer");
  return static_cast<int32_t>(value.get<int64_t>());
}

}  // namespace

ContourParams defaultContourParams() {
  ContourParams params;
  std::memset(&params, 0, sizeof params);
  setContourDefaults(params);
  return params;
}

nlohmann::ordered_json paramsToJson(const ContourParams& params) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const ParamsField& field : paramFields()) {
    if (field.isReal()) json[field.name] = realValue(params.*field.field.real);
    else
      json[field.name] = params.*field.field.integer;
  }
  return json;
}

std::string paramsToJsonText(const ContourParams& params) { return paramsToJson(params).dump(2) + "\n"; }

void setParamsField(ContourParams& params, std::string_view name, const nlohmann::json& value) {
  const ParamsField& field = fieldNamed(name);
  if (field.isReal()) params.*field.field.real = realFrom(field, value);
  else
    params.*field.field.integer = integerFrom(field, value);
}

void setParamsFieldText(ContourParams& params, std::string_view field, std::string_view valueText) {
  nlohmann::json value = nlohmann::json::parse(valueText, nullptr, false);
  // Text that is not JSON (NaN, a word) is taken as a string, which no field
  // accepts; the error then names the field.
  if (value.is_discarded()) value = std::string(valueText);
  setParamsField(params, field, value);
}

ContourParams paramsFromJson(const nlohmann::json& json, const ParamsNaming* naming) {
  if (!json.is_object())
    throw ParamsJsonError(std::string("expected a JSON object of fields, got ") + json.type_name());
  ContourParams params = defaultContourParams();
  for (const auto& [key, value] : json.items()) {
    const std::string name = naming ? naming->field(key) : key;
    std::optional<int32_t> entry;
    if (naming && value.is_string() && !fieldNamed(name).isReal())
      entry = naming->entry(name, value.get<std::string>());
    setParamsField(params, name, entry ? nlohmann::json(*entry) : value);
  }
  return params;
}

nlohmann::json paramsJsonOf(std::string_view text) {
  if (auto tooDeep = easel::jsonTooDeep(text)) throw ParamsJsonError(*tooDeep);
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& error) {  // a parse error, or a number too large to read
    // Without the library's "[json.exception.parse_error.101] " prefix.
    const std::string what = error.what();
    const std::size_t close = what.find("] ");
    throw ParamsJsonError("not JSON: " + (close == std::string::npos ? what : what.substr(close + 2)));
  }
  return json;
}

ContourParams paramsFromJsonText(std::string_view text, const ParamsNaming* naming) {
  return paramsFromJson(paramsJsonOf(text), naming);
}

}  // namespace easel::host
