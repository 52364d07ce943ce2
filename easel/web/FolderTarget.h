// Where Save As may write. Whoever holds the session may write only where the
// user's drawing already is: a plain name in the opened drawing's folder, the
// folder checked with its links resolved, so that a folder link or ".."
// cannot lead elsewhere.
#ifndef EASEL_WEB_SAVEASTARGET_H
#define EASEL_WEB_SAVEASTARGET_H

#include <filesystem>
#include <string>

namespace easel::web {

// The file to write for the name the page sent, or BadRequest (HostRequest.h)
// with one line saying why not: a name ending in .svg or .svgz, with no
// control characters, whose folder, links resolved, is `folder` itself, and
// that is not a link (which would be written through to wherever it points).
std::filesystem::path saveAsTarget(const std::string& name, const std::filesystem::path& folder);

}  // namespace easel::web

#endif
