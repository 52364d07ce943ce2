#include "Faults.h"

#include "plugin/host/HostTypes.h"

namespace easel {

void Faults::failSuite(std::string_view suite, int32_t code) { suites_[std::string(suite)] = code; }

void Faults::failCall(std::string_view op, int nth, int32_t code) {
  calls_[std::string(op)] = CallFault{nth, 0, code};
  reportTo(gate_);
}

void Faults::clear() {
  suites_.clear();
  calls_.clear();
  reportTo(gate_);
}

void Faults::reportTo(CallGate* gate) {
  gate_ = gate;
  if (gate_ != nullptr) gate_->set(CallGate::kFaultArmed, armed());
}

std::optional<int32_t> Faults::suiteFailure(std::string_view suite) const {
  auto it = suites_.find(suite);
  if (it == suites_.end()) return std::nullopt;
  return it->second;
}

std::optional<int32_t> Faults::onCall(std::string_view op) {
  auto it = calls_.find(op);
  if (it == calls_.end()) return std::nullopt;
  if (++it->second.seen != it->second.nth) return std::nullopt;
  return it->second.code;
}

}  // namespace easel
