#include "plugin/params/ParamFields.h"

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

const ParamField* findParamField(std::string_view name) {
  for (const ParamField& row : paramFields())
    if (sameIgnoringCase(row.name, name)) return &row;
  return nullptr;
}
