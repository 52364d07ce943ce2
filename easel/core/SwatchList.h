// The document's swatch list and the refs handed out for its swatches. A ref
// packs the list's own tag, the list's generation (bumped when the list is
// reset) and the swatch's index.
#ifndef EASEL_CORE_SWATCHLIST_H
#define EASEL_CORE_SWATCHLIST_H

#include <vector>

#include "Document.h"

namespace easel {

// "[None]", "[Registration]", white, black, then process colours: cyan,
// magenta, yellow, red, green, blue, orange and violet in four colours, and
// red, green, blue, yellow, cyan, magenta and a 50 % grey in RGB or grey.
std::vector<Swatch> defaultSwatches();

class SwatchList {
 public:
  SwatchList() : tag_(newOwnerTag()), swatches_(defaultSwatches()) {}
  const std::vector<Swatch>& all() const { return swatches_; }
  void add(Swatch swatch) { swatches_.push_back(std::move(swatch)); }
  void reset();
  // Any list, even an empty one; refs handed out before become stale.
  void replace(std::vector<Swatch> swatches);
  AISwatchRef ref(std::size_t index) const;
  const Swatch* find(AISwatchRef ref) const;

 private:
  uint32_t tag_;
  uint32_t generation_ = 0;
  std::vector<Swatch> swatches_;
};

}  // namespace easel

#endif
