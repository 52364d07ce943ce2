#include "SuiteId.h"

namespace easel {

std::string_view suiteName(SuiteId id) {
  if (id == SuiteId::SPBasic) return "SP Basic Suite";
  return kSuiteNames[static_cast<std::size_t>(id)].name;
}

std::optional<SuiteId> findSuite(std::string_view name) {
  for (const auto& row : kSuiteNames)
    if (row.name == name) return row.id;
  return std::nullopt;
}

}  // namespace easel
