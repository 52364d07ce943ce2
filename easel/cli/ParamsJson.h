// The filter's parameter record as JSON: one object with the record's 57
// field names as keys, in the record's order; integer fields hold JSON
// integers, real fields JSON numbers. Reals that JSON cannot hold are written
// as the strings "NaN", "Infinity" and "-Infinity"; reading refuses them, since
// the filter makes nothing from a non-finite real.
#ifndef EASEL_CLI_PARAMSJSON_H
#define EASEL_CLI_PARAMSJSON_H

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "plugin/params/ContourParams.h"

namespace contour_cli {

// A record that cannot be read; the message names the field.
class ParamsJsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ParamsField {
  const char* name;
  bool real;           // an IEEE single-precision real, else a 32-bit integer
  std::size_t offset;  // in ContourParams
};

// The record's fields in order.
std::span<const ParamsField> paramsFields();

// The record a new parameter block gets: every default, and 0 where the
// record has none (as in the host's new, zeroed block).
ContourParams defaultContourParams();

nlohmann::ordered_json paramsToJson(const ContourParams& params);
// Pretty-printed, ending with a newline.
std::string paramsToJsonText(const ContourParams& params);

// Fields that are missing take their defaults. An unknown field, a value of
// the wrong type, or a number that does not fit the field's type is an error.
ContourParams paramsFromJson(const nlohmann::json& json);
ContourParams paramsFromJsonText(std::string_view text);

// Writes one field from a JSON value, checked as above.
void setParamsField(ContourParams& params, std::string_view field, const nlohmann::json& value);
// Writes one field from text as typed on a command line: a JSON number.
void setParamsFieldText(ContourParams& params, std::string_view field, std::string_view valueText);

}  // namespace contour_cli

#endif
