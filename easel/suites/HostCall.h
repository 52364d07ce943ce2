// The frame of every suite function: checks that the suite is held, applies
// injected faults, turns exceptions into error codes and writes the trace line.
//
//   ASErr duplicateArt(...) noexcept {
//     return easel::hostCall(SuiteId::AIArt, "duplicate art", [&](easel::Call& c) {
//       c.in("art", art).in("paintOrder", paintOrder);
//       ... c.out("newArt", copy); return kNoErr; });
//   }
#ifndef EASEL_SUITES_HOSTCALL_H
#define EASEL_SUITES_HOSTCALL_H

#include <cstdint>
#include <new>
#include <string>
#include <type_traits>
#include <string_view>

#include "plugin/host/ADMTypes.h"
#include "plugin/host/HostTypes.h"
#include "easel/core/Json.h"
#include "easel/core/Session.h"

namespace easel {

// Trace values of the interface's own types.
void writeJson(JsonWriter& w, const AIRealPoint& p);
void writeJson(JsonWriter& w, const AIRealRect& r);
void writeJson(JsonWriter& w, const AIRealMatrix& m);
void writeJson(JsonWriter& w, const ADMRect& r);
void writeJson(JsonWriter& w, const ADMRealPoint& p);
// Opaque handles are written as numbers (0 for null).
void writeJson(JsonWriter& w, const void* handle);
inline void writeJson(JsonWriter& w, std::string_view s) { w.value(s); }
inline void writeJson(JsonWriter& w, const char* s) { w.value(s); }
inline void writeJson(JsonWriter& w, bool b) { w.value(b); }
inline void writeJson(JsonWriter& w, float x) { w.value(x); }
inline void writeJson(JsonWriter& w, double x) { w.value(x); }
template <class Int, class = std::enable_if_t<std::is_integral_v<Int>>>
inline void writeJson(JsonWriter& w, Int n) {
  if constexpr (std::is_signed_v<Int>) w.value(static_cast<int64_t>(n));
  else
    w.value(static_cast<uint64_t>(n));
}

class Call {
 public:
  Call(Session& session, SuiteId suite, const char* op)
      : session_(session), suite_(suite), op_(op), tracing_(session.trace.enabled()) {
    if (tracing_) {
      in_.beginObject();
      out_.beginObject();
    }
  }
  Session& session() { return session_; }
  bool tracing() const { return tracing_; }

  template <class T>
  Call& in(std::string_view key, const T& value) {
    if (tracing_) {
      in_.key(key);
      writeJson(in_, value);
    }
    return *this;
  }
  template <class T>
  Call& out(std::string_view key, const T& value) {
    if (tracing_) {
      out_.key(key);
      writeJson(out_, value);
    }
    return *this;
  }
  // For values that need more than one writeJson (arrays, records).
  JsonWriter* inWriter() { return tracing_ ? &in_ : nullptr; }
  JsonWriter* outWriter() { return tracing_ ? &out_ : nullptr; }

  // Returns false with *code set when the call must not run (suite not held,
  // injected fault). The usual case is decided inline.
  bool begin(ASErr* code) {
    if (session_.isHeld(suite_) && !session_.faults.armed()) return true;
    return beginChecked(code);
  }
  void end(ASErr result);
  // Records misuse of a handle or argument (also in the trace line).
  void misuse(std::string what);

 private:
  bool beginChecked(ASErr* code);
  Session& session_;
  SuiteId suite_;
  const char* op_;
  bool tracing_;
  JsonWriter in_, out_;
  std::string misuse_;
};

template <class Body>
ASErr hostCall(SuiteId suite, const char* op, Body&& body) noexcept {
  Session* session = Session::current();
  if (session == nullptr) return kBadParameterErr;
  try {
    Call call(*session, suite, op);
    ASErr result = kNoErr;
    if (call.begin(&result)) {
      try {
        result = body(call);
      } catch (const std::bad_alloc&) {
        result = kOutOfMemoryErr;
      } catch (...) {
        result = kBadParameterErr;
      }
    }
    call.end(result);
    return result;
  } catch (...) {
    return kOutOfMemoryErr;  // the trace itself ran out of memory
  }
}

}  // namespace easel

#endif
