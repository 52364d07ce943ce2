// Reals as text, on every platform the same: the shortest digits that read
// back to the same value (found with the dragonbox header), laid out as
// std::to_chars lays out its shortest form, so that files written before and
// files written by any build compare byte for byte.
#ifndef EASEL_CORE_NUMBERTEXT_H
#define EASEL_CORE_NUMBERTEXT_H

#include <charconv>
#include <cstddef>
#include <string>

namespace easel {

// The room writeShortest needs at `at`: more than any float's or double's text
// (the longest is a double's exact integer of 23 digits with its sign).
inline constexpr std::size_t kShortestRoom = 32;

// Writes x at `at` and returns the end. Fixed or scientific form, whichever is
// shorter (fixed on a tie); a whole number in fixed form is written exactly
// ("123456792" for 123456789.0f); scientific form has at least two exponent
// digits ("1e+05"); negative zero is "-0", the others "inf", "-inf", "nan".
char* writeShortest(char* at, float x) noexcept;
char* writeShortest(char* at, double x) noexcept;

// The double nearest to x's shortest text: 0.1 for 0.1f, where the float
// itself is 0.100000001490116..., so that a writer of doubles writes "0.1".
double shortestAsDouble(float x) noexcept;

// Reads a decimal at `begin` as std::from_chars does in its general format:
// the longest prefix of the form [-]digits[.digits][e[+-]digits], correctly
// rounded, result_out_of_range when it overflows or underflows (the value
// then unchanged). The libc++ of Debian's emscripten has no floating-point
// from_chars; there "inf" and "nan" are refused, which every caller refuses
// before.
std::from_chars_result readDecimal(const char* begin, const char* end, double& value) noexcept;
std::from_chars_result readDecimal(const char* begin, const char* end, float& value) noexcept;

inline std::string shortestText(float x) {
  char text[kShortestRoom];
  return std::string(text, writeShortest(text, x));
}

}  // namespace easel

#endif
