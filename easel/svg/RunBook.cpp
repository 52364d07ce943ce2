#include "RunBook.h"

#include <algorithm>
#include <stdexcept>

namespace easel::svg {

std::vector<std::pair<ArtRef, ContourMark>> recordedContours(const Document& d, const SvgSource& source) {
  std::vector<std::pair<ArtRef, ContourMark>> out;
  for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    if (auto mark = recordedMark(d, a, source)) out.emplace_back(a, std::move(*mark));
  }
  return out;
}

RunRecord runRecordOf(const Document& document, const std::map<uintptr_t, ContourMark>& marks, std::string id,
                      std::string version, NamedValues params, std::optional<uint64_t> seed, uint64_t drawsBefore) {
  RunRecord record;
  record.id = std::move(id);
  record.version = std::move(version);
  if (seed) record.seed = *seed, record.drawsBefore = drawsBefore;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    const auto mark = marks.find(a.bits());
    if (mark == marks.end() || mark->second.source.empty()) continue;
    const std::string& source = mark->second.source;
    if (std::find(record.sources.begin(), record.sources.end(), source) == record.sources.end()) {
      record.sources.push_back(source);
    }
  }
  record.params = std::move(params);
  return record;
}

RunBook::RunBook(const Document& document, const SvgSource& source, std::string fileName, std::string version,
                 const ParamsCheck& paramsCheck, std::ostream& warnings)
    : source_(source), fileName_(std::move(fileName)), version_(std::move(version)) {
  std::set<std::string> known;
  for (RecordedRun& r : readRecordedRuns(source, version_)) {
    known.insert(r.record.id);
    if (r.problem.empty()) {
      const std::string problem = paramsCheck(r.record.params);
      if (!problem.empty()) r.problem = "its parameter record does not read: " + problem;
    }
    std::vector<std::string> gone;
    for (const std::string& id : r.record.sources) {
      if (sourcesNamed(document, id).empty()) gone.push_back(id);
    }
    if (r.problem.empty() && !gone.empty()) {
      std::string names;
      for (const std::string& id : gone) names += (names.empty() ? "" : ", ") + id;
      r.problem = "the sources " + names + " it names are gone";
    }
    if (r.problem.empty()) {
      usable_.push_back(std::move(r.record));
    } else {
      warn(warnings, r.record.id, r.problem);
    }
  }
  std::set<std::string> unrecorded;
  for (const auto& [art, mark] : recordedContours(document, source)) {
    if (!known.count(mark.run)) unrecorded.insert(mark.run);
  }
  for (const std::string& run : unrecorded) warn(warnings, run, "contours name it, but the file does not record it");
}

void RunBook::warn(std::ostream& warnings, const std::string& run, const std::string& problem) const {
  const std::string name = run.empty() ? "a contour:run element without an id" : "run element '" + run + "'";
  warnings << "contour: warning: " << fileName_ << ": " << name << ": " << problem << "; its contours are left alone\n";
}

std::vector<ArtRef> RunBook::sourcesNamed(const Document& document, const std::string& id) const {
  std::vector<ArtRef> out;
  std::string name;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    if (isImportedElement(document, a, source_, &name) && name == id) {
      out.push_back(a);
    }
  }
  return out;
}

std::set<std::string> RunBook::selectedSources(const Document& document) const {
  std::set<std::string> out;
  std::string id;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    if ((document.content(a).attributes & kArtSelected) && isImportedElement(document, a, source_, &id) &&
        !id.empty() && !recordedMark(document, a, source_)) {
      out.insert(id);
    }
  }
  return out;
}

const RunRecord& RunBook::chooseAgain(Document& document) {
  const std::set<std::string> selected = selectedSources(document);
  for (auto r = usable_.rbegin(); r != usable_.rend(); ++r) {
    const auto& sources = r->sources;
    if (std::none_of(sources.begin(), sources.end(), [&](const std::string& id) { return selected.count(id); })) {
      continue;
    }
    document.deselectAll();
    for (const std::string& id : sources) {
      for (ArtRef a : sourcesNamed(document, id)) document.setSelected(a, true);
    }
    return *r;
  }
  throw std::runtime_error(fileName_ + ": --again: no usable run of the selected art is recorded");
}

void RunBook::removeContours(Document& document, bool all) {
  std::set<std::string> going = selectedSources(document);
  std::set<std::string> usable;
  for (const RunRecord& r : usable_) {
    usable.insert(r.id);
    if (all) going.insert(r.sources.begin(), r.sources.end());
  }
  // A contour that goes takes the contours made from it along.
  for (bool removedSome = true; removedSome;) {
    removedSome = false;
    for (const auto& [art, mark] : recordedContours(document, source_)) {
      if (!document.valid(art) || !usable.count(mark.run) || !going.count(mark.source)) continue;
      const int depth = document.depth(art);
      for (ArtRef a = art; a && (a == art || document.depth(a) > depth); a = document.nextInOrder(a)) {
        const std::string& id = document.content(a).name;
        if (!id.empty()) going.insert(id), edits_.freedIds.insert(id);
      }
      document.dispose(art);
      removedSome = true;
    }
  }
  for (const RunRecord& r : usable_) {
    std::string left;
    std::size_t kept = 0;
    for (const std::string& id : r.sources) {
      if (!going.count(id)) left += (kept++ ? " " : "") + id;
    }
    if (kept == 0) {
      edits_.dropped.insert(r.id);
    } else if (kept < r.sources.size()) {
      edits_.sourcesLeft[r.id] = left;
    }
  }
}

RunEdits RunBook::finish(const Document& document, const NamedValues* params, std::optional<uint64_t> seed,
                         uint64_t drawsBefore) const {
  RunEdits edits = edits_;
  if (params == nullptr) return edits;
  std::string id = newRunId(source_, edits.dropped);
  edits.marks = markNewContours(document, source_, id);
  if (edits.marks.empty()) return edits;
  edits.added.push_back(runRecordOf(document, edits.marks, std::move(id), version_, *params, seed, drawsBefore));
  return edits;
}

}  // namespace easel::svg
