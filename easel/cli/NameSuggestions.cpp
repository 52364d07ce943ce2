#include "easel/cli/NameSuggestions.h"
#include "easel/core/Trimmed.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace contour_cli {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Insertions, deletions, substitutions and swaps of neighbours, ignoring case.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]))
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::string> nearestNames(std::string_view given, std::span<const std::string> names) {
  const std::string word(easel::trimmed(given));
  // A third of the word's letters may be wrong, at least one; a name that
  // starts with what was typed is close too ("Twi" for "Twist").
  const std::size_t allowed = std::max<std::size_t>(1, word.size() / 3);
  std::vector<std::pair<std::size_t, std::string>> close;
  for (const std::string& name : names) {
    const std::string candidate(easel::trimmed(name));
    std::size_t distance = editDistance(word, candidate);
    const bool prefix = word.size() >= 3 && candidate.size() > word.size() &&
                        sameNameIgnoringCase(candidate.substr(0, word.size()), word);
    if (prefix) distance = std::min(distance, allowed);
    if (distance <= allowed &&
        std::none_of(close.begin(), close.end(), [&](const auto& c) { return c.second == candidate; }))
      close.emplace_back(distance, candidate);
  }
  std::stable_sort(close.begin(), close.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::string> nearest;
  for (std::size_t i = 0; i < close.size() && i < 3; ++i) nearest.push_back(close[i].second);
  return nearest;
}

std::string didYouMean(std::string_view given, std::span<const std::string> names) {
  const std::vector<std::string> nearest = nearestNames(given, names);
  if (nearest.empty()) return {};
  std::string text = "; did you mean ";
  for (std::size_t i = 0; i < nearest.size(); ++i)
    text += (i == 0 ? "" : i + 1 == nearest.size() ? " or " : ", ") + ("'" + nearest[i] + "'");
  return text + "?";
}

std::string quotedInput(std::string_view text) {
  constexpr std::size_t kLongest = 80;
  std::string shown;
  for (char c : text.substr(0, kLongest)) shown += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
  return "\"" + shown + (text.size() > kLongest ? "...\"" : "\"");
}

}  // namespace contour_cli
