// Fault injection: make the acquisition of a named suite fail, or the n-th
// call of an operation fail with a given code, so that the plug-in's failure
// paths can be driven from tests and the command line.
#ifndef EASEL_CORE_FAULTS_H
#define EASEL_CORE_FAULTS_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "CallGate.h"

namespace easel {

class Faults {
 public:
  // Acquiring `suite` fails with `code` (default: suite not found).
  void failSuite(std::string_view suite, int32_t code);
  // The n-th call (1-based, counted from now) of the operation `op` fails
  // with `code` without doing anything.
  void failCall(std::string_view op, int nth, int32_t code);
  void clear();

  std::optional<int32_t> suiteFailure(std::string_view suite) const;
  // Counts this call of `op`; returns the code when it is to fail.
  std::optional<int32_t> onCall(std::string_view op);
  bool armed() const { return !calls_.empty(); }
  // The gate that learns whether a call fault is armed (the session's).
  void reportTo(CallGate* gate);

 private:
  struct CallFault {
    int nth;
    int seen = 0;
    int32_t code;
  };
  std::map<std::string, int32_t, std::less<>> suites_;
  std::map<std::string, CallFault, std::less<>> calls_;
  CallGate* gate_ = nullptr;
};

}  // namespace easel

#endif
