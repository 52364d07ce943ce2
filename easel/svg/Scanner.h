// Reads the small grammars of attribute values (numbers, separators, flags,
// keywords) one token at a time; every failure is a ValueError at the
// current offset.
#ifndef EASEL_SVG_SCANNER_H
#define EASEL_SVG_SCANNER_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ValueError.h"

namespace easel::svg {

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  std::size_t offset() const { return pos_; }
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  std::string_view rest() const { return text_.substr(pos_); }
  void advance(std::size_t n = 1) { pos_ += n; }

  inline void skipSpace();
  // White space with at most one comma in it; true when a comma was skipped.
  inline bool skipCommaSpace();
  // Consumes `c` (after white space) if it is next.
  bool accept(char c);
  void expect(char c, const char* what);
  // True when a number can start here (sign, digit or point).
  inline bool atNumber() const;
  // An SVG number: sign, digits, fraction, exponent ("1.5.5" is two numbers,
  // "1e-3" one; "1em" stops before the "e"). Fails on anything else, and on a
  // value a float cannot hold.
  double number(const char* what = "number") {
    double value;
    return shortDecimal(value) ? value : generalNumber(what);
  }
  // An arc flag: a single 0 or 1, which needs no separator after it.
  bool flag();
  // An identifier-like word (letters, digits, '-', '_'), possibly empty.
  std::string_view word();

  [[noreturn]] void fail(const std::string& message) const;
  [[noreturn]] void failAt(std::size_t offset, const std::string& message) const;

 private:
  // Most numbers in drawings are short decimals without an exponent: this
  // reads them here, where the callers' loops can see it, and leaves the rest
  // to generalNumber. False (nothing consumed) for anything it does not take.
  inline bool shortDecimal(double& value);
  double generalNumber(const char* what);

  std::string_view text_;
  std::size_t pos_ = 0;
};

inline bool isSvgSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
inline bool isSvgDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

void Scanner::skipSpace() {
  while (pos_ < text_.size() && isSvgSpace(text_[pos_])) ++pos_;
}

bool Scanner::skipCommaSpace() {
  skipSpace();
  const bool comma = peek() == ',';
  if (comma) {
    ++pos_;
    skipSpace();
  }
  return comma;
}

bool Scanner::atNumber() const {
  const char c = peek();
  if (isSvgDigit(c)) return true;
  if (c == '.') return pos_ + 1 < text_.size() && isSvgDigit(text_[pos_ + 1]);
  if (c == '+' || c == '-') {
    if (pos_ + 1 >= text_.size()) return false;
    const char d = text_[pos_ + 1];
    return isSvgDigit(d) || (d == '.' && pos_ + 2 < text_.size() && isSvgDigit(text_[pos_ + 2]));
  }
  return false;
}

// With at most 15 digits the digits are an exact double, and so is 10^k for
// the at most 15 places after the point: one division then rounds correctly,
// as from_chars does, and the value is far inside a float's range.
bool Scanner::shortDecimal(double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = text_.data() + pos_;
  const char* const end = text_.data() + text_.size();
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) ++p;
  uint64_t digits = 0;
  int count = 0, places = 0;
  for (; p < end && isSvgDigit(*p); ++p, ++count) digits = digits * 10 + static_cast<uint64_t>(*p - '0');
  if (p < end && *p == '.') {
    for (++p; p < end && isSvgDigit(*p); ++p, ++count, ++places) digits = digits * 10 + static_cast<uint64_t>(*p - '0');
  }
  if (count == 0 || count > 15 || (p < end && (*p == 'e' || *p == 'E'))) return false;
  const double magnitude = static_cast<double>(digits) / kPowers[places];
  value = negative ? -magnitude : magnitude;
  pos_ = static_cast<std::size_t>(p - text_.data());
  return true;
}

// The whole text as one number with nothing else (white space around allowed).
double parseNumber(std::string_view text, const char* what = "number");

}  // namespace easel::svg

#endif
