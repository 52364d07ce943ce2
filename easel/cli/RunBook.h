// The contour runs a drawing records (easel/svg/ContourRuns.h) as the
// command line reads and changes them: `apply --replace` removes the
// contours of earlier runs on the selected sources first, `apply --again`
// repeats the recorded run of the selected sources, `strip` removes them all,
// and every run adds its own record. A record that cannot be used (damaged,
// from a newer version, naming sources that are gone) is reported on the
// warning stream, and the contours it would account for are left alone.
#ifndef EASEL_CLI_RUNBOOK_H
#define EASEL_CLI_RUNBOOK_H

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "easel/cli/RunSeed.h"
#include "easel/core/Document.h"
#include "easel/svg/ContourRuns.h"
#include "plugin/params/ContourParams.h"

namespace contour_cli {

// The version that runs record ("18.3.0").
const std::string& contourVersion();

class RunBook {
 public:
  RunBook(const easel::Document& document, const easel::svg::SvgSource& source, std::string fileName,
          std::ostream& warnings);

  // The record of the last usable run naming a selected source, with its
  // sources (those still there) now the selection. Throws std::runtime_error
  // when there is none, or when its parameter record does not read.
  struct Repeat {
    ContourParams params;
    std::optional<RecordedSeed> seed;
  };
  Repeat chooseAgain(easel::Document& document);

  // Removes the contours of usable runs on the selected sources (`all`: on
  // every source), and notes the records that go or keep fewer sources.
  void removeContours(easel::Document& document, bool all);

  // What the exporter writes: the edits so far and, when `params` is given
  // and the run made contours, the new run's marks and record.
  easel::svg::RunEdits finish(const easel::Document& document, const ContourParams* params,
                              std::optional<RecordedSeed> seed);

 private:
  // The art read from the file's element with that id.
  std::vector<easel::ArtRef> sourcesNamed(const easel::Document& document, const std::string& id) const;
  std::set<std::string> selectedSources(const easel::Document& document) const;
  void warn(const std::string& run, const std::string& problem);

  const easel::svg::SvgSource& source_;
  std::string fileName_;
  std::ostream& warnings_;
  std::vector<easel::svg::RunRecord> usable_;
  easel::svg::RunEdits edits_;
};

}  // namespace contour_cli

#endif
