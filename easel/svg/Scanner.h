// Reads the small grammars of attribute values (numbers, separators, flags,
// keywords) one token at a time; every failure is a ValueError at the
// current offset.
#ifndef EASEL_SVG_SCANNER_H
#define EASEL_SVG_SCANNER_H

#include <cstddef>
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

  void skipSpace();
  // White space with at most one comma in it; true when a comma was skipped.
  bool skipCommaSpace();
  // Consumes `c` (after white space) if it is next.
  bool accept(char c);
  void expect(char c, const char* what);
  // True when a number can start here (sign, digit or point).
  bool atNumber() const;
  // An SVG number: sign, digits, fraction, exponent ("1.5.5" is two numbers,
  // "1e-3" one; "1em" stops before the "e"). Fails on anything else, and on a
  // value a float cannot hold.
  double number(const char* what = "number");
  // An arc flag: a single 0 or 1, which needs no separator after it.
  bool flag();
  // An identifier-like word (letters, digits, '-', '_'), possibly empty.
  std::string_view word();

  [[noreturn]] void fail(const std::string& message) const;
  [[noreturn]] void failAt(std::size_t offset, const std::string& message) const;

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isSvgSpace(char c);
// The whole text as one number with nothing else (white space around allowed).
double parseNumber(std::string_view text, const char* what = "number");

}  // namespace easel::svg

#endif
