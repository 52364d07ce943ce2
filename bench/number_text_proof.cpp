// Proves easel::writeShortest byte-identical to std::to_chars's shortest form
// on large samples of floats and doubles, and times the two writers on the
// seeded sample. Run by hand (minutes): bench/number_text_proof [--all]
//   every float subnormal and every power of two and ten with its neighbours,
//   10^8 seeded random float bit patterns, every float of five dense ranges,
//   10^7 seeded random doubles and double powers and whole numbers;
//   --all: every one of the 2^32 float bit patterns as well.
// Prints one line per sample and exits 1 on the first few differences.
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "easel/core/NumberText.h"

namespace {

int differences = 0;

template <typename Float>
bool same(Float x) {
  char expected[64], got[64];
  const auto [end, ec] = std::to_chars(expected, expected + sizeof expected, x);
  const char* gotEnd = easel::writeShortest(got, x);
  if (ec == std::errc() && std::string_view(expected, end) == std::string_view(got, gotEnd)) return true;
  if (++differences <= 20)
    std::printf("DIFFERENT %a: to_chars \"%.*s\", writeShortest \"%.*s\"\n", static_cast<double>(x),
                static_cast<int>(end - expected), expected, static_cast<int>(gotEnd - got), got);
  return false;
}

uint64_t splitmix(uint64_t& state) {
  uint64_t z = (state += 0x9e3779b97f4a7c15u);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

// Runs one sample, given as a function that calls `check` on each value.
void sample(const char* name, const std::function<void(const std::function<void(float)>&)>& each) {
  uint64_t count = 0, before = static_cast<uint64_t>(differences);
  const auto start = std::chrono::steady_clock::now();
  each([&](float x) {
    ++count;
    same(x);
  });
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-44s %11llu floats, %llu different (%.1f s)\n", name, static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(differences - before), seconds);
  std::fflush(stdout);
}

void sampleDoubles(const char* name, const std::function<void(const std::function<void(double)>&)>& each) {
  uint64_t count = 0, before = static_cast<uint64_t>(differences);
  each([&](double x) {
    ++count;
    same(x);
  });
  std::printf("%-44s %11llu doubles, %llu different\n", name, static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(differences - before));
  std::fflush(stdout);
}

// Every float from `low` up to (not including) `high`, both signs.
void range(const char* name, float low, float high) {
  sample(name, [&](const auto& check) {
    for (uint32_t bits = std::bit_cast<uint32_t>(low); bits < std::bit_cast<uint32_t>(high); ++bits) {
      check(std::bit_cast<float>(bits));
      check(std::bit_cast<float>(bits | 0x80000000u));
    }
  });
}

// Nanoseconds per value for a writer over the same 10^7 seeded floats.
template <typename Writer>
double timeWriter(Writer write) {
  uint64_t state = 7;
  volatile std::size_t total = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10000000; ++i) {
    // Finite values of every magnitude, as drawings have few NaNs.
    const float x = std::bit_cast<float>(static_cast<uint32_t>(splitmix(state)) & 0xbf7fffffu);
    char text[64];
    total = total + static_cast<std::size_t>(write(text, x) - text);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() * 100;
}

}  // namespace

int main(int argc, char** argv) {
  const bool all = argc > 1 && std::strcmp(argv[1], "--all") == 0;
  sample("every subnormal and zero, both signs", [](const auto& check) {
    for (uint32_t bits = 0; bits <= 0x7fffffu; ++bits) {
      check(std::bit_cast<float>(bits));
      check(std::bit_cast<float>(bits | 0x80000000u));
    }
  });
  sample("powers of 2 and 10 with their neighbours", [](const auto& check) {
    for (int k = -149; k <= 127; ++k) {
      const float power = std::ldexp(1.0f, k);
      for (float x : {power, std::nextafter(power, 0.0f), std::nextafter(power, INFINITY)}) {
        check(x);
        check(-x);
      }
    }
    for (int k = -45; k <= 38; ++k) {
      const float power = std::strtof(("1e" + std::to_string(k)).c_str(), nullptr);
      for (float x : {power, std::nextafter(power, 0.0f), std::nextafter(power, INFINITY)}) {
        check(x);
        check(-x);
      }
    }
  });
  sample("10^8 seeded random bit patterns", [](const auto& check) {
    uint64_t state = 20240601;
    for (int i = 0; i < 100000000; ++i) check(std::bit_cast<float>(static_cast<uint32_t>(splitmix(state))));
  });
  range("every float in [1e-5, 1e-3), both signs", 1e-5f, 1e-3f);
  range("every float in [1, 2), both signs", 1.0f, 2.0f);
  range("every float in [1000, 2e6), both signs", 1000.0f, 2e6f);
  range("every float in [1e7, 1e9), both signs", 1e7f, 1e9f);
  range("every float in [1e13, 1e16), both signs", 1e13f, 1e16f);
  if (all) {
    sample("every float bit pattern", [](const auto& check) {
      uint32_t bits = 0;
      do check(std::bit_cast<float>(bits));
      while (++bits != 0);
    });
  }

  sampleDoubles("10^7 seeded random doubles", [](const auto& check) {
    uint64_t state = 20240602;
    for (int i = 0; i < 10000000; ++i) check(std::bit_cast<double>(splitmix(state)));
  });
  sampleDoubles("double powers of 2 and 10, neighbours", [](const auto& check) {
    for (int k = -1074; k <= 1023; ++k) {
      const double power = std::ldexp(1.0, k);
      for (double x : {power, std::nextafter(power, 0.0), std::nextafter(power, INFINITY)}) check(x);
    }
    for (int k = -323; k <= 308; ++k) {
      const double power = std::strtod(("1e" + std::to_string(k)).c_str(), nullptr);
      for (double x : {power, std::nextafter(power, 0.0), std::nextafter(power, INFINITY)}) check(x);
    }
  });
  sampleDoubles("10^7 whole doubles from 1e15 to 1e24", [](const auto& check) {
    uint64_t state = 20240603;
    for (int i = 0; i < 10000000; ++i) {
      const double scale = std::ldexp(1.0, 50 + static_cast<int>(splitmix(state) % 30));
      check(std::floor(scale * (1 + static_cast<double>(splitmix(state) >> 11) * 0x1p-53)));
    }
  });

  const double ours = timeWriter([](char* at, float x) { return easel::writeShortest(at, x); });
  const double standard = timeWriter([](char* at, float x) { return std::to_chars(at, at + 64, x).ptr; });
  std::printf("writeShortest %.1f ns a float, std::to_chars %.1f ns: ratio %.2f\n", ours, standard, ours / standard);
  std::printf(differences == 0 ? "identical on every value\n" : "%d differences\n", differences);
  return differences == 0 ? 0 : 1;
}
