#include "SaveAsTarget.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "HostRequest.h"

namespace easel::web {

namespace fs = std::filesystem;

namespace {

bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7f;
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

[[noreturn]] void refuse(const std::string& name, const std::string& why) {
  throw BadRequest("Save As \"" + name + "\": " + why);
}

}  // namespace

fs::path saveAsTarget(const std::string& name, const fs::path& folder) {
  // A NUL would cut the name short where the system takes it; other control
  // characters make names no one can type or see. Not echoed, for that reason.
  if (std::any_of(name.begin(), name.end(), isControl))
    throw BadRequest("Save As: the name holds a control character; give a plain file name");
  const fs::path given = name;
  const std::string extension = lowered(given.extension().string());
  if (given.filename().empty() || given.stem().empty() || (extension != ".svg" && extension != ".svgz"))
    refuse(name, "Save As writes SVG: give a file name ending in .svg or .svgz");
  const fs::path target = folder / given;
  std::error_code parentError, homeError, error;
  const fs::path parent = fs::canonical(target.parent_path(), parentError);
  const fs::path home = fs::canonical(folder, homeError);
  if (given.has_root_path() || parentError || homeError || parent != home)
    refuse(name, "Save As writes in the drawing's folder " + folder.string() + ": give a file name alone");
  if (fs::is_symlink(fs::symlink_status(target, error)))
    refuse(name, "is a link; Save As writes plain files only: choose another name");
  return target;
}

}  // namespace easel::web
