// The frame of every suite function: checks that the suite is held, applies
// injected faults, turns exceptions into error codes and writes the trace line.
// A call that needs none of these (held, untraced, no fault armed) goes
// straight to its body.
//
//   ASErr duplicateArt(...) noexcept {
//     return hostCall(SuiteId::AIArt, "duplicate art", [&](Call& c) {
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

// Trace values of the interface's own types. In namespace easel, beside
// JsonWriter, so that the trace's templates find the overloads declared
// after them (DocumentCall.h) by the writer's type.
namespace easel {

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

}  // namespace easel

namespace easel::suites {

// What a traced call writes into its trace line.
struct CallRecord {
  JsonWriter in, out;
  std::string misuse;
};

class Call {
 public:
  // `record` is null when nothing is traced: in() and out() then cost one test.
  Call(Session& session, SuiteId suite, const char* op, CallRecord* record)
      : session_(session), suite_(suite), op_(op), record_(record) {
    if (record_ != nullptr) {
      record_->in.beginObject();
      record_->out.beginObject();
    }
  }
  Session& session() { return session_; }
  bool tracing() const { return record_ != nullptr; }

  template <class T>
  Call& in(std::string_view key, const T& value) {
    return note(&CallRecord::in, key, value);
  }
  template <class T>
  Call& out(std::string_view key, const T& value) {
    return note(&CallRecord::out, key, value);
  }
  // For values that need more than one writeJson (arrays, records).
  JsonWriter* inWriter() { return record_ != nullptr ? &record_->in : nullptr; }
  JsonWriter* outWriter() { return record_ != nullptr ? &record_->out : nullptr; }

  // Returns false with *code set when the call must not run (suite not held,
  // injected fault).
  bool begin(ASErr* code);
  // Writes the trace line, when traced.
  void end(ASErr result);
  // Records misuse of a handle or argument (also in the trace line).
  void misuse(std::string what);

 private:
  template <class T>
  Call& note(JsonWriter CallRecord::*side, std::string_view key, const T& value) {
    if (record_ != nullptr) {
      (record_->*side).key(key);
      writeJson(record_->*side, value);
    }
    return *this;
  }
  Session& session_;
  SuiteId suite_;
  const char* op_;
  CallRecord* record_;
};

// Runs the body, turning exceptions into error codes.
template <class Body>
ASErr runBody(Call& call, Body& body) noexcept {
  try {
    return body(call);
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  } catch (...) {
    return kBadParameterErr;
  }
}

// The full frame: checks, injects and traces. It is kept out of line and
// takes a copy of the body, so that the usual case saves none of the
// registers the frame needs. A body that captures its arguments by value
// (the calls the point walk makes for every segment) is then copied from
// registers, and the usual case needs no frame of its own; one that captures
// them by reference makes the compiler keep the arguments in memory.
template <class Body>
[[gnu::noinline, gnu::cold]] ASErr framedHostCall(Session& session, SuiteId suite, const char* op, Body body) noexcept {
  try {
    CallRecord record;
    Call call(session, suite, op, session.trace.enabled() ? &record : nullptr);
    ASErr result = kNoErr;
    if (call.begin(&result)) result = runBody(call, body);
    call.end(result);
    return result;
  } catch (...) {
    return kOutOfMemoryErr;  // the trace itself ran out of memory
  }
}

// Asks for a host call's body to be inlined into its plain path (a macro, so
// that the formatter reads the lambda that carries it as a lambda).
#define EASEL_INLINE_BODY __attribute__((always_inline))

// The usual case, with the suite held, nothing traced and no fault armed,
// takes one branch to the body; the full frame checks, injects and traces.
template <class Body>
ASErr hostCall(SuiteId suite, const char* op, Body&& body) noexcept {
  Session* session = Session::current();
  if (session == nullptr) return kBadParameterErr;
  if (session->runsPlain(suite)) [[likely]] {
    // Written out rather than through runBody so that the body is inlined
    // here, where the compiler sees that nothing is traced.
    Call call(*session, suite, op, nullptr);
    try {
      return body(call);
    } catch (const std::bad_alloc&) {
      return kOutOfMemoryErr;
    } catch (...) {
      return kBadParameterErr;
    }
  }
  return framedHostCall<std::decay_t<Body>>(*session, suite, op, body);
}

}  // namespace easel::suites

#endif
