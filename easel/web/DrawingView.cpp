#include "DrawingView.h"

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

}  // namespace

void DrawingView::look(const Document& document) {
  DrawingSnapshot now = takeSnapshot(document);
  if (!document.inCommand()) committed_ = now.fingerprint;
  if (!kept_.empty() && kept_.back().second == now) return;
  const uint64_t next = revision() + 1;
  kept_.emplace_back(next, std::move(now));
  while (kept_.size() > kKeptRevisions) kept_.pop_front();
}

nlohmann::json DrawingView::forPage(const Document& document, uint64_t pageRevision) const {
  if (pageRevision == revision()) return nullptr;
  svg::ExportOptions options;
  options.markAttribute = kArtMark;
  const DrawingSnapshot* base = nullptr;
  for (const auto& [kept, snapshot] : kept_)
    if (kept == pageRevision && pageRevision != 0) base = &snapshot;
  if (base == nullptr) return {{"revision", revision()}, {"svg", svg::exportSvg(document, source_.get(), options)}};

  const DrawingChanges changes = changesBetween(*base, kept_.back().second);
  nlohmann::json removed = nlohmann::json::array(), inserted = nlohmann::json::array();
  for (uint64_t key : changes.removed) removed.push_back(keyText(key));
  std::vector<ArtRef> art;
  art.reserve(changes.inserted.size());
  for (const SnapshotEntry* e : changes.inserted) {
    // Layers are not written alone: a new layer comes with the whole drawing.
    if (e->parent == 0) return forPage(document, 0);
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
