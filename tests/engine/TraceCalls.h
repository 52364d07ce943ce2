// Reading the host calls of the trace back, for the engine tests that check
// what the plug-in asked the host to do (matrices, paint orders, call order).
#ifndef CONTOUR_TESTS_ENGINE_TRACECALLS_H
#define CONTOUR_TESTS_ENGINE_TRACECALLS_H

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "plugin/host/HostTypes.h"

namespace contour_test {

struct TraceCall {
  std::string op;
  nlohmann::json in, out;
  int64_t result = 0;
};

inline std::vector<TraceCall> traceCalls(const std::vector<std::string>& lines) {
  std::vector<TraceCall> calls;
  for (const std::string& line : lines) {
    const nlohmann::json j = nlohmann::json::parse(line);
    calls.push_back({j.at("op").get<std::string>(), j.at("in"), j.at("out"), j.at("result").get<int64_t>()});
  }
  return calls;
}

inline std::vector<TraceCall> callsOf(const std::vector<std::string>& lines, const std::string& op) {
  std::vector<TraceCall> calls;
  for (TraceCall& call : traceCalls(lines)) {
    if (call.op == op) calls.push_back(std::move(call));
  }
  return calls;
}

inline std::vector<std::string> opsOf(const std::vector<std::string>& lines) {
  std::vector<std::string> ops;
  for (const TraceCall& call : traceCalls(lines)) ops.push_back(call.op);
  return ops;
}

// The operations after the first failed call of `op`, suite releases left out.
inline std::vector<std::string> opsAfterFailed(const std::vector<std::string>& lines, const std::string& op) {
  std::vector<std::string> after;
  bool failed = false;
  for (const TraceCall& call : traceCalls(lines)) {
    if (failed && call.op != "release suite") after.push_back(call.op);
    failed = failed || (call.op == op && call.result != 0);
  }
  return after;
}

// A traced real: a number, or one of the strings that stand for the non-finite ones.
inline AIReal tracedReal(const nlohmann::json& value) {
  if (value.is_string()) {
    const std::string s = value.get<std::string>();
    if (s == "NaN") return std::numeric_limits<AIReal>::quiet_NaN();
    return s[0] == '-' ? -std::numeric_limits<AIReal>::infinity() : std::numeric_limits<AIReal>::infinity();
  }
  return static_cast<AIReal>(value.get<double>());
}

// The matrix a "transform art" call was given: its one array of six reals.
inline AIRealMatrix tracedMatrix(const TraceCall& call) {
  for (const auto& [key, value] : call.in.items()) {
    if (value.is_array() && value.size() == 6) {
      return {tracedReal(value[0]), tracedReal(value[1]), tracedReal(value[2]),
              tracedReal(value[3]), tracedReal(value[4]), tracedReal(value[5])};
    }
  }
  return {};
}

inline std::vector<AIRealMatrix> transformMatrices(const std::vector<std::string>& lines) {
  std::vector<AIRealMatrix> matrices;
  for (const TraceCall& call : callsOf(lines, "transform art")) matrices.push_back(tracedMatrix(call));
  return matrices;
}

// The point a rotation matrix leaves in place, and its angle in degrees.
inline AIRealPoint fixedPoint(const AIRealMatrix& m) {
  // (I - A) p = t, solved in double.
  const double a = 1.0 - m.a, b = -static_cast<double>(m.c), c = -static_cast<double>(m.b), d = 1.0 - m.d;
  const double det = a * d - b * c;
  return {static_cast<AIReal>((d * m.tx - b * m.ty) / det), static_cast<AIReal>((a * m.ty - c * m.tx) / det)};
}

inline double rotationDegrees(const AIRealMatrix& m) { return std::atan2(m.b, m.a) * 180.0 / 3.14159265358979323846; }

}  // namespace contour_test

#endif
