#include "easel/core/resources/ResId.h"

#include "easel/core/resources/ByteReader.h"
#include "easel/core/resources/Utf16.h"

namespace easel {
namespace {

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

}  // namespace

ResId::ResId(const char* name) : value_(utf8ToUtf16(name)) {}

std::string ResId::toString() const {
  if (!isOrdinal()) return utf16ToUtf8(std::get<std::u16string>(value_));
  std::string text = "#";  // appended: GCC 12 at -O3 warns falsely (-Wrestrict) about "#" + std::string
  text += std::to_string(ordinal());
  return text;
}

bool operator==(const ResId& a, const ResId& b) {
  if (a.isOrdinal() || b.isOrdinal()) return a.isOrdinal() == b.isOrdinal() && a.ordinal() == b.ordinal();
  const auto& x = std::get<std::u16string>(a.value_);
  const auto& y = std::get<std::u16string>(b.value_);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i)
    if (asciiUpper(x[i]) != asciiUpper(y[i])) return false;
  return true;
}

ResId readResId(ByteReader& reader) {
  uint16_t first = reader.u16();
  if (first == 0xFFFF) return ResId(reader.u16());
  std::u16string name;
  if (first != 0) name = char16_t(first) + reader.zeroTerminatedUtf16();
  return ResId(std::move(name));
}

}  // namespace easel
