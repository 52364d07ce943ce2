#include "SwatchList.h"

namespace easel {

namespace {

AIColor color(int32_t kind, std::initializer_list<AIReal> components) {
  AIColor c{};
  c.kind = kind;
  int i = 0;
  for (AIReal x : components) c.c.components[i++] = x;
  return c;
}

}  // namespace

std::vector<Swatch> defaultSwatches() {
  return {
      {"[None]", color(kNoneColor, {})},
      // Registration marks print on every plate: every ink in full.
      {"[Registration]", color(kFourColor, {1, 1, 1, 1})},
      {"White", color(kFourColor, {0, 0, 0, 0})},
      {"Black", color(kFourColor, {0, 0, 0, 1})},
      {"CMYK Cyan", color(kFourColor, {1, 0, 0, 0})},
      {"CMYK Magenta", color(kFourColor, {0, 1, 0, 0})},
      {"CMYK Yellow", color(kFourColor, {0, 0, 1, 0})},
      {"CMYK Red", color(kFourColor, {0, 1, 1, 0})},
      {"CMYK Green", color(kFourColor, {1, 0, 1, 0})},
      {"CMYK Blue", color(kFourColor, {1, 1, 0, 0})},
      {"CMYK Orange", color(kFourColor, {0, 0.5f, 1, 0})},
      {"CMYK Violet", color(kFourColor, {0.5f, 1, 0, 0})},
      {"RGB Red", color(kThreeColor, {1, 0, 0})},
      {"RGB Green", color(kThreeColor, {0, 1, 0})},
      {"RGB Blue", color(kThreeColor, {0, 0, 1})},
      {"RGB Yellow", color(kThreeColor, {1, 1, 0})},
      {"RGB Cyan", color(kThreeColor, {0, 1, 1})},
      {"RGB Magenta", color(kThreeColor, {1, 0, 1})},
      {"50% Grey", color(kGrayColor, {0.5f})},
  };
}

void SwatchList::reset() { replace(defaultSwatches()); }

void SwatchList::replace(std::vector<Swatch> swatches) {
  swatches_ = std::move(swatches);
  generation_ = (generation_ + 1) & HandleLayout::kMaxGeneration;
}

AISwatchRef SwatchList::ref(std::size_t index) const {
  if (index >= swatches_.size()) return nullptr;
  return reinterpret_cast<AISwatchRef>(packHandle({tag_, generation_, static_cast<uint32_t>(index)}));
}

const Swatch* SwatchList::find(AISwatchRef ref) const {
  const HandleParts parts = unpackHandle(reinterpret_cast<uintptr_t>(ref));
  if (ref == nullptr || parts.tag != tag_ || parts.generation != generation_ || parts.slot >= swatches_.size())
    return nullptr;
  return &swatches_[parts.slot];
}

}  // namespace easel
