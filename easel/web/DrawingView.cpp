#include "DrawingView.h"

#include <algorithm>
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

// An object put in, and what it holds after it (members of a compound path
// travel in its record), each below the object above it in its container.
void putIn(const Document& document, ArtRef art, nlohmann::json& places, GeometryWriter& writer) {
  places.push_back({keyText(art.bits()), keyText(document.parent(art).bits()), keyText(document.previousSibling(art).bits())});
  writer.add(document, art);
  if (document.content(art).type != ArtType::Group) return;
  for (ArtRef c = document.firstChild(art); c; c = document.nextSibling(c)) putIn(document, c, places, writer);
}

}  // namespace

void DrawingView::look(const Document& document) {
  DrawingSnapshot now = takeSnapshot(document);
  now.drawable = std::all_of(now.entries.begin(), now.entries.end(),
                             [&](const SnapshotEntry& e) { return filter_.drawable(document, ArtRef(e.key)); });
  if (!document.inCommand()) committed_ = now.fingerprint;
  if (!kept_.empty() && kept_.back().second == now) return;
  const uint64_t next = revision() + 1;
  kept_.emplace_back(next, std::move(now));
  while (kept_.size() > kKeptRevisions) kept_.pop_front();
}

nlohmann::json DrawingView::geometryForPage(const Document& document, const DrawingSnapshot* base,
                                           uint64_t pageRevision, std::string& geometry) const {
  GeometryWriter writer;
  nlohmann::json removed = nlohmann::json::array(), inserted = nlohmann::json::array();
  if (base == nullptr) {
    for (ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer))
      putIn(document, layer, inserted, writer);
  } else {
    const DrawingChanges changes = changesBetween(*base, kept_.back().second);
    for (uint64_t key : changes.removed) removed.push_back(keyText(key));
    for (const SnapshotEntry* e : changes.inserted) putIn(document, ArtRef(e->key), inserted, writer);
  }
  nlohmann::json answer = {{"revision", revision()},
                           {"remove", std::move(removed)},
                           {"insert", std::move(inserted)},
                           {"geometry", {{"paints", writer.paints()}, {"bytes", writer.bytes().size()}}}};
  if (base != nullptr) answer["base"] = pageRevision;
  geometry = std::move(writer.bytes());
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
