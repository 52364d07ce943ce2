// The filter's parameter record as JSON: one object with the record's 57
// field names as keys, in the record's order; integer fields hold JSON
// integers, real fields JSON numbers. Reals that JSON cannot hold are written
// as the strings "NaN", "Infinity" and "-Infinity"; reading refuses them, since
// the filter makes nothing from a non-finite real.
#ifndef EASEL_HOST_PARAMSJSON_H
#define EASEL_HOST_PARAMSJSON_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "plugin/params/ContourParams.h"
#include "plugin/params/ParamFields.h"

namespace easel::host {

// A record that cannot be read; the message names the field.
class ParamsJsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A field of the record as the plug-in's field table describes it.
using ParamsField = ParamField;

// The record's fields in order.
inline std::span<const ParamsField> paramsFields() { return paramFields(); }

// The record a new parameter block gets: every default, and 0 where the
// record has none (as in the host's new, zeroed block).
ContourParams defaultContourParams();

nlohmann::ordered_json paramsToJson(const ContourParams& params);
// Pretty-printed, ending with a newline.
std::string paramsToJsonText(const ContourParams& params);

// How the keys and values of a record written by a person are read: the
// field a key names (given as typed; throws ParamsJsonError for none), and
// the number of a list's entry given by its text (none: the field has no list).
struct ParamsNaming {
  std::function<std::string(std::string_view key)> field;
  std::function<std::optional<int32_t>(std::string_view field, std::string_view text)> entry;
};

// Fields that are missing take their defaults. An unknown field, a value of
// the wrong type, or a number that does not fit the field's type is an error.
// With a naming, keys and list entries are read through it.
ContourParams paramsFromJson(const nlohmann::json& json, const ParamsNaming* naming = nullptr);
ContourParams paramsFromJsonText(std::string_view text, const ParamsNaming* naming = nullptr);
// The JSON of a record's text, not yet read as one; ParamsJsonError when it is no JSON.
nlohmann::json paramsJsonOf(std::string_view text);

// Writes one field from a JSON value, checked as above.
void setParamsField(ContourParams& params, std::string_view field, const nlohmann::json& value);
// Writes one field from text as typed on a command line: a JSON number.
void setParamsFieldText(ContourParams& params, std::string_view field, std::string_view valueText);

}  // namespace easel::host

#endif
