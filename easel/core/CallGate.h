// What sends host calls through their full frame (a trace, an armed fault, a
// pending stop), gathered in one word so that the usual call reads one value.
// Each source sets and clears its own reason; a stop may come from any
// thread, so the word is atomic.
#ifndef EASEL_CORE_CALLGATE_H
#define EASEL_CORE_CALLGATE_H

#include <atomic>
#include <cstdint>

namespace easel {

class CallGate {
 public:
  enum Reason : uint32_t { kTraced = 1, kFaultArmed = 2, kStopPending = 4 };

  void set(Reason reason, bool on) {
    if (on) bits_.fetch_or(reason, std::memory_order_relaxed);
    else
      bits_.fetch_and(~static_cast<uint32_t>(reason), std::memory_order_relaxed);
  }
  // True when no reason is set: calls may skip the frame.
  bool open() const { return bits_.load(std::memory_order_relaxed) == 0; }

 private:
  std::atomic<uint32_t> bits_{0};
};

}  // namespace easel

#endif
