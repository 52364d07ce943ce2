#include "easel/cli/FieldNames.h"

#include "easel/cli/NameSuggestions.h"
#include "easel/cli/ParamsJson.h"

namespace contour_cli {

const std::vector<std::string>& recordFieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const ParamsField& field : paramsFields()) all.emplace_back(field.name);
    return all;
  }();
  return names;
}

std::optional<std::string> recordFieldNamed(std::string_view name) {
  for (const std::string& field : recordFieldNames())
    if (sameNameIgnoringCase(field, name)) return field;
  return std::nullopt;
}

}  // namespace contour_cli
