#include "easel/host/SelectedObjects.h"

namespace easel::host {

namespace {

// Fills the caller's vector: a function that owns no object to destroy calls
// the document directly, where the WebAssembly build (its exceptions in
// JavaScript) would make each call through a trampoline.
[[gnu::noinline]] void addSelectedObjectIds(const easel::Document& document, std::vector<uintptr_t>& ids) {
  using easel::ArtRef;
  using easel::ArtType;
  for (ArtRef art = document.firstLayer(); art; art = document.nextInOrder(art)) {
    const bool selected = (document.content(art).attributes & kArtSelected) != 0;
    const ArtRef parent = document.parent(art);
    const bool member = parent && document.type(parent) == ArtType::CompoundPath;
    if (selected && !member && document.type(art) != ArtType::Group) ids.push_back(art.bits());
  }
}

}  // namespace

std::vector<uintptr_t> selectedObjectIds(const easel::Document& document) {
  std::vector<uintptr_t> ids;
  addSelectedObjectIds(document, ids);
  return ids;
}

}  // namespace easel::host
