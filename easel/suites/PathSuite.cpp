// Segments of path art, read and written in place.
#include <limits>

#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Geometry.h"

namespace easel::suites {
namespace {

constexpr SuiteId kPath = SuiteId::AIPath;

// The segments of path art; kWrongArtTypeErr for other art.
const SegmentList& segmentsOf(Document& d, AIArtHandle path) {
  const ArtContent& a = d.content(ArtRef::fromHandle(path));
  if (!hasSegments(a.type)) throw DocumentError(kWrongArtTypeErr, "not a path");
  return a.segments;
}

// The code for a range of `count` segments from `first` in a path of `size`.
ASErr rangeError(Call& c, std::size_t size, int16_t first, int16_t count, const void* segments) {
  if (count < 0) return badArgument(c, "negative count");
  if (first < 0 || static_cast<std::size_t>(first) + static_cast<std::size_t>(count) > size)
    return badArgument(c, "segment range outside the path");
  if (count > 0 && segments == nullptr) return nullArgument(c, "segment array");
  return kNoErr;
}

ASErr getPathSegmentCount(AIArtHandle path, int16_t* count) noexcept {
  return documentCall(kPath, "get segment count", [&](Call& c, Document& d) {
    c.in("path", path);
    if (count == nullptr) return nullArgument(c, "result pointer");
    const std::size_t n = segmentsOf(d, path).size();
    if (n > static_cast<std::size_t>(std::numeric_limits<int16_t>::max())) return kTooManySegmentsErr;
    *count = static_cast<int16_t>(n);
    c.out("count", *count);
    return kNoErr;
  });
}

// The point walk reads and writes one segment at a time: these two bodies
// capture by value, so that their plain calls keep the arguments in registers.
ASErr getPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments) noexcept {
  return documentCall(kPath, "get segments", [=](Call& c, Document& d) {
    c.in("path", path).in("segNumber", segNumber).in("count", count);
    const auto& all = segmentsOf(d, path);
    if (ASErr e = rangeError(c, all.size(), segNumber, count, segments)) return e;
    all.copyTo(static_cast<std::size_t>(segNumber), static_cast<std::size_t>(count), segments);
    c.out("segments", std::span<const AIPathSegment>(segments, static_cast<std::size_t>(count)));
    return kNoErr;
  });
}

ASErr setPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments) noexcept {
  return documentCall(kPath, "set segments", [=](Call& c, Document& d) {
    c.in("path", path).in("segNumber", segNumber).in("count", count);
    if (count >= 0 && segments != nullptr)
      c.in("segments", std::span<const AIPathSegment>(segments, static_cast<std::size_t>(count)));
    // The document checks the handle, the type and the range itself, in that
    // order, with the same refusals: only arguments it cannot see are checked
    // here first, after the path's own checks as always.
    if (count < 0 || (count > 0 && segments == nullptr))
      if (ASErr e = rangeError(c, segmentsOf(d, path).size(), segNumber, count, segments)) return e;
    d.replaceSegments(ArtRef::fromHandle(path), static_cast<std::size_t>(segNumber),
                      std::span<const AIPathSegment>(segments, static_cast<std::size_t>(count)));
    return kNoErr;
  });
}

ASErr getPathClosed(AIArtHandle path, ASBoolean* closed) noexcept {
  return documentCall(kPath, "get path closed", [&](Call& c, Document& d) {
    c.in("path", path);
    if (closed == nullptr) return nullArgument(c, "result pointer");
    segmentsOf(d, path);
    *closed = d.content(ArtRef::fromHandle(path)).closed ? 1 : 0;
    c.out("closed", *closed != 0);
    return kNoErr;
  });
}

const AIPathSuite kSuite{getPathSegmentCount, getPathSegments, setPathSegments, getPathClosed};

}  // namespace

const AIPathSuite* path() { return &kSuite; }

}  // namespace easel::suites
