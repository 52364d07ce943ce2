#include "Random.h"

#include <chrono>

namespace easel {

uint64_t Random::seedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto seed = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  setSeed(seed);
  return seed;
}

}  // namespace easel
