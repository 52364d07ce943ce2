#include "easel/host/SelectedObjects.h"

namespace easel::host {

std::vector<uintptr_t> selectedObjectIds(const easel::Document& document) {
  using easel::ArtRef;
  using easel::ArtType;
  std::vector<uintptr_t> ids;
  for (ArtRef art = document.firstLayer(); art; art = document.nextInOrder(art)) {
    const bool selected = (document.content(art).attributes & kArtSelected) != 0;
    const ArtRef parent = document.parent(art);
    const bool member = parent && document.type(parent) == ArtType::CompoundPath;
    if (selected && !member && document.type(art) != ArtType::Group) ids.push_back(art.bits());
  }
  return ids;
}

}  // namespace easel::host
