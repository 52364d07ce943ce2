#include "easel/host/KeptPaints.h"

#include <utility>

#include "plugin/host/AIColor.h"
#include "plugin/params/ModeIds.h"

namespace easel::host {

KeptPaints& KeptPaints::operator+=(const KeptPaints& other) {
  gradientFills += other.gradientFills;
  patternFills += other.patternFills;
  gradientStrokes += other.gradientStrokes;
  patternStrokes += other.patternStrokes;
  return *this;
}

namespace {

// Adds one to the gradient or pattern count of a painted part.
void count(bool painted, int32_t kind, std::size_t& gradients, std::size_t& patterns) {
  if (!painted) return;
  if (kind == kGradient) ++gradients;
  if (kind == kPattern) ++patterns;
}

// Whether the part's mode changes only flat colours: every mode but
// "Ignore", which changes nothing, and random swatches, which paint over.
bool keepsNonFlat(int32_t mode) {
  const auto m = static_cast<ColorMode>(mode);
  return m != ColorMode::Ignore && m != ColorMode::RandomSwatches;
}

}  // namespace

KeptPaints nonFlatPaints(const easel::Document& document, const std::vector<uintptr_t>& objects) {
  KeptPaints paints;
  for (uintptr_t id : objects) {
    const easel::ArtRef art(id);
    const easel::ArtType type = document.type(art);
    if (type != easel::ArtType::Path && type != easel::ArtType::CompoundPath) continue;
    const AIPathStyle style = document.pathStyle(art);
    count(style.fillPaint != 0, style.fill.color.kind, paints.gradientFills, paints.patternFills);
    count(style.strokePaint != 0, style.stroke.color.kind, paints.gradientStrokes, paints.patternStrokes);
  }
  return paints;
}

KeptPaints keptBy(const KeptPaints& nonFlat, const ContourParams& used) {
  KeptPaints kept;
  if (used.contourCount <= 0) return kept;  // no colour steps
  if (keepsNonFlat(used.fillColorMode)) {
    kept.gradientFills = nonFlat.gradientFills;
    kept.patternFills = nonFlat.patternFills;
  }
  if (keepsNonFlat(used.strokeColorMode)) {
    kept.gradientStrokes = nonFlat.gradientStrokes;
    kept.patternStrokes = nonFlat.patternStrokes;
  }
  return kept;
}

std::string keptPaintsText(const KeptPaints& kept) {
  const std::pair<std::size_t, const char*> kinds[] = {
      {kept.gradientFills, "gradient fill"},
      {kept.patternFills, "pattern fill"},
      {kept.gradientStrokes, "gradient stroke"},
      {kept.patternStrokes, "pattern stroke"},
  };
  std::string text;
  for (const auto& [n, what] : kinds) {
    if (n == 0) continue;
    text += (text.empty() ? "" : " and ") + std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  }
  return text.empty() ? text : text + " kept: the colour modes change flat colours only";
}

}  // namespace easel::host
