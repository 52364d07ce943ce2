#include "easel/cli/FieldNames.h"

#include "easel/host/ParamsJson.h"

namespace contour_cli {

using namespace easel::host;

const std::vector<std::string>& recordFieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const ParamsField& field : paramsFields()) all.emplace_back(field.name);
    return all;
  }();
  return names;
}

std::optional<std::string> recordFieldNamed(std::string_view name) {
  const ParamField* field = findParamField(name);
  if (field == nullptr) return std::nullopt;
  return std::string(field->name);
}

}  // namespace contour_cli
