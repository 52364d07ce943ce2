// Contours that stay editable in plain SVG. Every contour a run makes says,
// in our namespace, which run made it, from which source (by id) and in what
// order: contour:run="contour-run-1" contour:source="star" contour:index="3".
// Every run leaves a record in <metadata contour:role="runs">:
//
//   <contour:run id="contour-run-1" version="18.3.0" seed="7" draws-before="2" sources="star heart">
//     <contour:params contourCount="12" scaleH="4" .../>
//   </contour:run>
//
// The record's fields are opaque text here: the command line knows them.
// Reading the records back lets a later command find a run's contours again
// (to replace, repeat or strip them); a record that cannot be read is
// reported and left alone, and so are the contours that name it.
#ifndef EASEL_SVG_CONTOURRUNS_H
#define EASEL_SVG_CONTOURRUNS_H

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "SourceWriter.h"
#include "SvgSource.h"
#include "XmlOut.h"
#include "easel/core/Document.h"

namespace easel::svg {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

// What a contour says about itself.
struct ContourMark {
  std::string run;
  std::string source;  // empty when the source has no id
  int index = 0;       // the order in which the run made it from its source
};

// A run record as the file holds it, or as a run writes it.
struct RunRecord {
  std::string id;
  std::string version;
  std::optional<uint64_t> seed;
  uint64_t drawsBefore = 0;  // random numbers drawn before the run (by previews)
  std::vector<std::string> sources;
  NamedValues params;  // in the record's order
};

// A record found in the file: usable, or the reason it is not.
struct RecordedRun {
  RunRecord record;
  std::string problem;  // empty when usable
};

// Whether the element is a record (contour:run, by its namespace).
bool isRunRecord(pugi::xml_node node);

// Every record of the file (SvgSource::runRecords), in file order. `currentVersion`
// ("18.3.0"): a record of a newer version is not usable.
std::vector<RecordedRun> readRecordedRuns(const SvgSource& source, const std::string& currentVersion);

// The marks of new contours, by their ArtRef bits. A run makes contours by
// the million, so each mark is a small entry, and the names of runs and
// sources are kept once each.
class ContourMarks {
 public:
  void add(uintptr_t bits, std::string_view run, std::string_view source, int index);
  void reserve(std::size_t marks) { entries_.reserve(marks); }
  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }
  std::size_t count(uintptr_t bits) const { return entry(bits) ? 1 : 0; }
  std::optional<ContourMark> find(uintptr_t bits) const;
  // The source's id of the mark of `bits`; null when it has none.
  const std::string* sourceOf(uintptr_t bits) const;
  // Numbers the marks of each group from 0, in the order of `rank` (a key
  // that differs for each mark): each mark's index is its place among
  // those whose `group` is its own. In place, so that numbering a million
  // marks needs no second list of them.
  template <typename Rank, typename Group>
  void numberBy(Rank rank, Group group) {
    std::sort(entries_.begin(), entries_.end(),
              [&](const Entry& a, const Entry& b) { return rank(a.bits) < rank(b.bits); });
    sorted_ = std::is_sorted(entries_.begin(), entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.bits < b.bits; });
    std::unordered_map<decltype(group(uintptr_t{})), int32_t> made;
    for (Entry& e : entries_) e.index = made[group(e.bits)]++;
  }
  // Calls visit(bits, mark) for each, in the order of their bits.
  template <typename Visit>
  void forEach(Visit visit) const {
    sort();
    for (const Entry& e : entries_) visit(e.bits, markOf(e));
  }

 private:
  struct Entry {
    uintptr_t bits;
    uint32_t run, source;
    int32_t index;
  };
  uint32_t nameIndex(std::string_view name);
  const Entry* entry(uintptr_t bits) const;
  ContourMark markOf(const Entry& e) const { return {names_[e.run], names_[e.source], e.index}; }
  // Sorted by bits when first looked in (the marks are made in another order).
  void sort() const;
  mutable std::vector<Entry> entries_;
  mutable bool sorted_ = true;
  std::vector<std::string> names_;
  std::map<std::string, uint32_t, std::less<>> indexOfName_;
};

// What the file says about the art's element, when it is a contour (has contour:run).
std::optional<ContourMark> recordedMark(const Document& document, ArtRef art, const SvgSource& source);

// The art read from an element of the file (not a copy the document made);
// its id ("" for none) in *id.
bool isImportedElement(const Document& document, ArtRef art, const SvgSource& source, std::string* id);

// The top objects that the document made by copying art of the file (those
// born after `bornAfter`: Document::birth), each with the id of the element
// it copies and its index (in the order made), as run `runId` marks them.
ContourMarks markNewContours(const Document& document, const SvgSource& source, const std::string& runId,
                             uint64_t bornAfter = 0);

// Art of the file that a new run deleted (pathDelete). The run's record
// keeps a copy of its element, <contour:kept n="N">ELEMENT</contour:kept>,
// and an empty <contour:place run="ID" n="N"/> holds its place, so that the
// drawing can be given back as it was and the run made again from it.
struct KeptSource {
  const SvgArtExtra* of;
  std::string run;
  int n;
};

// The changes a command makes to the file's contours and records, which the
// exporter carries out.
struct RunEdits {
  ContourMarks marks;  // new contours, by their ArtRef bits
  std::vector<RunRecord> added;
  std::set<std::string> dropped;                   // records that go
  std::map<std::string, std::string> sourcesLeft;  // records that keep only some sources
  // The file's ids of the contours removed: new art may take them (looked
  // up for every new id). Views, into the file's text or what made the
  // edits, which outlives them.
  std::unordered_set<std::string_view> freedIds;
  std::vector<KeptSource> kept;  // by the added records, in their order
};

// Notes the sources that the added records of runs made with pathDelete
// deleted, which the file then keeps (the art of the file among them).
void noteKeptSources(const Document& document, const SvgSource& source, RunEdits& edits);

// Whether art read from a kept copy (SvgArtExtra::place) stays kept, its
// placeholder written, after `edits` (null: no edits): while its run's
// record stays and still names it.
bool staysKept(const RunEdits* edits, const SvgArtExtra& extra);

// Art read from a kept copy out of sight (unnamed, hidden, locked, not selected), or back
// as its element has it; other art is left as it is.
void showKept(Document& document, ArtRef art, bool shown);

// For the exporter: carries out the edits of the records as it writes the
// file's elements (the contours' own marks it writes itself). A record that
// goes takes the white space before it along; new records go after the last
// of the runs' element, each on a line of its own where the file has lines.
class RunRecordWriter {
 public:
  RunRecordWriter(const SvgSource* source, const RunEdits& edits, const std::string& svgPrefix,
                  const std::string& contourPrefix);

  // Whether writing adds records, and so uses our namespace.
  bool addsRecords() const { return !edits_.added.empty(); }
  // The declaration of our namespace goes when the records that go were all
  // that used it (the exporter checks the rest of the output).
  bool mayDropDeclaration() const { return edits_.added.empty() && !edits_.dropped.empty(); }
  std::string declarationName() const;

  // Whether an element of the file goes whole: a record that goes, or the
  // runs' metadata element when none of its elements is left.
  bool drops(pugi::xml_node node) const;
  // A node of the file as written: with its records edited (and the new
  // ones, when it is the runs' metadata element).
  void write(SourceWriter& writer, pugi::xml_node node);
  // After the root's children: a new metadata element for the new records
  // when the file had none (`writer`: the file's, when there is one).
  void finish(XmlOut& out, SourceWriter* writer);

 private:
  void noteEditedRecords(const SvgSource& source);
  // The new records, each after `lead`, their parameters and kept copies
  // after `inner` (copied through `writer`).
  void writeNewRecords(XmlOut& out, SourceWriter* writer, const std::string& lead, const std::string& inner,
                       char quote) const;

  const RunEdits& edits_;
  std::string metadataName_, contourPrefix_;
  pugi::xml_node metadata_;  // the file's runs metadata element, where new records go
  bool wroteMetadata_ = false;
  std::set<const void*> holdsEditedRecords_;  // elements with a record that changes inside
};
// An id of the form contour-run-N that no element of the file has, other
// than the records that are dropped, and that is not `taken`.
std::string newRunId(const SvgSource& source, const std::set<std::string>& dropped,
                     const std::set<std::string>& taken = {});

}  // namespace easel::svg

#endif
