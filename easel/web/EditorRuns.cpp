#include "EditorRuns.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <type_traits>
#include <unordered_set>

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

std::vector<ArtRef> present(const Document& document, const std::vector<ArtRef>& art) {
  std::vector<ArtRef> out;
  std::copy_if(art.begin(), art.end(), std::back_inserter(out), [&](ArtRef a) { return document.valid(a); });
  return out;
}

// Fills the caller's vector with the selected art and everything each is
// inside: a function that owns no object to destroy calls the document
// directly, where the WebAssembly build (its exceptions in JavaScript) would
// make each call through a trampoline.
[[gnu::noinline]] void addSelectedAndAbove(const Document& document, std::vector<uintptr_t>& keys) {
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    if (!(document.content(a).attributes & kArtSelected)) continue;
    for (ArtRef up = a; up; up = document.parent(up)) keys.push_back(up.bits());
  }
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
  for (const svg::RunRecord& record : book_->usable()) {
    const Rank rank = fileRuns_.size();
    FileRun run{&record, book_->contoursOf(document, record.id), {}};
    for (ArtRef contour : run.contours) {
      runOfContour_[contour.bits()] = rank;
      eachInside(document, contour, [&](ArtRef a) {
        if (!document.content(a).name->empty()) run.ids.push_back(document.content(a).name.get());
      });
    }
    for (const std::string& id : record.sources) runsOfSourceId_[id].push_back(rank);
    fileRuns_.push_back(std::move(run));
  }
  nextRank_ = fileRuns_.size();
}

const std::optional<EditorRuns::Run>& EditorRuns::selectedRun(const Document& document) const {
  if (lookedAt_ != document.changeCount()) {
    selected_ = findSelectedRun(document);
    lookedAt_ = document.changeCount();
  }
  return selected_;
}

// The runs the selection names (by a contour, or by a source, or by anything
// inside either), newest first; the first with contours in the document.
std::optional<EditorRuns::Run> EditorRuns::findSelectedRun(const Document& document) const {
  std::set<Rank, std::greater<>> named;
  auto note = [&](const auto& map, const auto& key) {
    const auto found = map.find(key);
    if (found == map.end()) return;
    if constexpr (std::is_same_v<std::decay_t<decltype(found->second)>, Rank>) {
      named.insert(found->second);
    } else {
      named.insert(found->second.begin(), found->second.end());
    }
  };
  std::vector<uintptr_t> selected;
  addSelectedAndAbove(document, selected);
  for (uintptr_t key : selected) {
    note(runOfContour_, key);
    note(runsOfSourceArt_, key);
  }
  for (const std::string& id : book_->selectedSources(document)) note(runsOfSourceId_, id);
  for (Rank rank : named) {
    if (std::optional<Run> run = runOf(document, rank)) return run;
  }
  return std::nullopt;
}

// The run of that rank, when it has contours in the document.
std::optional<EditorRuns::Run> EditorRuns::runOf(const Document& document, Rank rank) const {
  if (rank >= fileRuns_.size()) {
    const auto made = madeRuns_.find(rank);
    if (made == madeRuns_.end()) return std::nullopt;
    std::vector<ArtRef> contours;
    made->second.marks.forEach([&](uintptr_t bits, const svg::ContourMark&) {
      if (document.valid(ArtRef(bits))) contours.push_back(ArtRef(bits));
    });
    std::vector<ArtRef> sources = present(document, made->second.sources);
    // A run that deleted its sources cannot be made again from them.
    if (contours.empty() || sources.empty()) return std::nullopt;
    const svg::RunRecord& record = made->second.record;
    return Run{std::move(contours), std::move(sources), easel::host::paramsFromNames(record.params), seedOf(record)};
  }
  const FileRun& file = fileRuns_[rank];
  std::vector<ArtRef> contours = present(document, file.contours);
  if (contours.empty()) return std::nullopt;
  std::vector<ArtRef> sources = book_->sourcesOf(document, *file.record);
  if (sources.empty()) return std::nullopt;
  return Run{std::move(contours), std::move(sources), easel::host::paramsFromNames(file.record->params),
             seedOf(*file.record)};
}

void EditorRuns::recordRun(const Document& document, uint64_t bornAfter, const ContourParams& params,
                           std::optional<RecordedSeed> seed) {
  forgetLostRuns(document);
  MadeRun run;
  run.marks = svg::markNewContours(document, *source_, "", bornAfter);
  if (run.marks.empty()) return;
  const Rank rank = nextRank_++;
  std::unordered_set<uintptr_t> sources;
  run.marks.forEach([&](uintptr_t bits, const svg::ContourMark&) {
    runOfContour_[bits] = rank;
    const auto* extra = dynamic_cast<const svg::SvgArtExtra*>(document.content(ArtRef(bits)).extra.get());
    if (extra && sources.insert(extra->original.bits()).second) {
      run.sources.push_back(extra->original);
      runsOfSourceArt_[extra->original.bits()].push_back(rank);
    }
  });
  run.record =
      svg::runRecordOf(document, run.marks, "", easel::host::contourVersion(), easel::host::paramsByName(params),
                       seed ? std::optional(seed->seed) : std::nullopt, seed ? seed->drawsBefore : 0);
  for (const std::string& id : run.record.sources) runsOfSourceId_[id].push_back(rank);
  madeRuns_.emplace(rank, std::move(run));
  lookedAt_.reset();
}

// A run made here whose contours were all freed for good (undone, then no
// longer redoable) can never be in the drawing again: its record and its
// index entries go.
void EditorRuns::forgetLostRuns(const Document& document) {
  auto unlist = [](auto& map, auto key, Rank rank) {
    const auto found = map.find(key);
    if (found == map.end()) return;
    std::erase(found->second, rank);
    if (found->second.empty()) map.erase(found);
  };
  for (auto made = madeRuns_.begin(); made != madeRuns_.end();) {
    bool mayReturn = false;
    made->second.marks.forEach(
        [&](uintptr_t bits, const svg::ContourMark&) { mayReturn = mayReturn || document.mayReturn(ArtRef(bits)); });
    if (mayReturn) {
      ++made;
      continue;
    }
    made->second.marks.forEach([&](uintptr_t bits, const svg::ContourMark&) { runOfContour_.erase(bits); });
    for (ArtRef a : made->second.sources) unlist(runsOfSourceArt_, a.bits(), made->first);
    for (const std::string& id : made->second.record.sources) unlist(runsOfSourceId_, id, made->first);
    made = madeRuns_.erase(made);
  }
}

void EditorRuns::hideKeptSources(Document& document) const {
  for (const FileRun& file : fileRuns_) {
    if (present(document, file.contours).empty()) continue;
    for (ArtRef a : book_->sourcesOf(document, *file.record)) svg::showKept(document, a, false);
  }
}

svg::RunEdits EditorRuns::edits(const Document& document) const {
  svg::RunEdits edits;
  for (const FileRun& file : fileRuns_) {
    if (file.contours.empty() || !present(document, file.contours).empty()) continue;
    edits.dropped.insert(file.record->id);
    edits.freedIds.insert(file.ids.begin(), file.ids.end());
  }
  std::set<std::string> taken;
  for (const auto& [rank, made] : madeRuns_) {
    svg::RunRecord record = made.record;
    record.id = svg::newRunId(*source_, edits.dropped, taken);
    const std::size_t before = edits.marks.size();
    made.marks.forEach([&](uintptr_t bits, const svg::ContourMark& mark) {
      if (document.valid(ArtRef(bits))) edits.marks.add(bits, record.id, mark.source, mark.index);
    });
    if (edits.marks.size() == before) continue;
    taken.insert(record.id);
    edits.added.push_back(std::move(record));
  }
  svg::noteKeptSources(document, *source_, edits);
  return edits;
}

}  // namespace easel::web
