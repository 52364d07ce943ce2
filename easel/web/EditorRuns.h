// The contour runs of the drawing open in the editor: those its file records
// (easel/svg/RunBook.h) and those made in the editor, which saving records
// the way `contour apply` does, so that a drawing edited in the browser stays
// re-editable. Whether a run is in the drawing follows from the document
// alone: a run is there while any of its contours is, so undo and redo of
// the commands that made or replaced contours bring records back and take
// them away with them. A run made here is forgotten once none of its
// contours can come back (undone, and then no longer redoable).
//
// Every contour is indexed by its run, and the run the selection asks for is
// worked out once per change of the document.
#ifndef EASEL_WEB_EDITORRUNS_H
#define EASEL_WEB_EDITORRUNS_H

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "easel/core/Document.h"
#include "easel/host/RunRecording.h"
#include "easel/svg/RunBook.h"

namespace easel::web {

class EditorRuns {
 public:
  // Reads the file's records; those that cannot be used are in warnings().
  EditorRuns(const Document& document, std::shared_ptr<const svg::SvgSource> source);

  // One line for each record that cannot be used.
  const std::vector<std::string>& warnings() const { return warnings_; }

  // A run to edit: its contours in the document, its sources and what it was made with.
  struct Run {
    std::vector<ArtRef> contours;
    std::vector<ArtRef> sources;
    ContourParams params;
    std::optional<easel::host::RecordedSeed> seed;
  };
  // The newest run with contours in the document of which the selection
  // holds a contour or a source (kept until the document changes).
  const std::optional<Run>& selectedRun(const Document& document) const;

  // Notes the run of the filter that made the contours born after
  // `bornAfter` (lastBirth() before it ran).
  void recordRun(const Document& document, uint64_t bornAfter, const ContourParams& params,
                 std::optional<easel::host::RecordedSeed> seed);

  // What saving writes: the marks and records of the runs made here whose
  // contours are in the document, and the file's records whose contours all went.
  svg::RunEdits edits(const Document& document) const;

  // Out of sight again: the sources kept of the file's runs whose contours
  // are in the document (an undo brings back a source that Edit Contour
  // showed, then deleted or left).
  void hideKeptSources(Document& document) const;

  // How many runs made here are remembered (for tests of memory).
  std::size_t madeRunCount() const { return madeRuns_.size(); }

 private:
  struct FileRun {
    const svg::RunRecord* record;
    std::vector<ArtRef> contours;
    std::vector<std::string> ids;  // of the contours and their members
  };
  struct MadeRun {
    svg::RunRecord record;  // its id is given when it is written
    svg::ContourMarks marks;
    std::vector<ArtRef> sources;
  };
  // Runs by rank: the file's in file order, then those made here in the
  // order made; the newest ranks highest.
  using Rank = uint64_t;
  void forgetLostRuns(const Document& document);
  std::optional<Run> findSelectedRun(const Document& document) const;
  std::optional<Run> runOf(const Document& document, Rank rank) const;

  std::shared_ptr<const svg::SvgSource> source_;
  std::vector<std::string> warnings_;
  std::unique_ptr<svg::RunBook> book_;
  std::vector<FileRun> fileRuns_;
  std::map<Rank, MadeRun> madeRuns_;
  Rank nextRank_ = 0;
  // Contours and the sources of runs made here, by their ArtRef bits; the
  // file's runs by the ids of their sources.
  std::unordered_map<uintptr_t, Rank> runOfContour_;
  std::unordered_map<uintptr_t, std::vector<Rank>> runsOfSourceArt_;
  std::unordered_map<std::string, std::vector<Rank>> runsOfSourceId_;
  mutable std::optional<uint64_t> lookedAt_;  // the document's change count
  mutable std::optional<Run> selected_;
};

// The birth number of the newest object in the document (Document::birth).
uint64_t lastBirth(const Document& document);

}  // namespace easel::web

#endif
