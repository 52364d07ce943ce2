// Indices grouped by a name, each group in the order added: one map entry
// for each name and one link for each index, where a vector for each name
// would cost an allocation each (the run book groups every element of a
// drawing so, by id and by source). The names are views: what they point
// into must outlive the chains.
#ifndef EASEL_SVG_NAMECHAINS_H
#define EASEL_SVG_NAMECHAINS_H

#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace easel::svg {

class NameChains {
 public:
  NameChains() = default;
  // Moved, the entries stay where they are; a copy's would not.
  NameChains(NameChains&&) = default;
  NameChains& operator=(NameChains&&) = default;
  NameChains(const NameChains&) = delete;
  NameChains& operator=(const NameChains&) = delete;
  void reserve(std::size_t names) { ends_.reserve(names); }
  // `index` is greater than every index added before. A name mostly comes
  // several times in a row (the contours of one source): the last one added
  // is not looked up again.
  void add(std::string_view name, std::size_t index) {
    next_.resize(index + 1, kNone);
    if (lastAdded_ == nullptr || lastAdded_->first != name) {
      const auto [found, added] = ends_.try_emplace(name, Ends{index, index});
      lastAdded_ = &*found;
      if (added) return;
    }
    next_[lastAdded_->second.last] = index, lastAdded_->second.last = index;
  }
  bool has(std::string_view name) const { return ends_.count(name) != 0; }
  std::optional<std::size_t> first(std::string_view name) const {
    const auto found = ends_.find(name);
    return found == ends_.end() ? std::nullopt : std::optional(found->second.first);
  }
  // Calls visit(index) for each index of the name, in the order added.
  template <typename Visit>
  void forEach(std::string_view name, Visit visit) const {
    const auto found = ends_.find(name);
    if (found == ends_.end()) return;
    for (std::size_t i = found->second.first; i != kNone; i = next_[i]) visit(i);
  }
  // As forEach, the first time only: a walk that may meet a name again
  // visits its indices once. The name stays for forEach.
  template <typename Visit>
  void take(std::string_view name, Visit visit) {
    const auto found = ends_.find(name);
    if (found == ends_.end() || found->second.taken) return;
    found->second.taken = true;
    for (std::size_t i = found->second.first; i != kNone; i = next_[i]) visit(i);
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Ends {
    std::size_t first, last;
    bool taken = false;
  };
  std::unordered_map<std::string_view, Ends> ends_;
  std::vector<std::size_t> next_;  // by index: the next of its name
  // The entry of the last name added (entries stay where they are as the map grows).
  std::pair<const std::string_view, Ends>* lastAdded_ = nullptr;
};

}  // namespace easel::svg

#endif
