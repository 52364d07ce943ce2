#include "HostCall.h"

#include <cstdint>
#include <string_view>

namespace easel {

void writeJson(JsonWriter& w, const AIRealPoint& p) { w.beginArray().value(p.h).value(p.v).endArray(); }

void writeJson(JsonWriter& w, const AIRealRect& r) {
  w.beginObject().key("left").value(r.left).key("top").value(r.top).key("right").value(r.right);
  w.key("bottom").value(r.bottom).endObject();
}

void writeJson(JsonWriter& w, const AIRealMatrix& m) {
  w.beginArray().value(m.a).value(m.b).value(m.c).value(m.d).value(m.tx).value(m.ty).endArray();
}

void writeJson(JsonWriter& w, const ADMRect& r) {
  w.beginArray().value(r.left).value(r.top).value(r.right).value(r.bottom).endArray();
}

void writeJson(JsonWriter& w, const ADMRealPoint& p) { w.beginArray().value(p.h).value(p.v).endArray(); }

void writeJson(JsonWriter& w, const void* handle) {
  w.value(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(handle)));
}

}  // namespace easel

namespace easel::suites {

namespace {

// Calls that give memory back succeed during a stop: the plug-in frees its
// blocks as it unwinds, and a refusal would only leak them.
bool givesMemoryBack(std::string_view op) { return op == "dispose handle" || op == "free block"; }

}  // namespace

bool Call::begin(ASErr* code) {
  if (!session_.isHeld(suite_)) {
    misuse(std::string("called while \"") + std::string(suiteName(suite_)) + "\" is not held");
    *code = kSuiteReleasedErr;
    return false;
  }
  if (session_.watch.stopPending() && !givesMemoryBack(op_) && session_.watch.takeStop()) {
    *code = kUserCanceledErr;
    if (record_ != nullptr) record_->out.key("stopped").value(true);
    return false;
  }
  if (session_.faults.armed()) {
    if (auto fault = session_.faults.onCall(op_)) {
      *code = *fault;
      if (record_ != nullptr) record_->out.key("injected").value(true);
      return false;
    }
  }
  return true;
}

void Call::misuse(std::string what) {
  session_.recordMisuse(std::string(op_) + ": " + what);
  if (record_ != nullptr && record_->misuse.empty()) record_->misuse = std::move(what);
}

void Call::end(ASErr result) {
  if (record_ == nullptr) return;
  JsonWriter& in = record_->in;
  JsonWriter& out = record_->out;
  in.endObject();
  out.endObject();
  JsonWriter line;
  line.beginObject().key("suite").value(suiteName(suite_)).key("op").value(op_);
  line.key("in").raw(in.str()).key("out").raw(out.str()).key("result").value(result);
  if (!record_->misuse.empty()) line.key("misuse").value(record_->misuse);
  line.endObject();
  session_.trace.add(line.take());
}

}  // namespace easel::suites
