// How a long run is followed and stopped from outside the plug-in. The host
// thread reports every copy of art that a run makes; a listener (a progress
// bar, the editor's busy state) hears of each. Any thread may ask for a stop:
// from then until the run ends, the plug-in's host calls fail with
// kUserCanceledErr. The engine ends a run at a failed call, except where it
// passes over one (a path style it cannot read is left alone), so the stop
// holds until the next call the run cannot do without.
#ifndef EASEL_CORE_RUNWATCH_H
#define EASEL_CORE_RUNWATCH_H

#include <atomic>
#include <cstdint>
#include <functional>

#include "CallGate.h"

namespace easel {

class RunWatch {
 public:
  // Called on the host thread with the copied art and the copies made so far.
  using Listener = std::function<void(uintptr_t source, uint64_t copies)>;

  // Host thread.
  void setListener(Listener listener) { listener_ = std::move(listener); }
  void copied(uintptr_t source) {
    // Only the host thread writes the count, so a plain load and store do:
    // a locked add would wait for the copy's own stores to drain, on every copy.
    const uint64_t made = copies_.load(std::memory_order_relaxed) + 1;
    copies_.store(made, std::memory_order_relaxed);
    if (listener_) listener_(source, made);
  }
  // A new run starts with no copies and no stop pending. The gate forgets the
  // stop before the stop is cleared: a request made in between then leaves
  // both set, never the stop without the gate's reason.
  void startRun() {
    copies_.store(0, std::memory_order_relaxed);
    if (gate_ != nullptr) gate_->set(CallGate::kStopPending, false);
    stop_.store(false, std::memory_order_relaxed);
    stopped_.store(false, std::memory_order_relaxed);
  }
  // Whether a call must fail for a stop: every call from the request until
  // the run ends.
  bool takeStop() {
    if (!stop_.load(std::memory_order_acquire)) return false;
    stopped_.store(true, std::memory_order_relaxed);
    return true;
  }

  // Any thread.
  void requestStop() {
    stop_.store(true, std::memory_order_release);
    if (gate_ != nullptr) gate_->set(CallGate::kStopPending, true);
  }
  bool stopPending() const { return stop_.load(std::memory_order_relaxed); }
  // Whether a host call failed because of a stop since the run started.
  bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
  uint64_t copies() const { return copies_.load(std::memory_order_relaxed); }
  // The gate that learns of a pending stop (the session's); set before any
  // other thread may ask for one.
  void reportTo(CallGate* gate) {
    gate_ = gate;
    if (gate_ != nullptr) gate_->set(CallGate::kStopPending, stopPending());
  }

 private:
  Listener listener_;
  std::atomic<uint64_t> copies_{0};
  std::atomic<bool> stop_{false};
  std::atomic<bool> stopped_{false};
  CallGate* gate_ = nullptr;
};

}  // namespace easel

#endif
