#include "ContourRuns.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

#include "ColorText.h"
#include "Namespaces.h"

namespace easel::svg {

namespace {

const SvgArtExtra* elementExtra(const Document& document, ArtRef art, const SvgSource& source) {
  const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(art).extra.get());
  return e && e->source.get() == &source && e->kind == SvgArtExtra::Kind::Element ? e : nullptr;
}

bool readNumber(std::string_view text, uint64_t* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "18.3.0" as numbers; empty when it is not of that form.
std::vector<uint64_t> versionNumbers(std::string_view text) {
  std::vector<uint64_t> parts;
  while (true) {
    const std::size_t dot = text.find('.');
    uint64_t n = 0;
    if (!readNumber(text.substr(0, dot), &n)) return {};
    parts.push_back(n);
    if (dot == std::string_view::npos) return parts;
    text.remove_prefix(dot + 1);
  }
}

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while ((i = text.find_first_not_of(" \t\r\n", i)) != std::string_view::npos) {
    const std::size_t end = std::min(text.find_first_of(" \t\r\n", i), text.size());
    out.emplace_back(text.substr(i, end - i));
    i = end;
  }
  return out;
}

RecordedRun readRun(pugi::xml_node node, const std::vector<uint64_t>& current) {
  RecordedRun r;
  RunRecord& record = r.record;
  record.id = node.attribute("id").value();
  record.version = node.attribute("version").value();
  const std::vector<uint64_t> version = versionNumbers(record.version);
  const pugi::xml_attribute seed = node.attribute("seed");
  const pugi::xml_attribute sources = node.attribute("sources");
  const pugi::xml_node params =
      node.find_child([](pugi::xml_node c) { return elementIs(c, kContourNamespace, "params"); });
  const pugi::xml_attribute drawsBefore = node.attribute("draws-before");
  uint64_t seedValue = 0, drawsValue = 0;
  if (record.id.empty()) {
    r.problem = "it has no id";
  } else if (version.empty()) {
    r.problem = "its version '" + record.version + "' is not a version number";
  } else if (std::lexicographical_compare(current.begin(), current.end(), version.begin(), version.end())) {
    r.problem = "it was made by version " + record.version + ", newer than this one";
  } else if (seed && !readNumber(seed.value(), &seedValue)) {
    r.problem = "its seed '" + std::string(seed.value()) + "' is not a number";
  } else if (drawsBefore && (!seed || !readNumber(drawsBefore.value(), &drawsValue))) {
    r.problem = "its draws-before '" + std::string(drawsBefore.value()) + "' is not a number after a seed";
  } else if (!sources) {
    r.problem = "it names no sources";
  } else if (!params) {
    r.problem = "it has no parameter record";
  }
  if (seed && r.problem.empty()) record.seed = seedValue, record.drawsBefore = drawsValue;
  record.sources = words(sources.value());
  for (pugi::xml_attribute a : params.attributes()) record.params.emplace_back(a.name(), a.value());
  return r;
}

}  // namespace

bool isRunRecord(pugi::xml_node node) { return elementIs(node, kContourNamespace, "run"); }

std::vector<RecordedRun> readRecordedRuns(const SvgSource& source, const std::string& currentVersion) {
  const std::vector<uint64_t> current = versionNumbers(currentVersion);
  std::vector<RecordedRun> out;
  for (pugi::xml_node record : source.runRecords) out.push_back(readRun(record, current));
  return out;
}

std::optional<ContourMark> recordedMark(const Document& document, ArtRef art, const SvgSource& source) {
  const SvgArtExtra* e = elementExtra(document, art, source);
  if (!e || e->original != art) return std::nullopt;
  const pugi::xml_attribute run = attributeIn(e->node, kContourNamespace, "run");
  if (!run) return std::nullopt;
  ContourMark mark;
  mark.run = run.value();
  mark.source = attributeIn(e->node, kContourNamespace, "source").value();
  mark.index = attributeIn(e->node, kContourNamespace, "index").as_int();
  return mark;
}

bool isImportedElement(const Document& document, ArtRef art, const SvgSource& source, std::string* id) {
  const SvgArtExtra* e = elementExtra(document, art, source);
  if (!e || e->original != art || !document.parent(art)) return false;
  *id = e->node.attribute("id").value();
  return true;
}

void ContourMarks::add(uintptr_t bits, std::string_view run, std::string_view source, int index) {
  if (!entries_.empty() && entries_.back().bits > bits) sorted_ = false;
  entries_.push_back({bits, nameIndex(run), nameIndex(source), index});
}

uint32_t ContourMarks::nameIndex(std::string_view name) {
  const auto found = indexOfName_.find(name);
  if (found != indexOfName_.end()) return found->second;
  names_.emplace_back(name);
  return indexOfName_.emplace(std::string(name), static_cast<uint32_t>(names_.size() - 1)).first->second;
}

void ContourMarks::sort() const {
  if (sorted_) return;
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.bits < b.bits; });
  sorted_ = true;
}

const ContourMarks::Entry* ContourMarks::entry(uintptr_t bits) const {
  sort();
  const auto at =
      std::lower_bound(entries_.begin(), entries_.end(), bits, [](const Entry& e, uintptr_t b) { return e.bits < b; });
  return at != entries_.end() && at->bits == bits ? &*at : nullptr;
}

std::optional<ContourMark> ContourMarks::find(uintptr_t bits) const {
  const Entry* e = entry(bits);
  return e ? std::optional(markOf(*e)) : std::nullopt;
}

const std::string* ContourMarks::sourceOf(uintptr_t bits) const {
  const Entry* e = entry(bits);
  return e && !names_[e->source].empty() ? &names_[e->source] : nullptr;
}

ContourMarks markNewContours(const Document& document, const SvgSource& source, const std::string& runId,
                             uint64_t bornAfter) {
  ContourMarks marks;
  // Room for every object: what the marks leave unused is never touched
  // (a growing vector would hold its old and new storage at once).
  marks.reserve(document.artCount());
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    const SvgArtExtra* e = elementExtra(document, a, source);
    if (!e || e->original == a || document.birth(a) <= bornAfter) continue;
    // The members of a copied group or compound path belong to their copy.
    const ArtRef parent = document.parent(a);
    const SvgArtExtra* pe = parent ? elementExtra(document, parent, source) : nullptr;
    if (pe && pe->original != parent) continue;
    marks.add(a.bits(), runId, e->node.attribute("id").value(), 0);
  }
  // Each source's copies in the order they were made.
  marks.numberBy([&](uintptr_t bits) { return document.birth(ArtRef(bits)); },
                 [&](uintptr_t bits) { return elementExtra(document, ArtRef(bits), source); });
  return marks;
}

void noteKeptSources(const Document& document, const SvgSource& source, RunEdits& edits) {
  for (const RunRecord& r : edits.added) {
    const auto deletes =
        std::find_if(r.params.begin(), r.params.end(), [](const auto& field) { return field.first == "pathDelete"; });
    if (deletes == r.params.end() || deletes->second == "0") continue;
    std::unordered_map<const SvgArtExtra*, int> seen;
    for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
      const std::optional<ContourMark> mark = edits.marks.find(a.bits());
      if (!mark || mark->run != r.id) continue;
      const SvgArtExtra* e = elementExtra(document, a, source);
      if (!e || document.valid(e->original)) continue;
      const int n = static_cast<int>(seen.size());
      if (seen.emplace(e, n).second) edits.kept.push_back({e, r.id, n});
    }
  }
}

bool staysKept(const RunEdits* edits, const SvgArtExtra& extra) {
  if (!extra.place) return false;
  if (edits == nullptr) return true;
  const std::string run = extra.place.attribute("run").value();
  if (edits->dropped.count(run)) return false;
  const auto left = edits->sourcesLeft.find(run);
  if (left == edits->sourcesLeft.end()) return true;
  const std::vector<std::string> ids = words(left->second);
  return std::find(ids.begin(), ids.end(), extra.node.attribute("id").value()) != ids.end();
}

void showKept(Document& document, ArtRef art, bool shown) {
  const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(art).extra.get());
  if (!e || !e->place || e->original != art) return;
  document.setName(art, shown ? e->node.attribute("id").value() : "");
  document.setHidden(art, shown ? e->hidden : true);
  document.setLocked(art, shown ? e->locked : true);
  if (!shown) document.setSelected(art, false);
}

std::string newRunId(const SvgSource& source, const std::set<std::string>& dropped,
                     const std::set<std::string>& taken) {
  for (int n = 1;; ++n) {
    std::string id = "contour-run-" + std::to_string(n);
    if ((!source.ids.count(id) || dropped.count(id)) && !taken.count(id)) return id;
  }
}

}  // namespace easel::svg
