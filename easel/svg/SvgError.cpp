#include "SvgError.h"

#include <algorithm>

#include "easel/core/PathText.h"

namespace easel::svg {

std::string errorText(const std::string& file, int line, int column, const std::string& message) {
  std::string out = easel::shownPath(file);
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "text" + std::string.
  if (line > 0) {
    out += ':';
    out += std::to_string(line);
    out += ':';
    out += std::to_string(column);
  }
  out += ": ";
  out += message;
  return out;
}

TextPosition positionOf(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  TextPosition p;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++p.line;
      p.column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++p.column;  // columns count characters, not the bytes of UTF-8
    }
  }
  return p;
}

}  // namespace easel::svg
