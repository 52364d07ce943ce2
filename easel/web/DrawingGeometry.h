// Art the page draws itself on a canvas, from geometry, instead of from SVG:
// paths and compound paths with flat paint, and plain groups of them, whose
// elements say nothing the document does not model. For that art the canvas
// shows exactly what the SVG would: the same float coordinates, colours
// (#rrggbb as the writer gives them), widths, caps, joins, dashes, fill rule
// and opacity. Anything else (gradients, patterns, text, images, style
// sheets, kept elements of other kinds, unknown attributes) keeps the drawing
// in SVG.
//
// The geometry goes to the page as little-endian 32-bit words: the number of
// objects to take out and their ids, the number to put in, then a record for
// each, in order, each put in below the object above it (already there):
//   id, container, above   unsigned (0: a layer's container / the top)
//   size    unsigned: the words of the record after this one, so that the
//           page finds the next record without reading this one's points
//   paint   float: index into the answer's paints; -1 for a group
//   flags   unsigned: 1 when it (and what it holds) shows nothing, 2 when
//           it has cubics
//   box     floats left, bottom, right, top: the box of its points (a cubic
//           lies inside its points' hull); left > right when it has none
//   count   unsigned: subpaths, then for each: segments and closed (0 or 1),
//           unsigned; the segments' kinds, one bit each (bit i % 32 of the
//           (i / 32)th word set: segment i is a cubic); then floats: the
//           start point and each segment's points as the SVG writer writes
//           them: the end point for a line, two direction points and the end
//           point for a cubic; points x, y in artwork points (y up)
// A record of size 1 is a path the page has already: its one word is the id
// of an object this answer takes out that looks exactly the same, whose
// paint, flags, box and subpaths it takes (a preview makes most of its
// contours again as they were).
#ifndef EASEL_WEB_DRAWINGGEOMETRY_H
#define EASEL_WEB_DRAWINGGEOMETRY_H

#include <cstdint>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "easel/core/Document.h"
#include "easel/svg/SvgSource.h"

namespace easel::web {

// Where each part of an object's record starts, in words from the record's
// start, and the bits of its flags: the layout above. The page reads records
// with the same numbers (geometry.js; the PageConstants test holds them to these).
enum GeometryRecordWord : uint32_t {
  kRecordId = 0,
  kRecordContainer = 1,
  kRecordAbove = 2,
  kRecordSize = 3,
  kRecordPaint = 4,
  kRecordFlags = 5,
  kRecordBox = 6,
  kRecordSubpaths = 10,  // the count of subpaths, then the subpaths
  kRecordSource = 4,     // a repeated path's: the id of the one it repeats
};
inline constexpr uint32_t kRepeatedSize = 1;
enum GeometryFlag : uint32_t { kGeometryHidden = 1, kGeometryCurved = 2 };

class GeometryFilter {
 public:
  explicit GeometryFilter(const svg::SvgSource* source);
  // Whether the page can draw this object itself (not what it holds).
  bool drawable(const Document& document, ArtRef art) const;

 private:
  bool elementDrawable(const svg::SvgArtExtra& extra) const;

  const svg::SvgSource* source_;
  bool sourceDrawable_ = true;  // no style sheets, nothing the root or its other children add
  mutable std::unordered_map<const svg::SvgArtExtra*, bool> elements_;
};

// The records and paints of one answer.
class GeometryWriter {
 public:
  // The object's record: its id, its container's and the id of the object
  // above it (0: none), then its paint and geometry.
  void add(const Document& document, ArtRef art, uint32_t id, uint32_t parent, uint32_t above);
  // A path that looks exactly like `source`, which the answer takes out.
  void addRepeated(uint32_t id, uint32_t parent, uint32_t above, uint32_t source);
  // The most bytes add() writes for the object (a group's members have records of their own).
  static std::size_t sizeBound(const Document& document, ArtRef art);
  void word(uint32_t w);
  // Room for at least this many bytes, made once: growing a buffer of tens of
  // megabytes step by step copies it, and touches new pages, each time.
  void reserve(std::size_t size) { bytes_.reserve(size); }
  std::string& bytes() { return bytes_; }
  const nlohmann::json& paints() const { return paints_; }

 private:
  void number(float v);
  // Writes the subpath and widens `box` (left, bottom, right, top) to its
  // points; returns whether it has cubics.
  bool writeSubpath(std::span<const AIPathSegment> anchors, bool closed, float box[4]);
  int paintOf(const ArtContent& content);

  // What tells two paints apart, compared as bytes: the colours as shown,
  // width, miter, dash offset, opacity, cap, join, fill rule and dashes (the
  // unused ones zero). Of fixed size, so that finding one allocates nothing:
  // in the page's worker each call that may throw while a destructor waits
  // leaves the module and comes back, and most objects share a few paints.
  struct PaintKey {
    double fill[3], stroke[3];
    float reals[4];
    int32_t words[3];
    int32_t dashCount;
    float dashes[kMaxDashComponents];
  };
  struct PaintKeyLess {
    bool operator()(const PaintKey& a, const PaintKey& b) const { return std::memcmp(&a, &b, sizeof a) < 0; }
  };
  static_assert(sizeof(PaintKey) == 6 * sizeof(double) + 8 * sizeof(float) + kMaxDashComponents * sizeof(float),
                "no padding: keys compare as bytes");
  int addPaint(const PaintKey& key, bool fills, bool strokes);

  std::string bytes_;
  nlohmann::json paints_ = nlohmann::json::array();
  std::map<PaintKey, int, PaintKeyLess> paintIndex_;
};

}  // namespace easel::web

#endif
