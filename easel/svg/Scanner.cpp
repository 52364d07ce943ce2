#include "Scanner.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace easel::svg {

bool isSvgSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

static bool isDigit(char c) { return c >= '0' && c <= '9'; }

namespace {

struct Decimal {
  double value;
  const char* stop;
};

// Most numbers in drawings are short decimals without an exponent. With at
// most 15 digits the digits are an exact double, and so is 10^k for the at
// most 15 places after the point: one division then rounds correctly, as
// from_chars does. Anything else (an exponent, more digits) is left to it.
std::optional<Decimal> shortDecimal(const char* p, const char* end) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const bool negative = *p == '-';
  if (negative) ++p;
  uint64_t digits = 0;
  int count = 0, places = 0;
  for (; p < end && isDigit(*p); ++p, ++count) digits = digits * 10 + static_cast<uint64_t>(*p - '0');
  if (p < end && *p == '.') {
    for (++p; p < end && isDigit(*p); ++p, ++count, ++places) digits = digits * 10 + static_cast<uint64_t>(*p - '0');
  }
  if (count > 15 || (p < end && (*p == 'e' || *p == 'E'))) return std::nullopt;
  const double magnitude = static_cast<double>(digits) / kPowers[places];
  return Decimal{negative ? -magnitude : magnitude, p};
}

}  // namespace

void Scanner::skipSpace() {
  while (!atEnd() && isSvgSpace(text_[pos_])) ++pos_;
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

bool Scanner::accept(char c) {
  skipSpace();
  if (peek() != c) return false;
  ++pos_;
  return true;
}

void Scanner::expect(char c, const char* what) {
  if (!accept(c)) fail(std::string("expected ") + what);
}

bool Scanner::atNumber() const {
  const char c = peek();
  if (isDigit(c)) return true;
  if (c == '.') return pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]);
  if (c == '+' || c == '-') {
    if (pos_ + 1 >= text_.size()) return false;
    const char d = text_[pos_ + 1];
    return isDigit(d) || (d == '.' && pos_ + 2 < text_.size() && isDigit(text_[pos_ + 2]));
  }
  return false;
}

double Scanner::number(const char* what) {
  const std::size_t start = pos_;
  const char* const end = text_.data() + text_.size();
  const char* p = text_.data() + start;
  const bool plus = p < end && *p == '+';  // from_chars takes no leading '+'
  const char* const digits = p < end && (*p == '+' || *p == '-') ? p + 1 : p;
  // A digit, or a point and a digit: from_chars would also take "inf" and "nan".
  if (!(digits < end && (isDigit(*digits) || (*digits == '.' && digits + 1 < end && isDigit(digits[1]))))) {
    failAt(start, std::string("expected ") + what);
  }
  // from_chars stops where SVG's grammar does: at a second point ("1.5.5"),
  // and before an exponent without digits ("1em" and "2ex" are lengths).
  double value = 0;
  const char* stop = nullptr;
  std::errc ec{};
  if (const std::optional<Decimal> d = shortDecimal(plus ? p + 1 : p, end)) {
    value = d->value;
    stop = d->stop;
  } else {
    const std::from_chars_result r = std::from_chars(plus ? p + 1 : p, end, value);
    stop = r.ptr;
    ec = r.ec;
  }
  const std::size_t length = static_cast<std::size_t>(stop - p);
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
