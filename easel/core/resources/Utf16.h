// Conversions between the UTF-16 of Windows resources and our UTF-8 strings.
#ifndef EASEL_CORE_RESOURCES_UTF16_H
#define EASEL_CORE_RESOURCES_UTF16_H

#include <string>
#include <string_view>

namespace easel {

// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
// Malformed UTF-8 sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);

}  // namespace easel

#endif
