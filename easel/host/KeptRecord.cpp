#include "KeptRecord.h"

#include <cstring>
#include <type_traits>

namespace easel::host {

static_assert(std::is_trivially_copyable_v<ContourParams>, "the record is copied as the bytes the host keeps");

std::optional<ContourParams> keptRecord(PluginHost& host) {
  const void* block = host.parameterBlock();
  if (block == nullptr || host.parameterBlockSize() != sizeof(ContourParams)) return std::nullopt;
  ContourParams record{};
  std::memcpy(&record, block, sizeof record);
  return record;
}

void keepRecord(PluginHost& host, const ContourParams& record) { host.setParameterBlock(&record, sizeof record); }

}  // namespace easel::host
