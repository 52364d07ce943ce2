#include "DrawingView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "TakenPaths.h"
#include "easel/svg/SvgExport.h"

namespace easel::web {

namespace {

constexpr std::size_t kKeptRevisions = 2;

// Refs are 64-bit: as text, since the page's numbers hold only 53 bits.
nlohmann::json keyText(uint64_t key) {
  return key == 0 ? nlohmann::json(nullptr) : nlohmann::json(std::to_string(key));
}

// A function that owns no object to destroy calls the document directly,
// where the WebAssembly build (its exceptions in JavaScript) would make each
// call through a trampoline.
[[gnu::noinline]] bool allDrawable(const GeometryFilter& filter, const Document& document,
                                   const std::vector<SnapshotEntry>& entries) {
  for (const SnapshotEntry& e : entries)
    if (!filter.drawable(document, ArtRef(e.key))) return false;
  return true;
}

// Groups are written whole (they have no points); see allDrawable.
[[gnu::noinline]] void findRepeats(const Document& document, const std::vector<const SnapshotEntry*>& putIn,
                                   TakenPaths& taken, std::vector<uint64_t>& repeats) {
  for (std::size_t i = 0; i < putIn.size(); ++i)
    if (document.content(ArtRef(putIn[i]->key)).type != ArtType::Group) repeats[i] = taken.take(putIn[i]->fingerprint);
}

// The most bytes the records of `putIn` take; see allDrawable.
[[gnu::noinline]] std::size_t recordsBound(const Document& document, const std::vector<const SnapshotEntry*>& putIn,
                                           const std::vector<uint64_t>& repeats) {
  std::size_t size = 0;
  for (std::size_t i = 0; i < putIn.size(); ++i)
    size += repeats[i] ? (kRecordSource + 1) * sizeof(uint32_t)
                       : GeometryWriter::sizeBound(document, ArtRef(putIn[i]->key));
  return size;
}

}  // namespace

// See allDrawable.
[[gnu::noinline]] void DrawingView::writeIds(const std::vector<uint64_t>& keys, GeometryWriter& writer) const {
  for (uint64_t key : keys) writer.word(pageId(key));
}

// See allDrawable.
[[gnu::noinline]] void DrawingView::writeRecords(const Document& document,
                                                 const std::vector<const SnapshotEntry*>& putIn,
                                                 const std::vector<uint64_t>& repeats, GeometryWriter& writer) const {
  for (std::size_t i = 0; i < putIn.size(); ++i) {
    const SnapshotEntry& e = *putIn[i];
    const uint32_t id = pageId(e.key), parent = pageId(e.parent), above = pageId(e.above);
    if (repeats[i]) writer.addRepeated(id, parent, above, pageId(repeats[i]));
    else
      writer.add(document, ArtRef(e.key), id, parent, above);
  }
}

uint32_t DrawingView::pageId(uint64_t key) const {
  if (key == 0) return 0;
  const auto [at, isNew] = pageIds_.emplace(key, nextPageId_);
  if (isNew) ++nextPageId_;
  return at->second;
}

void DrawingView::look(const Document& document) {
  DrawingSnapshot now = takeSnapshot(document);
  now.drawable = allDrawable(filter_, document, now.entries);
  if (!document.inCommand()) committed_ = now.fingerprint;
  if (!kept_.empty() && kept_.back().second == now) return;
  const uint64_t next = revision() + 1;
  kept_.emplace_back(next, std::move(now));
  while (kept_.size() > kKeptRevisions) kept_.pop_front();
  // Ids of art no kept revision holds are forgotten: a page that still shows
  // such art shows a revision no longer kept, and gets the whole drawing.
  std::size_t held = 0;
  for (const auto& kept : kept_) held += kept.second.entries.size();
  if (pageIds_.size() > 2 * held + 1024) {
    ArtKeySet keys;
    for (const auto& kept : kept_)
      for (const SnapshotEntry& e : kept.second.entries) keys.insert(e.key);
    std::erase_if(pageIds_, [&](const auto& id) { return !keys.count(id.first); });
  }
}

// Each object goes below the object above it in its container (members of
// a compound path travel in its record); a path the page takes out and puts
// in again as it was goes as the id of the one taken out.
nlohmann::json DrawingView::geometryForPage(const Document& document, const DrawingSnapshot* base,
                                            uint64_t pageRevision, std::string& geometry) const {
  const DrawingSnapshot& now = kept_.back().second;
  std::vector<const SnapshotEntry*> putIn;
  std::vector<uint64_t> removed, repeats;  // repeats: by entry put in, the key it repeats (0: none)
  if (base == nullptr) {
    putIn.reserve(now.entries.size());
    for (const SnapshotEntry& e : now.entries) putIn.push_back(&e);
    repeats.assign(putIn.size(), 0);
  } else {
    DrawingChanges changes = changesBetween(*base, now);
    putIn = entriesPutIn(now, changes);
    TakenPaths taken(*base, changes);
    repeats.resize(putIn.size());
    findRepeats(document, putIn, taken, repeats);
    removed = std::move(changes.removed);
  }
  GeometryWriter writer;
  writer.reserve((2 + removed.size()) * sizeof(uint32_t) + recordsBound(document, putIn, repeats));
  writer.word(static_cast<uint32_t>(removed.size()));
  writeIds(removed, writer);
  writer.word(static_cast<uint32_t>(putIn.size()));
  writeRecords(document, putIn, repeats, writer);
  std::string& bytes = writer.bytes();
  nlohmann::json answer = {{"revision", revision()},
                           {"geometry", {{"paints", writer.paints()}, {"bytes", bytes.size()}}}};
  if (base != nullptr) answer["base"] = pageRevision;
  geometry = std::move(bytes);
  return answer;
}

nlohmann::json DrawingView::forPage(const Document& document, uint64_t pageRevision, std::string* geometry) const {
  if (pageRevision == revision()) return nullptr;
  svg::ExportOptions options;
  options.markAttribute = kArtMark;
  const DrawingSnapshot* base = nullptr;
  for (const auto& [kept, snapshot] : kept_)
    if (kept == pageRevision && pageRevision != 0) base = &snapshot;
  // The page's picture is geometry or SVG: changes apply only to one of the same kind.
  const bool asGeometry = geometry != nullptr && kept_.back().second.drawable;
  if (base != nullptr && (geometry != nullptr && base->drawable) != asGeometry) base = nullptr;
  if (asGeometry) return geometryForPage(document, base, pageRevision, *geometry);
  if (base == nullptr) return {{"revision", revision()}, {"svg", svg::exportSvg(document, source_.get(), options)}};

  const DrawingChanges changes = changesBetween(*base, kept_.back().second);
  nlohmann::json removed = nlohmann::json::array(), inserted = nlohmann::json::array();
  for (uint64_t key : changes.removed) removed.push_back(keyText(key));
  std::vector<ArtRef> art;
  art.reserve(changes.inserted.size());
  for (const SnapshotEntry* e : changes.inserted) {
    // Layers are not written alone: a new layer comes with the whole drawing.
    if (e->parent == 0) return forPage(document, 0, geometry);
    inserted.push_back({keyText(e->key), keyText(e->parent), keyText(e->above)});
    art.push_back(ArtRef(e->key));
  }
  return {{"revision", revision()},
          {"base", pageRevision},
          {"remove", std::move(removed)},
          {"insert", std::move(inserted)},
          {"svg", svg::exportArtElements(document, source_.get(), art, options)}};
}

}  // namespace easel::web
