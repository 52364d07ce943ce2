#include "RunBook.h"

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <unordered_set>

#include "ColorText.h"
#include "MarkReader.h"
#include "Namespaces.h"

namespace easel::svg {

namespace {

// "'a', 'b', 'c' and 97 more": a list that stays one short line however long it is.
std::string nameList(const std::vector<std::string_view>& names, const char* quote = "'") {
  constexpr std::size_t kShown = 3;
  std::string out;
  for (std::size_t i = 0; i < names.size() && i < kShown; ++i) {
    out += (i ? ", " : "") + (quote + std::string(names[i])) + quote;
  }
  if (names.size() > kShown) out += " and " + std::to_string(names.size() - kShown) + " more";
  return out;
}

const std::string* paramNamed(const NamedValues& params, std::string_view name) {
  for (const auto& [field, value] : params)
    if (field == name) return &value;
  return nullptr;
}

// Calls `visit` with the name of the art and of every object inside it.
template <typename Visit>
void eachName(const Document& document, ArtRef art, Visit visit) {
  const int depth = document.depth(art);
  for (ArtRef a = art; a && (a == art || document.depth(a) > depth); a = document.nextInOrder(a)) {
    if (!document.content(a).name->empty()) visit(document.content(a).name.get());
  }
}

}  // namespace

RunRecord runRecordOf(const Document& document, const ContourMarks& marks, std::string id, std::string version,
                      NamedValues params, std::optional<uint64_t> seed, uint64_t drawsBefore) {
  RunRecord record;
  record.id = std::move(id);
  record.version = std::move(version);
  if (seed) record.seed = *seed, record.drawsBefore = drawsBefore;
  std::unordered_set<std::string_view> named;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    const std::string* source = marks.sourceOf(a.bits());
    if (source && named.insert(*source).second) record.sources.push_back(*source);
  }
  record.params = std::move(params);
  return record;
}

RunBook::RunBook(const Document& document, const SvgSource& source, std::string fileName, std::string version,
                 const ParamsCheck& paramsCheck, std::ostream& warnings)
    : source_(source), fileName_(std::move(fileName)), version_(std::move(version)) {
  indexElements(document);
  std::unordered_set<std::string_view> marking;  // the runs that marks name
  for (const Contour& c : marked_) marking.insert(c.run);
  for (RecordedRun& r : readRecordedRuns(source, version_)) {
    marking.erase(r.record.id);
    if (r.problem.empty()) {
      const std::string problem = paramsCheck(r.record.params);
      if (!problem.empty()) r.problem = "its parameter record does not read: " + problem;
    }
    std::vector<std::string_view> gone, notKept;
    for (const std::string& id : r.record.sources) {
      if (!keptIds_.count({r.record.id, id})) {
        notKept.push_back(id);
        if (!elementsById_.has(id)) gone.push_back(id);
      }
    }
    const std::string* deleted = paramNamed(r.record.params, "pathDelete");
    if (r.problem.empty() && deleted && *deleted != "0" && (!keepsCopies(r.record.id) || !notKept.empty())) {
      // Its contours are all that is left of its sources.
      r.problem = "it deleted its sources (pathDelete), and the file keeps no copy of them to give back";
    } else if (r.problem.empty() && !gone.empty()) {
      r.problem = "the sources " + nameList(gone, "") + " it names are gone";
    }
    if (r.problem.empty()) {
      usable_.push_back(std::move(r.record));
    } else {
      warn(warnings, r.record.id, r.problem);
    }
  }
  // The records' ids stay where they are from here on.
  for (std::size_t i = 0; i < usable_.size(); ++i) {
    usableById_.emplace(usable_[i].id, i);
    recordSources_.insert(usable_[i].sources.begin(), usable_[i].sources.end());
  }
  const std::set<std::string_view> unrecorded(marking.begin(), marking.end());  // in order, for the warnings
  for (std::string_view run : unrecorded) warn(warnings, run, "contours name it, but the file does not record it");
  checkContours(document, warnings);
}

void RunBook::indexElements(const Document& document) {
  MarkReader reader;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a)) {
    const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(a).extra.get());
    if (!e || e->source.get() != &source_ || e->kind != SvgArtExtra::Kind::Element || e->original != a) continue;
    const MarkReader::Marks m = reader.read(e->node);
    // Our marks by their namespace, whatever prefix the file gives it there.
    if (m.run) marked_.push_back({a, m.run.value(), m.source.value(), m.id, kRead});
    if (e->place) {
      // Not the art of its id while its run stands: the contour that took the id is.
      kept_.push_back({e->place.attribute("run").value(), m.id, a});
      keptIds_.emplace(kept_.back().run, m.id);
      continue;
    }
    if (!m.id.empty() && document.parent(a)) {
      elementsById_.add(m.id, elements_.size());
      elements_.push_back({m.id, a, bool(m.run)});
    }
  }
  // The contours the reader left out: no art, but marks and ids all the same.
  // Mostly all of the file: room for them at once, without a rehash or copy.
  const std::size_t unread = source_.unread.size();
  marked_.reserve(marked_.size() + unread);
  elements_.reserve(elements_.size() + unread);
  elementsById_.reserve(elements_.size() + unread);
  unreadGone_.assign(unread, false);
  for (std::size_t i = 0; i < source_.unread.size(); ++i) {
    const UnreadContour& u = source_.unread[i];
    marked_.push_back({ArtRef(), u.run, u.source, u.id, i});
    if (!u.id.empty()) {
      elementsById_.add(u.id, elements_.size());
      elements_.push_back({u.id, ArtRef(), true});
    }
  }
}

std::string_view RunBook::idOf(const Document& document, const Contour& c) const {
  return c.art ? std::string_view(document.content(c.art).name.get()) : c.id;
}

namespace {

// Why a marked element is left: what its warning says of one and of several.
enum class Left { HoldsArt, OwnSource, Loop, NoSource };
struct LeftText {
  const char* one;
  const char* several;
};
constexpr LeftText kLeftText[] = {
    {"holds other art (a group or a layer)", "hold other art (groups or layers)"},
    {"is one of the run's own sources", "are among the run's own sources"},
    {"is made from contours made from it in turn (their sources form a loop)",
     "are made from contours made from them in turn (their sources form a loop)"},
    {"is made from art that is not in the drawing", "are made from art that is not in the drawing"},
};

}  // namespace

// A contour may go when it is leaf art, is not one of its run's own sources,
// and comes, through the marks' chain of sources, from art that stays (art
// that is not such a contour): then removing it gives back what was there
// before its run. Everything else the marks claim is left.
void RunBook::checkContours(const Document& document, std::ostream& warnings) {
  std::map<std::pair<std::string_view, Left>, std::vector<std::string_view>> left;  // names by run and reason
  auto nameOf = [&](const Contour& c) {
    const std::string_view name = idOf(document, c);
    return name.empty() ? std::string_view("(no id)") : name;
  };
  std::vector<std::unordered_set<std::string_view>> sourceSets;
  for (const RunRecord& r : usable_) sourceSets.emplace_back(r.sources.begin(), r.sources.end());
  std::vector<std::size_t> candidates;
  // The marks of one run come together: the last one's run answers the most.
  std::string_view lastRun;
  auto run = usableById_.end();
  for (std::size_t i = 0; i < marked_.size(); ++i) {
    const Contour& c = marked_[i];
    if (c.run != lastRun || i == 0) run = usableById_.find(lastRun = c.run);
    if (run == usableById_.end()) continue;  // reported with its record
    const std::string_view id = idOf(document, c);
    if (c.art && document.type(c.art) == ArtType::Group) {
      left[{c.run, Left::HoldsArt}].push_back(nameOf(c));
    } else if (!id.empty() && sourceSets[run->second].count(id) && !keptIds_.count({c.run, id})) {
      left[{c.run, Left::OwnSource}].push_back(nameOf(c));
    } else {
      candidates.push_back(i);
    }
  }
  // From the art that stays, down the chains of contours made from contours
  // (the index by source serves the removal after).
  // By elements_: an element whose id a candidate has (every element of that
  // id), which is then no art that stays.
  std::vector<bool> candidateId(elements_.size(), false);
  contoursBySource_.reserve(candidates.size());
  for (std::size_t i : candidates) {
    contoursBySource_.add(marked_[i].source, i);
    // Once for each id: a file may give thousands of elements the same one.
    if (const std::string_view id = idOf(document, marked_[i]); !id.empty())
      elementsById_.take(id, [&](std::size_t e) { candidateId[e] = true; });
  }
  const auto staysById = [&](std::string_view id) {
    const std::optional<std::size_t> e = elementsById_.first(id);
    return e && !candidateId[*e];
  };
  mayGo_.assign(marked_.size(), false);
  std::deque<std::string_view> reached;  // the ids of contours that come from art that stays
  auto reach = [&](std::size_t i) {
    if (mayGo_[i]) return;
    mayGo_[i] = true;
    if (const std::string_view id = idOf(document, marked_[i]); !id.empty()) reached.push_back(id);
  };
  // A source's contours come together: the last source's answer holds for most.
  std::string_view lastSource;
  bool lastStays = false;
  for (std::size_t i : candidates) {
    const std::string_view source = marked_[i].source;
    if (source.empty()) {
      reach(i);  // made from art without an id
      continue;
    }
    if (source != lastSource) lastSource = source, lastStays = staysById(source);
    // Made from a copy its run keeps, or from art that is not such a contour.
    if (lastStays || keptIds_.count({marked_[i].run, source})) reach(i);
  }
  while (!reached.empty()) {
    contoursBySource_.take(reached.front(), reach);
    reached.pop_front();
  }
  std::vector<std::size_t>* runContours = nullptr;  // the last run's, as above
  for (std::size_t i : candidates) {
    const Contour& c = marked_[i];
    if (!mayGo_[i]) {
      left[{c.run, elementsById_.has(c.source) ? Left::Loop : Left::NoSource}].push_back(nameOf(c));
      continue;
    }
    if (runContours == nullptr || c.run != lastRun) runContours = &contoursByRun_[lastRun = c.run];
    runContours->push_back(i);
  }
  for (const auto& [key, names] : left) {
    leftRuns_.insert(key.first);
    const bool one = names.size() == 1;
    const LeftText& text = kLeftText[static_cast<int>(key.second)];
    warnings << "contour: warning: " << fileName_ << ": run element '" << key.first
             << "': " << (one ? "the element " : "the elements ") << nameList(names)
             << (one ? " carries its mark but " : " carry its mark but ") << (one ? text.one : text.several) << "; "
             << (one ? "it is" : "they are") << " left\n";
  }
}

bool RunBook::keepsCopies(std::string_view run) const {
  return std::any_of(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.run == run; });
}

void RunBook::warn(std::ostream& warnings, std::string_view run, const std::string& problem) const {
  const std::string name =
      run.empty() ? "a contour:run element without an id" : "run element '" + std::string(run) + "'";
  warnings << "contour: warning: " << fileName_ << ": " << name << ": " << problem << "; its contours are left alone\n";
}

std::vector<ArtRef> RunBook::sourcesOf(const Document& document, const RunRecord& run) const {
  std::vector<ArtRef> out;
  for (const Kept& k : kept_) {
    if (k.run == run.id && document.valid(k.art)) out.push_back(k.art);
  }
  if (!out.empty()) return out;
  for (const std::string& id : run.sources) {
    elementsById_.forEach(id, [&](std::size_t i) {
      if (elements_[i].art && document.valid(elements_[i].art)) out.push_back(elements_[i].art);
    });
  }
  return out;
}

std::vector<ArtRef> RunBook::contoursOf(const Document& document, std::string_view run) const {
  std::vector<ArtRef> out;
  const auto found = contoursByRun_.find(run);
  if (found == contoursByRun_.end()) return out;
  for (std::size_t i : found->second)
    if (marked_[i].art && document.valid(marked_[i].art)) out.push_back(marked_[i].art);
  return out;
}

bool RunBook::leftUnread() const {
  return std::find(unreadGone_.begin(), unreadGone_.end(), false) != unreadGone_.end();
}

std::set<std::string> RunBook::selectedSources(const Document& document) const {
  std::set<std::string> out;
  for (const Element& e : elements_) {
    if (!e.marked && document.valid(e.art) && (document.content(e.art).attributes & kArtSelected)) out.emplace(e.id);
  }
  for (const Kept& k : kept_) {
    if (!k.id.empty() && document.valid(k.art) && (document.content(k.art).attributes & kArtSelected))
      out.emplace(k.id);
  }
  return out;
}

std::vector<std::pair<std::string, std::size_t>> RunBook::selectedContours(const Document& document) const {
  std::vector<std::pair<std::string, std::size_t>> counts;
  for (const RunRecord& r : usable_) {
    const std::vector<ArtRef> contours = contoursOf(document, r.id);
    const std::size_t selected =
        static_cast<std::size_t>(std::count_if(contours.begin(), contours.end(), [&](ArtRef a) {
          return (document.content(a).attributes & kArtSelected) != 0;
        }));
    if (selected > 0) counts.emplace_back(r.id, selected);
  }
  return counts;
}

void RunBook::deselectContours(Document& document, bool sourcesInstead) const {
  for (const auto& [run, count] : selectedContours(document)) {
    for (ArtRef a : contoursOf(document, run)) document.setSelected(a, false);
    if (!sourcesInstead) continue;
    for (ArtRef a : sourcesOf(document, usable_[usableById_.at(run)])) document.setSelected(a, true);
  }
}

const RunRecord& RunBook::chooseAgain(Document& document) {
  const std::set<std::string> selected = selectedSources(document);
  // A selected contour of a run that deleted its sources stands for them.
  std::set<std::string> standing;
  if (!kept_.empty()) {
    for (const auto& [run, count] : selectedContours(document))
      if (keepsCopies(run)) standing.insert(run);
  }
  for (auto r = usable_.rbegin(); r != usable_.rend(); ++r) {
    const auto& sources = r->sources;
    if (!standing.count(r->id) &&
        std::none_of(sources.begin(), sources.end(), [&](const std::string& id) { return selected.count(id); })) {
      continue;
    }
    document.deselectAll();
    for (ArtRef a : sourcesOf(document, *r)) document.setSelected(a, true);
    return *r;
  }
  throw std::runtime_error(fileName_ + ": --again: no usable run of the selected art is recorded");
}

void RunBook::removeContours(Document& document, bool all) {
  // The ids of what goes, sources and contours, viewed in the file's text:
  // the art's own names go with the art. What the file does not hold is
  // kept here, and frees no id of the file.
  std::unordered_set<std::string_view> going;
  std::deque<std::string_view> queue;
  std::deque<std::string> notInFile;
  const std::set<std::string> selected = all ? std::set<std::string>() : selectedSources(document);
  // Mostly every contour goes: room for their ids at once.
  edits_.freedIds.reserve(marked_.size());
  if (!all) going.reserve(marked_.size());
  const auto free = [&](std::string_view id, bool inFile) {
    if (inFile) edits_.freedIds.insert(id);
    // Every record goes with `all`: only the sources of the others matter.
    // An id that no contour is made from and no record names matters to
    // neither: most contours' own.
    if (all || (!contoursBySource_.has(id) && !recordSources_.count(id))) return;
    if (going.insert(id).second) queue.push_back(id);
  };
  const auto freeName = [&](const std::string& name) {
    const auto found = source_.ids.find(name);
    if (found != source_.ids.end()) return free(found->first, true);
    if (!all) free(notInFile.emplace_back(name), false);
  };
  auto remove = [&](std::size_t i) {
    if (!mayGo_[i]) return;
    const Contour& c = marked_[i];
    if (c.unread != kRead) {
      if (unreadGone_[c.unread]) return;
      unreadGone_[c.unread] = true;
      if (!c.id.empty()) free(c.id, true);
      return;
    }
    if (!document.valid(c.art)) return;
    eachName(document, c.art, freeName);
    document.dispose(c.art);
  };
  if (all) {
    for (const RunRecord& r : usable_) going.insert(r.sources.begin(), r.sources.end());
    for (std::size_t i = 0; i < marked_.size(); ++i) remove(i);
  } else {
    // A contour that goes takes the contours made from it along.
    for (const std::string& id : selected) {
      going.insert(id);
      queue.push_back(id);
    }
    // A selected kept copy without an id takes the contours its run made from art without one.
    for (const Kept& k : kept_) {
      if (!k.id.empty() || !document.valid(k.art) || !(document.content(k.art).attributes & kArtSelected)) continue;
      const auto run = contoursByRun_.find(k.run);
      if (run == contoursByRun_.end()) continue;
      for (std::size_t i : run->second)
        if (marked_[i].source.empty()) remove(i);
    }
    while (!queue.empty()) {
      const std::string_view id = queue.front();
      queue.pop_front();
      contoursBySource_.forEach(id, remove);
    }
  }
  noteRecordEdits(going);
  // The sources kept of the runs whose contours went are the drawing's again.
  for (const Kept& k : kept_) {
    if (!document.valid(k.art)) continue;
    const auto* e = dynamic_cast<const SvgArtExtra*>(document.content(k.art).extra.get());
    if (e && !staysKept(&edits_, *e)) showKept(document, k.art, true);
  }
}

void RunBook::forgetContours() {
  // Exchanged for empty ones: clear() would keep the storage.
  const auto drop = [](auto& member) { (void)std::exchange(member, {}); };
  drop(elements_);
  drop(elementsById_);
  drop(marked_);
  drop(mayGo_);
  drop(contoursByRun_);
  drop(contoursBySource_);
  drop(recordSources_);
  drop(kept_);
  drop(keptIds_);
}

// A record goes when all its sources went, or keeps the others; a run some
// of whose contours were left keeps its record as it is.
void RunBook::noteRecordEdits(const std::unordered_set<std::string_view>& going) {
  for (const RunRecord& r : usable_) {
    if (leftRuns_.count(r.id)) continue;
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
                         uint64_t drawsBefore) {
  RunEdits edits = std::move(edits_);
  edits_ = {};
  if (params == nullptr) return edits;
  std::string id = newRunId(source_, edits.dropped);
  edits.marks = markNewContours(document, source_, id);
  if (edits.marks.empty()) return edits;
  edits.added.push_back(runRecordOf(document, edits.marks, std::move(id), version_, *params, seed, drawsBefore));
  noteKeptSources(document, source_, edits);
  return edits;
}

}  // namespace easel::svg
