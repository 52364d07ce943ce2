#include "DrawingView.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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

}  // namespace

uint32_t DrawingView::pageId(uint64_t key) const {
  if (key == 0) return 0;
  const auto [at, isNew] = pageIds_.emplace(key, nextPageId_);
  if (isNew) ++nextPageId_;
  return at->second;
}

// An object put in, and what it holds after it (members of a compound path
// travel in its record), each below the object above it in its container.
uint32_t DrawingView::putIn(const Document& document, ArtRef art, GeometryWriter& writer) const {
  writer.add(document, art, pageId(art.bits()), pageId(document.parent(art).bits()),
             pageId(document.previousSibling(art).bits()));
  uint32_t count = 1;
  if (document.content(art).type != ArtType::Group) return count;
  for (ArtRef c = document.firstChild(art); c; c = document.nextSibling(c)) count += putIn(document, c, writer);
  return count;
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

nlohmann::json DrawingView::geometryForPage(const Document& document, const DrawingSnapshot* base,
                                            uint64_t pageRevision, std::string& geometry) const {
  GeometryWriter writer;
  uint32_t inserted = 0;
  std::size_t countAt = 0;
  if (base == nullptr) {
    std::size_t size = 2 * sizeof(uint32_t);
    for (ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer))
      size += GeometryWriter::sizeBound(document, layer);
    writer.reserve(size);
    writer.word(0);
    countAt = writer.bytes().size();
    writer.word(0);
    for (ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer))
      inserted += putIn(document, layer, writer);
  } else {
    const DrawingChanges changes = changesBetween(*base, kept_.back().second);
    std::size_t size = (2 + changes.removed.size()) * sizeof(uint32_t);
    for (const SnapshotEntry* e : changes.inserted) size += GeometryWriter::sizeBound(document, ArtRef(e->key));
    writer.reserve(size);
    writer.word(static_cast<uint32_t>(changes.removed.size()));
    for (uint64_t key : changes.removed) writer.word(pageId(key));
    countAt = writer.bytes().size();
    writer.word(0);
    for (const SnapshotEntry* e : changes.inserted) inserted += putIn(document, ArtRef(e->key), writer);
  }
  std::string& bytes = writer.bytes();
  std::memcpy(bytes.data() + countAt, &inserted, sizeof inserted);  // known only now
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
