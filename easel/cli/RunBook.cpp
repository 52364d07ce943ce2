#include "easel/cli/RunBook.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "easel/host/ParamsJson.h"

namespace contour_cli {

using easel::ArtRef;
using easel::Document;
namespace svg = easel::svg;

const std::string& contourVersion() {
  static const std::string kVersion = CONTOUR_VERSION;
  return kVersion;
}

namespace {

// Every object of the document that is a contour of a recorded run.
std::vector<std::pair<ArtRef, svg::ContourMark>> recordedContours(const Document& d, const svg::SvgSource& source) {
  std::vector<std::pair<ArtRef, svg::ContourMark>> out;
  for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    if (auto mark = svg::recordedMark(d, a, source)) out.emplace_back(a, std::move(*mark));
  }
  return out;
}

ContourParams paramsOf(const svg::RunRecord& record) {
  ContourParams params = defaultContourParams();
  for (const auto& [name, value] : record.params) setParamsFieldText(params, name, value);
  return params;
}

svg::NamedValues namedValues(const ContourParams& params) {
  svg::NamedValues out;
  const nlohmann::ordered_json json = paramsToJson(params);
  for (const auto& field : json.items()) {
    const auto& value = field.value();
    out.emplace_back(field.key(), value.is_string() ? value.get<std::string>() : value.dump());
  }
  return out;
}

}  // namespace

RunBook::RunBook(const Document& document, const svg::SvgSource& source, std::string fileName, std::ostream& warnings)
    : source_(source), fileName_(std::move(fileName)), warnings_(warnings) {
  std::set<std::string> known;
  for (svg::RecordedRun& r : svg::readRecordedRuns(source, contourVersion())) {
    known.insert(r.record.id);
    if (r.problem.empty()) {
      try {
        paramsOf(r.record);
      } catch (const ParamsJsonError& e) {
        r.problem = std::string("its parameter record does not read: ") + e.what();
      }
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
      warn(r.record.id, r.problem);
    }
  }
  std::set<std::string> unrecorded;
  for (const auto& [art, mark] : recordedContours(document, source)) {
    if (!known.count(mark.run)) unrecorded.insert(mark.run);
  }
  for (const std::string& run : unrecorded) warn(run, "contours name it, but the file does not record it");
}

void RunBook::warn(const std::string& run, const std::string& problem) {
  const std::string name = run.empty() ? "a contour:run element without an id" : "run element '" + run + "'";
  warnings_ << "contour: warning: " << fileName_ << ": " << name << ": " << problem
            << "; its contours are left alone\n";
}

std::vector<ArtRef> RunBook::sourcesNamed(const Document& document, const std::string& id) const {
  std::vector<ArtRef> out;
  std::string name;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    if (svg::isImportedElement(document, a, source_, &name) && name == id) {
      out.push_back(a);
    }
  }
  return out;
}

std::set<std::string> RunBook::selectedSources(const Document& document) const {
  std::set<std::string> out;
  std::string id;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    if ((document.content(a).attributes & kArtSelected) && svg::isImportedElement(document, a, source_, &id) &&
        !id.empty() && !svg::recordedMark(document, a, source_)) {
      out.insert(id);
    }
  }
  return out;
}

RunBook::Repeat RunBook::chooseAgain(Document& document) {
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
    std::optional<RecordedSeed> seed;
    if (r->seed) seed = RecordedSeed{*r->seed, r->drawsBefore};
    return {paramsOf(*r), seed};
  }
  throw std::runtime_error(fileName_ + ": --again: no usable run of the selected art is recorded");
}

void RunBook::removeContours(Document& document, bool all) {
  std::set<std::string> going = selectedSources(document);
  std::set<std::string> usable;
  for (const svg::RunRecord& r : usable_) {
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
  for (const svg::RunRecord& r : usable_) {
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

svg::RunEdits RunBook::finish(const Document& document, const ContourParams* params, std::optional<RecordedSeed> seed) {
  svg::RunEdits edits = edits_;
  if (params == nullptr) return edits;
  svg::RunRecord record;
  record.id = svg::newRunId(source_, edits.dropped);
  edits.marks = svg::markNewContours(document, source_, record.id);
  if (edits.marks.empty()) return edits;
  record.version = contourVersion();
  if (seed) record.seed = seed->seed, record.drawsBefore = seed->drawsBefore;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    const auto mark = edits.marks.find(a.bits());
    if (mark == edits.marks.end() || mark->second.source.empty()) continue;
    const std::string& id = mark->second.source;
    if (std::find(record.sources.begin(), record.sources.end(), id) == record.sources.end()) {
      record.sources.push_back(id);
    }
  }
  record.params = namedValues(*params);
  edits.added.push_back(std::move(record));
  return edits;
}

}  // namespace contour_cli
