// Fills and strokes that a run's colour modes leave as they are. The colour
// modes change flat colours (grey, four-colour, RGB): a gradient or a
// pattern keeps its paint in every contour, which the user is told, since
// "Fill to black" on a drawing of gradients otherwise seems to do nothing.
#ifndef EASEL_HOST_KEPTPAINTS_H
#define EASEL_HOST_KEPTPAINTS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "plugin/params/ContourParams.h"

namespace easel::host {

// Counts of objects by the paint of their fill and of their stroke.
struct KeptPaints {
  std::size_t gradientFills = 0, patternFills = 0, gradientStrokes = 0, patternStrokes = 0;

  KeptPaints& operator+=(const KeptPaints& other);
  bool operator==(const KeptPaints&) const = default;
};

// The painted gradient and pattern fills and strokes of the objects (ids as
// selectedObjectIds gives them): read before the run, which may delete them.
KeptPaints nonFlatPaints(const easel::Document& document, const std::vector<uintptr_t>& objects);

// Those that the run with the record `used` left unchanged: a part whose
// colour mode is "Ignore" was not to change, and a random swatch replaces a
// paint of any kind.
KeptPaints keptBy(const KeptPaints& nonFlat, const ContourParams& used);

// "12 gradient fills kept: the colour modes change flat colours only" (the
// kinds joined with "and"); empty when none were kept.
std::string keptPaintsText(const KeptPaints& kept);

}  // namespace easel::host

#endif
