// The one error the SVG reader and writer throw: a single line that names the
// file and, where it makes sense, the line and column ("in.svg:3:14: ...").
#ifndef EASEL_SVG_SVGERROR_H
#define EASEL_SVG_SVGERROR_H

#include <stdexcept>
#include <string>
#include <string_view>

namespace easel::svg {

class SvgError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "file: message", or "file:line:column: message" when line > 0.
std::string errorText(const std::string& file, int line, int column, const std::string& message);

// Line and column (both 1-based) of a byte offset in a text.
struct TextPosition {
  int line = 1, column = 1;
};
TextPosition positionOf(std::string_view text, std::size_t offset);

}  // namespace easel::svg

#endif
