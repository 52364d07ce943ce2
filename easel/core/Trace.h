// The record of every host operation the easel answers, as JSON lines:
// {"suite": "...", "op": "...", "in": {...}, "out": {...}, "result": N}
#ifndef EASEL_CORE_TRACE_H
#define EASEL_CORE_TRACE_H

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CallGate.h"

namespace easel {

class Trace {
 public:
  // Off by default: an untraced call costs nothing for its record.
  bool enabled() const { return toMemory_ || stream_ != nullptr; }
  // Keep the lines in memory (for tests and the editor).
  void captureToMemory(bool on) {
    toMemory_ = on;
    report();
  }
  // Also write each line, with a newline, to a stream (not owned).
  void writeTo(std::ostream* stream) {
    stream_ = stream;
    report();
  }
  // The gate that learns whether calls are traced (the session's).
  void reportTo(CallGate* gate) {
    gate_ = gate;
    report();
  }
  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); }
  void add(std::string line);

 private:
  void report() {
    if (gate_ != nullptr) gate_->set(CallGate::kTraced, enabled());
  }
  bool toMemory_ = false;
  std::ostream* stream_ = nullptr;
  CallGate* gate_ = nullptr;
  std::vector<std::string> lines_;
};

}  // namespace easel

#endif
