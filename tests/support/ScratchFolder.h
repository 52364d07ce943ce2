// A folder of its own for one test's files, removed with the test.
#ifndef CONTOUR_TESTS_SUPPORT_SCRATCHFOLDER_H
#define CONTOUR_TESTS_SUPPORT_SCRATCHFOLDER_H

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace contour_test {

class ScratchFolder {
 public:
  // Named by the prefix and the process, so that tests run side by side do not share one.
  explicit ScratchFolder(const std::string& prefix)
      : dir_(std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& folder() const { return dir_; }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  // The file's bytes; empty when it is missing.
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace contour_test

#endif
