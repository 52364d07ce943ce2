// The drawing as the page shows it. The page keeps its own picture of the
// drawing and is sent only what changed since the revision it shows: the art
// to take out, and the art to put in and where each goes. A drawing made only
// of art the page can draw itself (DrawingGeometry.h) goes as geometry to a
// page that says it draws it; any other goes as SVG, each element of art
// marked with the art's ref. A page whose revision is unknown here (a new or
// reloaded page, or one that fell behind), or whose picture is of the other
// kind, is sent the whole drawing again. The whole SVG is written only then,
// never per change.
#ifndef EASEL_WEB_DRAWINGVIEW_H
#define EASEL_WEB_DRAWINGVIEW_H

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "DrawingGeometry.h"
#include "DrawingSnapshot.h"
#include "easel/svg/SvgSource.h"

namespace easel::web {

// The attribute that carries each element's art ref on the page.
inline constexpr const char* kArtMark = "data-contour-art";

class DrawingView {
 public:
  // `after`: the revisions of another drawing shown before it, which this one's follow.
  explicit DrawingView(std::shared_ptr<const svg::SvgSource> source, uint64_t after = 0)
      : source_(std::move(source)), filter_(source_.get()), after_(after) {}

  // Looks at the document: a new revision when anything the page shows changed.
  void look(const Document& document);
  uint64_t revision() const { return kept_.empty() ? after_ : kept_.back().first; }
  // The drawing's fingerprint outside of commands: while a command is open
  // (a preview), the one from before it, so that previewing modifies nothing.
  uint64_t committedFingerprint() const { return committed_; }

  // What a page that shows `pageRevision` needs: null when it is current,
  // {"revision", "base", "remove", "insert", "svg"} with the changes since a
  // revision kept here, else {"revision", "svg"} with the whole drawing.
  // Given `geometry` (the page draws geometry) and a drawing made only of
  // art it can draw: {"revision", "base", "geometry": {"paints", "bytes"}},
  // what to take out and put in written to `geometry` (DrawingGeometry.h).
  nlohmann::json forPage(const Document& document, uint64_t pageRevision, std::string* geometry = nullptr) const;

  const svg::SvgSource* source() const { return source_.get(); }

 private:
  uint32_t pageId(uint64_t key) const;
  void writeIds(const std::vector<uint64_t>& keys, GeometryWriter& writer) const;
  // Each entry's record: a repeated one's (the key it repeats, else 0) or its own.
  void writeRecords(const Document& document, const std::vector<const SnapshotEntry*>& putIn,
                    const std::vector<uint64_t>& repeats, GeometryWriter& writer) const;
  nlohmann::json geometryForPage(const Document& document, const DrawingSnapshot* base, uint64_t pageRevision,
                                 std::string& geometry) const;

  std::shared_ptr<const svg::SvgSource> source_;
  GeometryFilter filter_;
  // Geometry names art by small ids of its own, the same for every answer.
  mutable ArtKeyMap<uint32_t> pageIds_;
  mutable uint32_t nextPageId_ = 1;
  // The current snapshot and the one before it, with their revisions: a page
  // may still send requests made before it drew the last answer.
  std::deque<std::pair<uint64_t, DrawingSnapshot>> kept_;
  uint64_t after_ = 0;
  uint64_t committed_ = 0;
};

}  // namespace easel::web

#endif
