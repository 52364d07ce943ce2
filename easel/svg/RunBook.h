// The contour runs a drawing records (ContourRuns.h) as the commands read and
// change them: `apply --replace` removes the contours of earlier runs on the
// selected sources first, `apply --again` repeats the recorded run of the
// selected sources, `strip` removes them all, the editor's "Edit Contour..."
// replaces one run, and every run adds its own record. A record that cannot
// be used (damaged, from a newer version, naming sources that are gone) is
// reported on the warning stream, and the contours it would account for are
// left alone.
//
// The records are checked against the tree before anything is deleted: only
// leaf art that carries a usable run's mark, is not one of that run's own
// sources, and was made, through a chain of contours, from art that is not a
// contour may go. A marked group or layer (it holds other art), a contour
// that names itself as a source, or contours whose sources form a loop are
// left, with one warning per run and reason naming them.
//
// A run that deleted its sources (pathDelete) is usable when the file keeps a
// copy of each (ContourRuns.h: KeptSource): the contour that took a source's
// id is then one of its contours, and the copy its source, which comes back
// when the run's contours go.
//
// The book reads the file once: it indexes the imported elements by id, the
// recorded contours by run and by source, and the records by id, so that
// each command costs time in proportion to the art it touches. Contours that
// the reader left out (ReadOptions::leaveRunContours) it knows by their
// elements, and removes as it removes art; leftUnread() says when one of
// them was to stay after all.
//
// The parameter record's fields are text here; the caller says whether they
// read (easel/host/RunRecording.h turns them into the record and back).
#ifndef EASEL_SVG_RUNBOOK_H
#define EASEL_SVG_RUNBOOK_H

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ContourRuns.h"
#include "NameChains.h"
#include "easel/core/Document.h"

namespace easel::svg {

// The record of a run that made the contours `marks` (by their ArtRef bits):
// its sources are their sources' ids in document order.
RunRecord runRecordOf(const Document& document, const ContourMarks& marks, std::string id, std::string version,
                      NamedValues params, std::optional<uint64_t> seed, uint64_t drawsBefore);

class RunBook {
 public:
  // Why a record's parameter fields do not read; "" when they do.
  using ParamsCheck = std::function<std::string(const NamedValues&)>;

  // `version`: the program's ("18.3.0"); records of newer versions are not
  // usable. The records that cannot be used, and the contours that may not
  // be removed, are reported on `warnings` here.
  RunBook(const Document& document, const SvgSource& source, std::string fileName, std::string version,
          const ParamsCheck& paramsCheck, std::ostream& warnings);

  // The usable records, in file order.
  const std::vector<RunRecord>& usable() const { return usable_; }

  // The record of the last usable run naming a selected source, with its
  // sources (those still there) now the selection. Throws std::runtime_error
  // when there is none.
  const RunRecord& chooseAgain(Document& document);

  // The selected contours of usable runs: how many of each run, by its id,
  // in the order of the records.
  std::vector<std::pair<std::string, std::size_t>> selectedContours(const Document& document) const;
  // Takes the selected contours of usable runs out of the selection; with
  // `sourcesInstead`, their runs' sources (those still there) take their place,
  // so that replacing the selection replaces the runs those contours belong to.
  void deselectContours(Document& document, bool sourcesInstead) const;

  // Removes the contours of usable runs on the selected sources, with the
  // contours made from them (`all`: every contour of every usable run), and
  // notes the records that go or keep fewer sources.
  void removeContours(Document& document, bool all);
  // For a command that is done removing: lets go of the indices over the
  // file's elements and contours, so that the art made next reuses their
  // memory. Only finish() and leftUnread() may follow.
  void forgetContours();

  // What the exporter writes: the edits so far and, when `params` is given
  // and the run made contours, the new run's marks and record. Once: the
  // edits move out of the book.
  RunEdits finish(const Document& document, const NamedValues* params, std::optional<uint64_t> seed,
                  uint64_t drawsBefore);

  // The sources of a run still in the document: the art read from the
  // file's elements with the ids it names or, for a run that deleted its
  // sources, the art read from the copies it keeps.
  std::vector<ArtRef> sourcesOf(const Document& document, const RunRecord& run) const;
  // The ids of the selected art read from the file that is not a recorded contour.
  std::set<std::string> selectedSources(const Document& document) const;
  // The contours of a usable run that may be removed, in document order
  // (those still in the document).
  std::vector<ArtRef> contoursOf(const Document& document, std::string_view run) const;

  // Whether contours that the reader left out (SvgSource::unread) have not
  // been removed: the document then lacks art it should have, and the
  // drawing must be read again whole.
  bool leftUnread() const;

 private:
  static constexpr std::size_t kRead = static_cast<std::size_t>(-1);
  struct Contour {
    ArtRef art;                        // none for a contour left unread
    std::string_view run, source, id;  // the mark's and the element's, in the file's text
    std::size_t unread;                // its index in SvgSource::unread, or kRead
  };
  struct Element {
    std::string_view id;
    ArtRef art;   // none for a contour left unread
    bool marked;  // carries a contour's mark
  };
  // Art read from a copy that a run which deleted its sources keeps.
  struct Kept {
    std::string_view run, id;
    ArtRef art;
  };
  void warn(std::ostream& warnings, std::string_view run, const std::string& problem) const;
  // Whether the file keeps copies of sources that the run deleted.
  bool keepsCopies(std::string_view run) const;
  void indexElements(const Document& document);
  // The contour's id: its art's name, or the element's id when it was left unread.
  std::string_view idOf(const Document& document, const Contour& c) const;
  // Sets aside the marked contours that may not be removed, with warnings.
  void checkContours(const Document& document, std::ostream& warnings);
  void noteRecordEdits(const std::unordered_set<std::string_view>& going);

  const SvgSource& source_;
  std::string fileName_;
  std::string version_;
  std::vector<RunRecord> usable_;
  std::unordered_map<std::string_view, std::size_t> usableById_;
  std::unordered_set<std::string_view> recordSources_;  // every source the usable records name
  // The imported elements with an id, in document order, and their indices
  // by id; the contours of usable runs that may go, by run and by the source
  // they were made from.
  std::vector<Element> elements_;
  NameChains elementsById_;
  std::vector<Contour> marked_;  // every mark of the file: the art's, then those left unread
  std::vector<bool> mayGo_;      // by marked_: passed the checks
  // Indices in marked_: the contours that may go by run; those that passed
  // the first checks by source, of which only those that may go count.
  std::unordered_map<std::string_view, std::vector<std::size_t>> contoursByRun_;
  NameChains contoursBySource_;
  std::vector<Kept> kept_;                                           // document order
  std::set<std::pair<std::string_view, std::string_view>> keptIds_;  // by run and id
  std::set<std::string_view> leftRuns_;                              // runs some of whose contours may not go
  std::vector<bool> unreadGone_;                                     // by SvgSource::unread: removed
  RunEdits edits_;
};

}  // namespace easel::svg

#endif
