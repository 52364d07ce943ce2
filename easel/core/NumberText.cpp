#include "NumberText.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <dragonbox/dragonbox.h>
#include <version>

#include "BitCast.h"
#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cstdlib>
#endif

namespace easel {

namespace {

// "00" to "99": two digits are written at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The digits of n, without leading zeros, ending at `end`; returns their start.
// (In 32 bits where n fits, as every float's digits do: the divisions are cheaper.)
template <typename Unsigned>
char* digitsBefore(char* end, Unsigned n) {
  while (n >= 100) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * (n % 100)], 2);
    n /= 100;
  }
  if (n >= 10) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * n], 2);
  } else {
    *--end = static_cast<char>('0' + n);
  }
  return end;
}

// The digits of the whole number significand * 2^shift (shift in [-63, 63]),
// which can reach 10^23 for a double, ending at `end`. Beyond 64 bits the
// number is divided by 10^9 in 32-bit words.
char* wholeBefore(char* end, uint64_t significand, int shift) {
  if (shift <= 0) return digitsBefore(end, significand >> -shift);
  const uint64_t high = significand >> (64 - shift), low = significand << shift;
  if (high == 0) return digitsBefore(end, low);
  uint32_t words[4] = {static_cast<uint32_t>(high >> 32), static_cast<uint32_t>(high), static_cast<uint32_t>(low >> 32),
                       static_cast<uint32_t>(low)};
  constexpr uint32_t kBillion = 1000000000;
  for (;;) {
    uint64_t rest = 0;
    bool more = false;
    for (uint32_t& word : words) {
      const uint64_t current = rest << 32 | word;
      word = static_cast<uint32_t>(current / kBillion);
      rest = current % kBillion;
      more = more || word != 0;
    }
    char* start = digitsBefore(end, static_cast<uint32_t>(rest));
    if (!more) return start;
    while (start > end - 9) *--start = '0';
    end = start;
  }
}

char* copy(char* at, const char* from, std::size_t count) {
  std::memcpy(at, from, count);
  return at + count;
}

// A float's digits (at most 9) go 16 bytes at a time rather than through a
// call whose length is known only as it runs: the digit buffer has room to be
// read past its digits, and the text its room (kShortestRoom, which a float's
// longest text with 16 bytes more still fits) to be written past them; what
// follows overwrites those bytes or leaves them outside the text.
template <typename Float>
char* copyDigits(char* at, const char* from, std::size_t count) {
  if constexpr (sizeof(Float) == sizeof(uint32_t)) {
    std::memcpy(at, from, 16);
    return at + count;
  } else {
    return copy(at, from, count);
  }
}

// The parts of the binary format that the exact whole numbers need.
template <typename Float>
struct Format;
template <>
struct Format<float> {
  using Bits = uint32_t;
  static constexpr int kFractionBits = 23, kExponentBias = 127;
};
template <>
struct Format<double> {
  using Bits = uint64_t;
  static constexpr int kFractionBits = 52, kExponentBias = 1023;
};

template <typename Float>
char* writeReal(char* at, Float x) {
  using F = Format<Float>;
  using Bits = typename F::Bits;
  constexpr int kTotalBits = 8 * sizeof(Bits);
  const Bits bits = bitCast<Bits>(x);
  const Bits fraction = bits & ((Bits{1} << F::kFractionBits) - 1);
  const int biased = static_cast<int>((bits << 1) >> (F::kFractionBits + 1));
  if (bits >> (kTotalBits - 1)) *at++ = '-';
  if (biased == (1 << (kTotalBits - 1 - F::kFractionBits)) - 1) return copy(at, fraction ? "nan" : "inf", 3);
  if (biased == 0 && fraction == 0) {
    *at = '0';
    return at + 1;
  }

  const auto decimal = jkj::dragonbox::to_decimal(x, jkj::dragonbox::policy::sign::ignore,
                                                  jkj::dragonbox::policy::trailing_zero::remove);
  char digits[24 + 16] = {};  // 16 readable bytes past the last digit (copyDigits)
  char* const digitsEnd = digits + 24;
  const auto significand = decimal.significand;
  const char* const first = significand <= UINT32_MAX ? digitsBefore(digitsEnd, static_cast<uint32_t>(significand))
                                                      : digitsBefore(digitsEnd, significand);
  const int count = static_cast<int>(digitsEnd - first);
  const int exponent = decimal.exponent;  // the value is digits * 10^exponent
  const int scientificExponent = exponent + count - 1;
  const int absExponent = scientificExponent < 0 ? -scientificExponent : scientificExponent;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (absExponent >= 100 ? 3 : 2);
  const int fixedLength = exponent >= 0 ? count + exponent : (-exponent < count ? count + 1 : 2 - exponent);

  if (fixedLength <= scientificLength) {
    if (exponent > 0) {
      // A whole number: its exact digits, as near to the value as any of the same length.
      const Bits significand = biased == 0 ? fraction : fraction | (Bits{1} << F::kFractionBits);
      const int shift = (biased == 0 ? 1 : biased) - F::kExponentBias - F::kFractionBits;
      char whole[32];
      const char* start = wholeBefore(whole + sizeof whole, significand, shift);
      return copy(at, start, static_cast<std::size_t>(whole + sizeof whole - start));
    }
    if (exponent == 0) return copyDigits<Float>(at, first, static_cast<std::size_t>(count));
    if (-exponent < count) {
      const auto integerDigits = static_cast<std::size_t>(count + exponent);
      at = copyDigits<Float>(at, first, integerDigits);
      *at++ = '.';
      return copyDigits<Float>(at, first + integerDigits, static_cast<std::size_t>(-exponent));
    }
    at = copy(at, "0.", 2);
    for (int zeros = -exponent - count; zeros > 0; --zeros) *at++ = '0';
    return copyDigits<Float>(at, first, static_cast<std::size_t>(count));
  }

  *at++ = first[0];
  if (count > 1) {
    *at++ = '.';
    at = copyDigits<Float>(at, first + 1, static_cast<std::size_t>(count - 1));
  }
  *at++ = 'e';
  *at++ = scientificExponent < 0 ? '-' : '+';
  if (absExponent >= 100) {
    *at++ = static_cast<char>('0' + absExponent / 100);
  }
  return copy(at, &kDigitPairs[static_cast<std::size_t>(2 * (absExponent % 100))], 2);
}

}  // namespace

char* writeShortest(char* at, float x) noexcept { return writeReal(at, x); }
char* writeShortest(char* at, double x) noexcept { return writeReal(at, x); }

double shortestAsDouble(float x) noexcept {
  char text[kShortestRoom];
  char* const end = writeShortest(text, x);
  double value = x;  // NaN and the infinities stay what they are
  if (x == x && x - x == 0) readDecimal(text, end, value);
  return value;
}

namespace {

#if !defined(__cpp_lib_to_chars)
bool isDigit(char c) { return c >= '0' && c <= '9'; }
const char* skipDigits(const char* p, const char* end) {
  while (p < end && isDigit(*p)) ++p;
  return p;
}

// The end of the decimal at `begin`, or `begin` when there is none.
const char* decimalEnd(const char* begin, const char* end) {
  const char* p = begin < end && *begin == '-' ? begin + 1 : begin;
  const char* const whole = p;
  p = skipDigits(p, end);
  bool digits = p != whole;
  if (p < end && *p == '.') {
    const char* const fraction = p + 1;
    const char* const after = skipDigits(fraction, end);
    if (digits || after != fraction) p = after;
    digits = digits || after != fraction;
  }
  if (!digits) return begin;
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < end && (*q == '+' || *q == '-')) ++q;
    if (q < end && isDigit(*q)) p = skipDigits(q, end);
  }
  return p;
}
#endif

template <typename Real>
std::from_chars_result readReal(const char* begin, const char* end, Real& value) noexcept {
#if defined(__cpp_lib_to_chars)
  return std::from_chars(begin, end, value);
#else
  // musl's strtod and strtof round correctly, and the programs keep the "C" locale.
  const char* const stop = decimalEnd(begin, end);
  if (stop == begin) return {begin, std::errc::invalid_argument};
  char copy[128];
  const std::size_t length = static_cast<std::size_t>(stop - begin);
  std::string longer;
  const char* text = copy;
  if (length < sizeof copy) {
    std::memcpy(copy, begin, length);
    copy[length] = '\0';
  } else {
    try {
      longer.assign(begin, stop);
    } catch (...) {
      return {begin, std::errc::not_enough_memory};
    }
    text = longer.c_str();
  }
  errno = 0;
  Real read;
  if constexpr (sizeof(Real) == sizeof(float)) read = std::strtof(text, nullptr);
  else
    read = std::strtod(text, nullptr);
  if (errno == ERANGE) return {stop, std::errc::result_out_of_range};
  value = read;
  return {stop, std::errc()};
#endif
}

}  // namespace

std::from_chars_result readDecimal(const char* begin, const char* end, double& value) noexcept {
  return readReal(begin, end, value);
}
std::from_chars_result readDecimal(const char* begin, const char* end, float& value) noexcept {
  return readReal(begin, end, value);
}

}  // namespace easel
