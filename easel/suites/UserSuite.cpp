// Number and text conversions on length-prefixed strings.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "Suites.h"
#include "easel/core/NumberText.h"
#include "easel/suites/HostCall.h"

namespace easel::suites {
namespace {

std::string fromLengthPrefixed(const unsigned char* text) {
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// Optional sign, digits, optional fraction: the only numbers the host reads.
bool isDecimal(const std::string& s) {
  std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  std::size_t digits = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  return digits > 0 && i == s.size();
}

ASErr numberToText(AIReal value, int16_t decimalPlaces, unsigned char* text) noexcept {
  return hostCall(SuiteId::AIUser, "number to text", [&](Call& c) -> ASErr {
    c.in("value", value).in("decimalPlaces", decimalPlaces);
    if (text == nullptr || decimalPlaces < 0 || decimalPlaces > 10 || !std::isfinite(value)) return kBadParameterErr;
    char buffer[64];
    int length =
        std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimalPlaces), static_cast<double>(value));
    if (length < 0 || length > 255) return kBadParameterErr;
    text[0] = static_cast<unsigned char>(length);
    std::memcpy(text + 1, buffer, static_cast<std::size_t>(length));
    c.out("text", std::string_view(buffer, static_cast<std::size_t>(length)));
    return kNoErr;
  });
}

ASErr textToNumber(const unsigned char* text, AIReal* value) noexcept {
  return hostCall(SuiteId::AIUser, "text to number", [&](Call& c) -> ASErr {
    if (text == nullptr || value == nullptr) return kBadParameterErr;
    std::string s = fromLengthPrefixed(text);
    c.in("text", s);
    if (!isDecimal(s)) return kBadParameterErr;
    const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
    float parsed = 0;
    auto [end, ec] = readDecimal(begin, s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size()) return kBadParameterErr;
    *value = parsed;
    c.out("value", parsed);
    return kNoErr;
  });
}

const AIUserSuite kSuite{numberToText, textToNumber};

}  // namespace

const AIUserSuite* user() { return &kSuite; }

}  // namespace easel::suites
