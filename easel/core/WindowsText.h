// Text between the easel's UTF-8 and Windows's UTF-16, and the system's words
// for an error code (Windows builds only).
#ifndef EASEL_CORE_WINDOWSTEXT_H
#define EASEL_CORE_WINDOWSTEXT_H

#if defined(_WIN32)

#include <string>
#include <string_view>

namespace easel {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// The system's own text for an error code, without its line break.
std::string windowsErrorText(unsigned long code);

}  // namespace easel

#endif
#endif
