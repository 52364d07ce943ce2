#include "FolderTarget.h"

#include <algorithm>
#include <cctype>
#include <chrono>
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

bool takes(const FolderUse& use, const fs::path& name) {
  const std::string extension = lowered(name.extension().string());
  return std::find(use.extensions.begin(), use.extensions.end(), extension) != use.extensions.end();
}

// ".svg or .svgz", ".png".
std::string endings(const FolderUse& use) {
  std::string text;
  std::size_t left = use.extensions.size();
  for (std::string_view extension : use.extensions)
    text += std::string(extension) + (--left > 1 ? ", " : left == 1 ? " or " : "");
  return text;
}

[[noreturn]] void refuse(const FolderUse& use, const std::string& name, const std::string& why) {
  throw BadRequest(std::string(use.command) + " \"" + name + "\": " + why);
}

// A file time as seconds since 1970, by way of the offset between the two clocks now: not every
// standard library has file_clock::to_sys (the WebAssembly build's has not).
std::chrono::seconds secondsSinceEpoch(fs::file_time_type time) {
  const auto onSystemClock = std::chrono::system_clock::now() + (time - fs::file_time_type::clock::now());
  return std::chrono::duration_cast<std::chrono::seconds>(onSystemClock.time_since_epoch());
}

}  // namespace

fs::path folderTarget(const std::string& name, const fs::path& folder, const FolderUse& use) {
  const std::string command(use.command), does(use.does);
  // A NUL would cut the name short where the system takes it; other control
  // characters make names no one can type or see. Not echoed, for that reason.
  if (std::any_of(name.begin(), name.end(), isControl))
    throw BadRequest(command + ": the name holds a control character; give a plain file name");
  const fs::path given = name;
  if (given.filename().empty() || given.stem().empty() || !takes(use, given))
    refuse(use, name,
           command + " " + does + " " + std::string(use.kinds) + ": give a file name ending in " + endings(use));
  const fs::path target = folder / given;
  std::error_code parentError, homeError, error;
  const fs::path parent = fs::canonical(target.parent_path(), parentError);
  const fs::path home = fs::canonical(folder, homeError);
  if (given.has_root_path() || parentError || homeError || parent != home)
    refuse(use, name,
           command + " " + does + " in the drawing's folder " + folder.string() + ": give a file name alone");
  if (fs::is_symlink(fs::symlink_status(target, error)))
    refuse(use, name, "is a link; " + command + " " + does + " plain files only: choose another name");
  return target;
}

std::vector<DrawingFile> drawingsIn(const fs::path& folder) {
  std::vector<DrawingFile> drawings;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::error_code statError;
    if (!entry.is_regular_file(statError) || entry.is_symlink(statError) || !takes(kOpen, entry.path().filename()))
      continue;
    const auto seconds = secondsSinceEpoch(entry.last_write_time(statError));
    drawings.push_back({entry.path().filename().string(), static_cast<uint64_t>(entry.file_size(statError)),
                        static_cast<int64_t>(seconds.count())});
  }
  std::sort(drawings.begin(), drawings.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return drawings;
}

}  // namespace easel::web
