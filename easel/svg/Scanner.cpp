#include "Scanner.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "easel/core/NumberText.h"

namespace easel::svg {

bool Scanner::accept(char c) {
  skipSpace();
  if (peek() != c) return false;
  ++pos_;
  return true;
}

void Scanner::expect(char c, const char* what) {
  if (!accept(c)) fail(std::string("expected ") + what);
}

// Everything shortDecimal leaves: exponents, long digit runs, and the errors.
double Scanner::generalNumber(const char* what) {
  const std::size_t start = pos_;
  const char* const end = text_.data() + text_.size();
  const char* p = text_.data() + start;
  const bool plus = p < end && *p == '+';  // from_chars takes no leading '+'
  const char* const digits = p < end && (*p == '+' || *p == '-') ? p + 1 : p;
  // A digit, or a point and a digit: from_chars would also take "inf" and "nan".
  if (!(digits < end && (isSvgDigit(*digits) || (*digits == '.' && digits + 1 < end && isSvgDigit(digits[1]))))) {
    failAt(start, std::string("expected ") + what);
  }
  // from_chars stops where SVG's grammar does: at a second point ("1.5.5"),
  // and before an exponent without digits ("1em" and "2ex" are lengths).
  double value = 0;
  const std::from_chars_result r = easel::readDecimal(plus ? p + 1 : p, end, value);
  std::errc ec = r.ec;
  const std::size_t length = static_cast<std::size_t>(r.ptr - p);
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is an error below.
    const std::string copy(text_.substr(start, length));
    value = std::strtod(copy.c_str(), nullptr);
    ec = std::errc();
  }
  if (ec != std::errc() || !(std::abs(value) <= std::numeric_limits<float>::max())) {
    failAt(start, "number out of range: " + std::string(text_.substr(start, length)));
  }
  pos_ = start + length;
  return value;
}

bool Scanner::flag() {
  const char c = peek();
  if (c != '0' && c != '1') fail("expected a flag (0 or 1)");
  ++pos_;
  return c == '1';
}

std::string_view Scanner::word() {
  const std::size_t start = pos_;
  while (!atEnd()) {
    const char c = text_[pos_];
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) break;
    ++pos_;
  }
  return text_.substr(start, pos_ - start);
}

void Scanner::fail(const std::string& message) const { failAt(pos_, message); }

void Scanner::failAt(std::size_t offset, const std::string& message) const { throw ValueError(message, offset); }

double parseNumber(std::string_view text, const char* what) {
  Scanner s(text);
  s.skipSpace();
  const double v = s.number(what);
  s.skipSpace();
  if (!s.atEnd()) s.fail(std::string("unexpected text after ") + what);
  return v;
}

}  // namespace easel::svg
