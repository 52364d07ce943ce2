// What the reader passed over, as viewers pass over it, said in one line
// each: "in.svg:3:14: ignored stroke-linecap "miter" (not a line cap)". A
// file gets at most kShown lines, in file order, then one that counts the
// rest. The same message at the same place is said once (a sheet's rule,
// or a shape that several <use> show).
#ifndef EASEL_SVG_IMPORTWARNINGS_H
#define EASEL_SVG_IMPORTWARNINGS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace easel::svg {

class ImportWarnings {
 public:
  static constexpr std::size_t kShown = 20;

  // `offset`: the place in the file (npos: the file as a whole).
  void add(std::size_t offset, std::string message);
  bool empty() const { return shown_.empty(); }
  // The lines, each place counted in `text` (the file as written).
  std::vector<std::string> lines(const std::string& fileName, std::string_view text) const;

 private:
  struct Entry {
    std::size_t offset;
    std::string message;
  };
  // Beyond this many distinct warnings the rest are counted without being
  // told apart (a file of nothing but bad values stays within memory).
  static constexpr std::size_t kRemembered = 100'000;
  std::vector<Entry> shown_;
  std::unordered_set<std::uint64_t> seen_;
  std::size_t more_ = 0;
  bool overflowed_ = false;
};

}  // namespace easel::svg

#endif
