#include "EditorRuns.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "easel/svg/SvgSource.h"

namespace easel::web {

namespace {

using easel::host::RecordedSeed;

// Calls `visit` for the art and every object inside it.
template <typename Visit>
void eachInside(const Document& document, ArtRef art, Visit visit) {
  const int depth = document.depth(art);
  for (ArtRef a = art; a && (a == art || document.depth(a) > depth); a = document.nextInOrder(a)) visit(a);
}

bool anySelected(const Document& document, ArtRef art) {
  bool selected = false;
  eachInside(document, art, [&](ArtRef a) { selected = selected || (document.content(a).attributes & kArtSelected); });
  return selected;
}

std::vector<ArtRef> present(const Document& document, const std::vector<ArtRef>& art) {
  std::vector<ArtRef> out;
  std::copy_if(art.begin(), art.end(), std::back_inserter(out), [&](ArtRef a) { return document.valid(a); });
  return out;
}

bool anyOf(const std::vector<std::string>& ids, const std::set<std::string>& in) {
  return std::any_of(ids.begin(), ids.end(), [&](const std::string& id) { return in.count(id) > 0; });
}

std::optional<RecordedSeed> seedOf(const svg::RunRecord& record) {
  if (!record.seed) return std::nullopt;
  return RecordedSeed{*record.seed, record.drawsBefore};
}

}  // namespace

uint64_t lastBirth(const Document& document) {
  uint64_t last = 0;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) last = std::max(last, document.birth(a));
  return last;
}

EditorRuns::EditorRuns(const Document& document, std::shared_ptr<const svg::SvgSource> source)
    : source_(std::move(source)) {
  std::ostringstream warnings;
  book_ = std::make_unique<svg::RunBook>(document, *source_, source_->fileName, easel::host::contourVersion(),
                                         easel::host::paramsProblem, warnings);
  std::istringstream lines(warnings.str());
  for (std::string line; std::getline(lines, line);) warnings_.push_back(line);
  const auto contours = svg::recordedContours(document, *source_);
  for (const svg::RunRecord& record : book_->usable()) {
    FileRun run{&record, {}, {}};
    for (const auto& [art, mark] : contours) {
      if (mark.run != record.id) continue;
      run.contours.push_back(art);
      eachInside(document, art, [&](ArtRef a) {
        if (!document.content(a).name.empty()) run.ids.push_back(document.content(a).name);
      });
    }
    fileRuns_.push_back(std::move(run));
  }
}

std::optional<EditorRuns::Run> EditorRuns::selectedRun(const Document& document) const {
  const std::set<std::string> sourceIds = book_->selectedSources(document);
  auto selected = [&](const std::vector<ArtRef>& art) {
    return std::any_of(art.begin(), art.end(), [&](ArtRef a) { return anySelected(document, a); });
  };
  for (auto made = madeRuns_.rbegin(); made != madeRuns_.rend(); ++made) {
    std::vector<ArtRef> contours;
    for (const auto& [bits, mark] : made->marks) contours.push_back(ArtRef(bits));
    contours = present(document, contours);
    const std::vector<ArtRef> sources = present(document, made->sources);
    if (!contours.empty() && (selected(contours) || selected(sources) || anyOf(made->record.sources, sourceIds))) {
      return Run{contours, sources, easel::host::paramsFromNames(made->record.params), seedOf(made->record)};
    }
  }
  for (auto file = fileRuns_.rbegin(); file != fileRuns_.rend(); ++file) {
    const std::vector<ArtRef> contours = present(document, file->contours);
    if (contours.empty() || !(selected(contours) || anyOf(file->record->sources, sourceIds))) continue;
    std::vector<ArtRef> sources;
    for (const std::string& id : file->record->sources) {
      for (ArtRef a : book_->sourcesNamed(document, id)) sources.push_back(a);
    }
    return Run{contours, sources, easel::host::paramsFromNames(file->record->params), seedOf(*file->record)};
  }
  return std::nullopt;
}

void EditorRuns::recordRun(const Document& document, uint64_t bornAfter, const ContourParams& params,
                           std::optional<RecordedSeed> seed) {
  MadeRun run;
  run.marks = svg::markNewContours(document, *source_, "", bornAfter);
  if (run.marks.empty()) return;
  for (const auto& [bits, mark] : run.marks) {
    const auto* extra = dynamic_cast<const svg::SvgArtExtra*>(document.content(ArtRef(bits)).extra.get());
    if (extra && std::find(run.sources.begin(), run.sources.end(), extra->original) == run.sources.end()) {
      run.sources.push_back(extra->original);
    }
  }
  run.record =
      svg::runRecordOf(document, run.marks, "", easel::host::contourVersion(), easel::host::paramsByName(params),
                       seed ? std::optional(seed->seed) : std::nullopt, seed ? seed->drawsBefore : 0);
  madeRuns_.push_back(std::move(run));
}

svg::RunEdits EditorRuns::edits(const Document& document) const {
  svg::RunEdits edits;
  for (const FileRun& file : fileRuns_) {
    if (file.contours.empty() || !present(document, file.contours).empty()) continue;
    edits.dropped.insert(file.record->id);
    edits.freedIds.insert(file.ids.begin(), file.ids.end());
  }
  std::set<std::string> taken;
  for (const MadeRun& made : madeRuns_) {
    std::map<uintptr_t, svg::ContourMark> marks;
    for (const auto& [bits, mark] : made.marks) {
      if (document.valid(ArtRef(bits))) marks.emplace(bits, mark);
    }
    if (marks.empty()) continue;
    svg::RunRecord record = made.record;
    record.id = svg::newRunId(*source_, edits.dropped, taken);
    taken.insert(record.id);
    for (auto& [bits, mark] : marks) {
      mark.run = record.id;
      edits.marks.insert({bits, mark});
    }
    edits.added.push_back(std::move(record));
  }
  return edits;
}

}  // namespace easel::web
