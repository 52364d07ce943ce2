#include "ImportWarnings.h"

#include <algorithm>
#include <functional>

#include "SvgError.h"

namespace easel::svg {

void ImportWarnings::add(std::size_t offset, std::string message) {
  if (seen_.size() < kRemembered) {
    const std::uint64_t key = std::hash<std::string>()(message) * 0x9E3779B97F4A7C15ull ^ offset;
    if (!seen_.insert(key).second) return;
  } else {
    overflowed_ = true;
  }
  if (shown_.size() < kShown) {
    shown_.push_back({offset, std::move(message)});
  } else {
    ++more_;
  }
}

std::vector<std::string> ImportWarnings::lines(const std::string& fileName, std::string_view text) const {
  std::vector<Entry> sorted = shown_;
  // The file as a whole (npos) last; the places in file order.
  std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.offset < b.offset; });
  std::vector<std::string> out;
  // One pass over the text for all the places.
  TextPosition at;
  std::size_t counted = 0;
  for (const Entry& e : sorted) {
    if (e.offset == std::string::npos || e.offset > text.size()) {
      out.push_back(errorText(fileName, 0, 0, e.message));
      continue;
    }
    const TextPosition step = positionOf(text.substr(counted), e.offset - counted);
    at.line += step.line - 1;
    at.column = step.line > 1 ? step.column : at.column + step.column - 1;
    counted = e.offset;
    out.push_back(errorText(fileName, at.line, at.column, e.message));
  }
  if (more_ > 0 || overflowed_) {
    out.push_back(errorText(fileName, 0, 0,
                            (overflowed_ ? "more than " : "") + std::to_string(more_) + " more warnings (the first " +
                                std::to_string(kShown) + " are shown)"));
  }
  return out;
}

}  // namespace easel::svg
