// A file's name as a message shows it: as it is, unless it holds a control
// character (a newline would split the one-line message, an escape sequence
// would talk to the terminal); then in double quotes, with C's escapes.
#ifndef EASEL_CORE_PATHTEXT_H
#define EASEL_CORE_PATHTEXT_H

#include <string>
#include <string_view>

namespace easel {

std::string shownPath(std::string_view path);

}  // namespace easel

#endif
