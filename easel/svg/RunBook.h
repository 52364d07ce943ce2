// The contour runs a drawing records (ContourRuns.h) as the commands read and
// change them: `apply --replace` removes the contours of earlier runs on the
// selected sources first, `apply --again` repeats the recorded run of the
// selected sources, `strip` removes them all, the editor's "Edit Contour..."
// replaces one run, and every run adds its own record. A record that cannot
// be used (damaged, from a newer version, naming sources that are gone) is
// reported on the warning stream, and the contours it would account for are
// left alone.
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
#include <utility>
#include <vector>

#include "ContourRuns.h"
#include "easel/core/Document.h"

namespace easel::svg {

// Every object of the document that is a contour of a recorded run (the file says so).
std::vector<std::pair<ArtRef, ContourMark>> recordedContours(const Document& document, const SvgSource& source);

// The record of a run that made the contours `marks` (by their ArtRef bits):
// its sources are their sources' ids in document order.
RunRecord runRecordOf(const Document& document, const std::map<uintptr_t, ContourMark>& marks, std::string id,
                      std::string version, NamedValues params, std::optional<uint64_t> seed, uint64_t drawsBefore);

class RunBook {
 public:
  // Why a record's parameter fields do not read; "" when they do.
  using ParamsCheck = std::function<std::string(const NamedValues&)>;

  // `version`: the program's ("18.3.0"); records of newer versions are not
  // usable. The records that cannot be used are reported on `warnings` here.
  RunBook(const Document& document, const SvgSource& source, std::string fileName, std::string version,
          const ParamsCheck& paramsCheck, std::ostream& warnings);

  // The usable records, in file order.
  const std::vector<RunRecord>& usable() const { return usable_; }

  // The record of the last usable run naming a selected source, with its
  // sources (those still there) now the selection. Throws std::runtime_error
  // when there is none.
  const RunRecord& chooseAgain(Document& document);

  // Removes the contours of usable runs on the selected sources (`all`: on
  // every source), and notes the records that go or keep fewer sources.
  void removeContours(Document& document, bool all);

  // What the exporter writes: the edits so far and, when `params` is given
  // and the run made contours, the new run's marks and record.
  RunEdits finish(const Document& document, const NamedValues* params, std::optional<uint64_t> seed,
                  uint64_t drawsBefore) const;

  // The art read from the file's element with that id.
  std::vector<ArtRef> sourcesNamed(const Document& document, const std::string& id) const;
  // The ids of the selected art read from the file that is not a recorded contour.
  std::set<std::string> selectedSources(const Document& document) const;

 private:
  void warn(std::ostream& warnings, const std::string& run, const std::string& problem) const;

  const SvgSource& source_;
  std::string fileName_;
  std::string version_;
  std::vector<RunRecord> usable_;
  RunEdits edits_;
};

}  // namespace easel::svg

#endif
