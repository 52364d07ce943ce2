#include "easel/cli/RunSummary.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace contour_cli {

std::string RunFacts::serialized() const {
  std::ostringstream out;
  out << objects << ' ' << contours << ' ' << seconds << ' ' << outputBytes << ' ';
  if (seed) out << *seed;
  else
    out << '-';
  out << ' ' << kept.gradientFills << ' ' << kept.patternFills << ' ' << kept.gradientStrokes << ' '
      << kept.patternStrokes;
  return out.str();
}

std::optional<RunFacts> RunFacts::fromSerialized(const std::string& text) {
  std::istringstream in(text);
  RunFacts facts;
  std::string seed;
  easel::host::KeptPaints& kept = facts.kept;
  if (!(in >> facts.objects >> facts.contours >> facts.seconds >> facts.outputBytes >> seed >> kept.gradientFills >>
        kept.patternFills >> kept.gradientStrokes >> kept.patternStrokes))
    return std::nullopt;
  if (seed != "-") facts.seed = std::stoull(seed);
  return facts;
}

namespace {

// Calls visit(bits) for each object that objectIds() lists.
template <typename Visit>
void eachObject(const easel::Document& document, Visit visit) {
  for (easel::ArtRef art = document.firstLayer(); art; art = document.nextInOrder(art)) {
    const easel::ArtRef parent = document.parent(art);
    const bool member = parent && document.type(parent) == easel::ArtType::CompoundPath;
    if (!member && document.type(art) != easel::ArtType::Group) visit(art.bits());
  }
}

}  // namespace

std::vector<std::uintptr_t> objectIds(const easel::Document& document) {
  std::vector<std::uintptr_t> ids;
  eachObject(document, [&](std::uintptr_t id) { ids.push_back(id); });
  std::sort(ids.begin(), ids.end());
  return ids;
}

std::size_t objectsAdded(const std::vector<std::uintptr_t>& before, const easel::Document& after) {
  std::size_t added = 0;
  eachObject(after, [&](std::uintptr_t id) { added += !std::binary_search(before.begin(), before.end(), id); });
  return added;
}

std::string sizeText(std::uint64_t bytes) {
  char text[32];
  if (bytes < 1024) std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
  else if (bytes < 1024 * 1024)
    std::snprintf(text, sizeof text, "%.1f KB", static_cast<double>(bytes) / 1024);
  else
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024 * 1024));
  return text;
}

std::string summaryText(const RunFacts& facts) {
  auto plural = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s", facts.seconds);
  std::string text;
  if (facts.objects == 0) text = "nothing selected, nothing made";
  else if (facts.contours == 0)
    text = plural(facts.objects, "object", "objects") + ", nothing made";
  else
    text = plural(facts.objects, "object", "objects") + ", " + plural(facts.contours, "contour", "contours") + " made";
  text += " in " + std::string(time) + ", " + sizeText(facts.outputBytes) + " written";
  if (facts.seed) text += "; seed " + std::to_string(*facts.seed);
  if (const std::string kept = easel::host::keptPaintsText(facts.kept); !kept.empty()) text += "; " + kept;
  return text;
}

}  // namespace contour_cli
