// The number writer: the shortest digits, laid out as std::to_chars lays them
// out. The expected texts were worked out from the rules (the fewest digits
// that read back, nearest the value; fixed form unless scientific is shorter;
// whole numbers exact). bench/number_text_proof compares whole ranges.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <version>
#if defined(__cpp_lib_to_chars)
#include <charconv>
#endif

#include "easel/core/Json.h"
#include "easel/core/NumberText.h"

namespace easel {
namespace {

template <typename Float>
std::string written(Float x) {
  char text[kShortestRoom];
  return std::string(text, writeShortest(text, x));
}

TEST(NumberText, HardFloatsAreWrittenAsTheRulesSay) {
  const struct {
    float x;
    const char* text;
  } cases[] = {
      {0.1f, "0.1"},
      {0.3f, "0.3"},
      {1.5f, "1.5"},
      {-7.25f, "-7.25"},
      {2.7182817f, "2.7182817"},
      {4103.9003f, "4103.9004"},  // the nearest float reads back from 4103.9004
      {99999.99f, "99999.99"},
      {999999.94f, "999999.94"},
      {1e4f, "10000"},  // as long as 1e+04: fixed wins the tie
      {1e5f, "1e+05"},
      {0.001f, "0.001"},
      {1e-4f, "1e-04"},
      {0.00015f, "0.00015"},
      {1.5e-5f, "1.5e-05"},
      {65504.0f, "65504"},
      {8388608.0f, "8388608"},
      {16777216.0f, "16777216"},
      {16777218.0f, "16777218"},
      {33554436.0f, "33554436"},
      {67131496.0f, "67131496"},
      {123456789.0f, "123456792"},  // whole numbers are exact, not 123456790
      {1e15f, "1e+15"},
      {9.999999e14f, "9.999999e+14"},
      {9.223372e18f, "9.223372e+18"},
      {4.7223665e21f, "4.7223665e+21"},
      {3.4028235e38f, "3.4028235e+38"},
      {1e-10f, "1e-10"},
      {3.0517578e-05f, "3.0517578e-05"},
      {7.038531e-26f, "7.038531e-26"},
      {1.17549435e-38f, "1.1754944e-38"},
      {1.9310392e-38f, "1.9310392e-38"},
      {-2.47e-43f, "-2.47e-43"},
      {4.0e-44f, "4e-44"},
      {1e-45f, "1e-45"},
      {0.0f, "0"},
      {-0.0f, "-0"},
      {std::numeric_limits<float>::infinity(), "inf"},
      {-std::numeric_limits<float>::infinity(), "-inf"},
      {std::numeric_limits<float>::quiet_NaN(), "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(written(c.x), c.text) << c.text;
}

TEST(NumberText, HardDoublesAreWrittenAsTheRulesSay) {
  const struct {
    double x;
    const char* text;
  } cases[] = {
      {0.1, "0.1"},
      {0.000123, "0.000123"},
      {1e22, "1e+22"},
      {1e23, "1e+23"},
      {123456789012345678.0, "123456789012345680"},
      {1.2345678901234567e21, "1234567890123456774144"},  // beyond 64 bits, exact
      {1.7976931348623157e308, "1.7976931348623157e+308"},
      {2.2250738585072014e-308, "2.2250738585072014e-308"},
      {5e-324, "5e-324"},
  };
  for (const auto& c : cases) EXPECT_EQ(written(c.x), c.text) << c.text;
}

// A quick sample of the proof: seeded bit patterns of every kind, against the
// standard library where it has the floating-point to_chars.
TEST(NumberText, SeededFloatsMatchTheStandardWriterAndReadBack) {
  uint64_t state = 33;
  for (int i = 0; i < 200000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const auto bits = static_cast<uint32_t>(state >> 32);
    const float x = std::bit_cast<float>(bits);
    const std::string text = written(x);
#if defined(__cpp_lib_to_chars)
    char expected[64];
    const auto end = std::to_chars(expected, expected + sizeof expected, x).ptr;
    ASSERT_EQ(text, std::string(expected, end)) << std::hexfloat << x;
#endif
    if (std::isfinite(x)) {
      ASSERT_EQ(std::strtof(text.c_str(), nullptr), x) << text;
    }
  }
}

TEST(NumberText, TheShortestTextAsADoubleIsTheDecimalNotTheFloat) {
  EXPECT_EQ(shortestAsDouble(0.1f), 0.1);
  EXPECT_EQ(shortestAsDouble(-4103.9003f), -4103.9004);
  EXPECT_EQ(shortestAsDouble(1e-45f), 1e-45);
  EXPECT_EQ(shortestAsDouble(3.4028235e38f), 3.4028235e38);
  EXPECT_TRUE(std::isnan(shortestAsDouble(std::numeric_limits<float>::quiet_NaN())));
  EXPECT_EQ(shortestAsDouble(-std::numeric_limits<float>::infinity()), -std::numeric_limits<double>::infinity());
}

TEST(NumberText, JsonWritesItsRealsWithTheSameWriter) {
  JsonWriter json;
  json.beginArray().value(123456789.0f).value(1e-4f).value(1.2345678901234567e21).value(-0.0f).endArray();
  EXPECT_EQ(json.str(), "[123456792,1e-04,1234567890123456774144,-0]");
}

}  // namespace
}  // namespace easel
