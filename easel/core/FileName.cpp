#include "FileName.h"

#include <algorithm>
#include <array>

namespace easel {

std::filesystem::path pathFromUtf8(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

bool isWindowsDeviceName(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  // "C:nul" is the device as well; the part before an extension names it,
  // and Windows drops spaces and dots at its end.
  if (last.size() >= 2 && last[1] == ':') last.remove_prefix(2);
  last = last.substr(0, last.find('.'));
  while (!last.empty() && last.back() == ' ') last.remove_suffix(1);
  static constexpr std::array<std::string_view, 4> kPlain{"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kPlain)
    if (sameIgnoringCase(last, device)) return true;
  const bool port =
      last.size() == 4 && (sameIgnoringCase(last.substr(0, 3), "COM") || sameIgnoringCase(last.substr(0, 3), "LPT"));
  return port && last[3] >= '1' && last[3] <= '9';
}

}  // namespace easel
