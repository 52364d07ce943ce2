#include "easel/cli/ParamsJson.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "easel/core/JsonDepth.h"

namespace contour_cli {

namespace {

#define CONTOUR_INT(name) ParamsField{#name, false, offsetof(ContourParams, name)}
#define CONTOUR_REAL(name) ParamsField{#name, true, offsetof(ContourParams, name)}

const ParamsField kFields[] = {
    CONTOUR_INT(previewOn),          CONTOUR_INT(pointsAddScale),      CONTOUR_INT(pathAlternateFlip),
    CONTOUR_INT(linkContourScale),   CONTOUR_INT(scaleLines),          CONTOUR_INT(pointsKeepDirection),
    CONTOUR_INT(pointsApply),        CONTOUR_INT(pathCreate),          CONTOUR_INT(pointsKeepAnchor),
    CONTOUR_INT(pointsRotateCenter), CONTOUR_INT(pathDelete),          CONTOUR_INT(placeAbove),
    CONTOUR_INT(pathOpacity),        CONTOUR_INT(shiftMode),           CONTOUR_INT(currentPage),
    CONTOUR_INT(contourCount),       CONTOUR_INT(contourScaleMode),    CONTOUR_INT(skipCount),
    CONTOUR_INT(createCount),        CONTOUR_INT(presetStyle),         CONTOUR_INT(rotationCenterMode),
    CONTOUR_INT(widthMode),          CONTOUR_INT(rotationPathNumber),  CONTOUR_INT(pointsVariationMode),
    CONTOUR_INT(pointsContourMode),  CONTOUR_REAL(viewZoom),           CONTOUR_REAL(scaleH),
    CONTOUR_REAL(scaleV),            CONTOUR_REAL(shiftH),             CONTOUR_REAL(shiftV),
    CONTOUR_REAL(rotation),          CONTOUR_REAL(centerX),            CONTOUR_REAL(centerY),
    CONTOUR_REAL(pointsContourAmount), CONTOUR_REAL(interpolateAnchor), CONTOUR_REAL(interpolateDirection),
    CONTOUR_REAL(interpolateStyle),  CONTOUR_REAL(pointsVariance),     CONTOUR_REAL(widthAmount),
    CONTOUR_INT(fillColorMode),      CONTOUR_INT(fillSwatchIndex),     CONTOUR_INT(fillSteps),
    CONTOUR_INT(strokeColorMode),    CONTOUR_INT(strokeSwatchIndex),   CONTOUR_INT(strokeSteps),
    CONTOUR_INT(patternMode),        CONTOUR_INT(finalRun),            CONTOUR_INT(previewShown),
    CONTOUR_INT(dialogBoundsLeft),   CONTOUR_INT(dialogBoundsTop),     CONTOUR_INT(dialogBoundsRight),
    CONTOUR_INT(dialogBoundsBottom), CONTOUR_INT(reserved1),           CONTOUR_INT(reserved2),
    CONTOUR_INT(reserved3),          CONTOUR_INT(reserved4),           CONTOUR_INT(dialogBoundsSaved),
};

#undef CONTOUR_INT
#undef CONTOUR_REAL

static_assert(std::size(kFields) == sizeof(ContourParams) / 4, "every field of the record has a name");

template <class T>
T readAt(const ContourParams& params, std::size_t offset) {
  T value;
  std::memcpy(&value, reinterpret_cast<const unsigned char*>(&params) + offset, sizeof value);
  return value;
}

template <class T>
void writeAt(ContourParams& params, std::size_t offset, T value) {
  std::memcpy(reinterpret_cast<unsigned char*>(&params) + offset, &value, sizeof value);
}

const ParamsField& fieldNamed(std::string_view name) {
  for (const ParamsField& field : kFields) {
    if (name == field.name) return field;
  }
  throw ParamsJsonError("unknown field \"" + easel::quotedExcerpt(name) + "\"");
}

[[noreturn]] void fail(const ParamsField& field, const std::string& problem) {
  throw ParamsJsonError("field \"" + std::string(field.name) + "\": " + problem);
}

// The shortest decimal that reads back to the same float, as a double, so that
// 0.1f is written 0.1 and not 0.10000000149011612.
nlohmann::ordered_json realValue(float x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  char text[32];
  auto written = std::to_chars(text, text + sizeof text, x);
  double shortest = 0;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
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
  if (!value.is_number_integer()) fail(field, std::string("expected an integer, got ") + (value.is_number() ? "a real number" : value.type_name()));
  constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
  constexpr int64_t highest = std::numeric_limits<int32_t>::max();
  const bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= static_cast<uint64_t>(highest)
                                               : value.get<int64_t>() >= lowest && value.get<int64_t>() <= highest;
  if (!fits) fail(field, value.dump() + " does not fit a 32-bit integer");
  return static_cast<int32_t>(value.get<int64_t>());
}

}  // namespace

std::span<const ParamsField> paramsFields() { return kFields; }

ContourParams defaultContourParams() {
  ContourParams params;
  std::memset(&params, 0, sizeof params);
  setContourDefaults(params);
  return params;
}

nlohmann::ordered_json paramsToJson(const ContourParams& params) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const ParamsField& field : kFields) {
    if (field.real) json[field.name] = realValue(readAt<float>(params, field.offset));
    else json[field.name] = readAt<int32_t>(params, field.offset);
  }
  return json;
}

std::string paramsToJsonText(const ContourParams& params) { return paramsToJson(params).dump(2) + "\n"; }

void setParamsField(ContourParams& params, std::string_view name, const nlohmann::json& value) {
  const ParamsField& field = fieldNamed(name);
  if (field.real) writeAt(params, field.offset, realFrom(field, value));
  else writeAt(params, field.offset, integerFrom(field, value));
}

void setParamsFieldText(ContourParams& params, std::string_view field, std::string_view valueText) {
  nlohmann::json value = nlohmann::json::parse(valueText, nullptr, false);
  // Text that is not JSON (NaN, a word) is taken as a string, which no field
  // accepts; the error then names the field.
  if (value.is_discarded()) value = std::string(valueText);
  setParamsField(params, field, value);
}

ContourParams paramsFromJson(const nlohmann::json& json) {
  if (!json.is_object()) throw ParamsJsonError(std::string("expected a JSON object of fields, got ") + json.type_name());
  ContourParams params = defaultContourParams();
  for (const auto& [name, value] : json.items()) setParamsField(params, name, value);
  return params;
}

ContourParams paramsFromJsonText(std::string_view text) {
  if (auto tooDeep = easel::jsonTooDeep(text)) throw ParamsJsonError(*tooDeep);
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& error) {  // a parse error, or a number too large to read
    throw ParamsJsonError(std::string("not JSON: ") + error.what());
  }
  return paramsFromJson(json);
}

}  // namespace contour_cli
