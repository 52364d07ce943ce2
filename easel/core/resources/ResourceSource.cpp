#include "easel/core/resources/ResourceSource.h"

namespace easel {

std::optional<std::vector<uint8_t>> ResourceSource::find(const ResId& type, const ResId& id) const {
  auto found = findResource(type, id);
  if (!found) return std::nullopt;
  return std::move(found->data);
}

}  // namespace easel
