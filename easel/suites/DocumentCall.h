// Shared by the suites over the document: the call frame that turns the
// document's refusals into error codes, and the trace form of the
// interface's paint and path records.
#ifndef EASEL_SUITES_DOCUMENTCALL_H
#define EASEL_SUITES_DOCUMENTCALL_H

#include <span>
#include <string>

#include "easel/core/Document.h"
#include "easel/suites/HostCall.h"
#include "plugin/host/AIColor.h"
#include "plugin/host/AIPath.h"
#include "plugin/host/AIPathStyle.h"

namespace easel {

// More trace values (TraceValues.cpp), beside those of HostCall.h.
void writeJson(JsonWriter& w, const AIPathSegment& s);
void writeJson(JsonWriter& w, std::span<const AIPathSegment> segments);
void writeJson(JsonWriter& w, const AIColor& c);
void writeJson(JsonWriter& w, const AIPathStyle& s);

}  // namespace easel

namespace easel::suites {

// hostCall for an operation on the current document: a DocumentError becomes
// its code. Bad handles and arguments are misuse; art that the operation does
// not apply to is not (the plug-in may ask, and handle the refusal).
// The frame's body holds a copy of the operation's body, so that one that
// captures by value keeps its arguments in registers (HostCall.h), and it is
// always inlined: with a plain and a framed path to call it from, the
// compiler left it out of line, and every segment read and write of the
// point walk paid for a second call and frame.
template <class Body>
ASErr documentCall(SuiteId suite, const char* op, Body&& body) noexcept {
  return hostCall(suite, op, [body](Call& c) EASEL_INLINE_BODY -> ASErr {
    try {
      return body(c, c.session().document());
    } catch (const DocumentError& e) {
      if (e.code() != kWrongArtTypeErr) c.misuse(e.what());
      return e.code();
    }
  });
}

// A read by the document's form that cannot fail when the ref is valid and
// the value is at hand (no call that may throw: in the WebAssembly build each
// such call goes through a JavaScript trampoline), else by its checked form,
// which works the value out or refuses the ref as always.
template <class T>
T quickRead(const Document& d, ArtRef art, const T* (Document::*quick)(ArtRef) const noexcept,
            T (Document::*checked)(ArtRef) const) {
  const T* known = d.valid(art) ? (d.*quick)(art) : nullptr;
  return known != nullptr ? *known : (d.*checked)(art);
}

// A null pointer where the operation needs one: misuse, kBadParameterErr.
// Both refusals are kept out of line, so that the bodies they end stay small
// where they are inlined.
[[gnu::cold]] ASErr nullArgument(Call& c, const char* name);

// A refused argument value: misuse, kBadParameterErr.
[[gnu::cold]] ASErr badArgument(Call& c, const char* what);

}  // namespace easel::suites

#endif
