#include "Handles.h"

#include <atomic>

namespace easel {

const char* handleCheckText(HandleCheck check) {
  switch (check) {
    case HandleCheck::Ok: return "valid";
    case HandleCheck::Null: return "null";
    case HandleCheck::Stale: return "stale";
    case HandleCheck::Foreign: return "foreign";
  }
  return "foreign";
}

uint32_t newOwnerTag() {
  static std::atomic<uint32_t> counter{0};
  return counter.fetch_add(1, std::memory_order_relaxed) % HandleLayout::kMaxTag + 1;
}

}  // namespace easel
