// Moving files in and out of place: every input is read with a size limit,
// and every output is written to a temporary file beside its target and
// renamed over it only when the command's outputs are all complete, so that a
// failed or cancelled command leaves every existing file as it was.
//
// Outputs that cannot be replaced (standard output "-", character devices,
// FIFOs) are written straight through. A symbolic link stays: its target is
// replaced. The file's mode (and owner, where the process may set it) is
// kept; a read-only file is refused, and so is an output that is the same
// file as an input (by device and inode, not by name: FileIdentity.h). A
// failure to open or write carries the system's reason. Each save also
// removes the temporary files of ours a killed run left in its folder, once
// they are a day old.
#ifndef EASEL_CORE_FILEIO_H
#define EASEL_CORE_FILEIO_H

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "easel/core/FileIdentity.h"

namespace easel {

// A file that cannot be read or written; the message names the file.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The limit for JSON files and palettes.
inline constexpr std::size_t kTextReadLimit = std::size_t{16} << 20;

// The whole of a file, or of standard input for "-", at most `limit` bytes.
// A regular file is measured before it is read, a stream while it is read.
std::string readLimited(const std::string& path, std::size_t limit);

// A file buffer that keeps why its first write failed (errno at that
// moment, which later calls would overwrite), for the message.
class ReasonFileBuf : public std::filebuf {
 public:
  int reason() const { return reason_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char_type* s, std::streamsize n) override;
  int sync() override;

 private:
  void note(bool failed);
  int reason_ = 0;
};

// One output being written. Nothing at `path` changes before commit(); a
// PendingOutput dropped uncommitted removes its temporary file.
class PendingOutput {
 public:
  explicit PendingOutput(const std::string& path);
  ~PendingOutput();
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  const std::string& path() const { return path_; }
  // Where to write, for text produced as a run goes (a trace).
  std::ostream& stream() { return *out_; }
  void write(std::string_view text) { out_->write(text.data(), static_cast<std::streamsize>(text.size())); }
  // Flushes and syncs the data; throws FileError when it did not all land.
  void finish();
  // Renames the finished file over its target (and syncs the folder).
  void commit();

 private:
  std::string path_;       // as given, for messages
  std::string target_;     // what is replaced: the link's target for a link
  std::string temporary_;  // empty when written straight through
  ReasonFileBuf buffer_;
  std::ostream file_{&buffer_};
  std::ostream* out_ = nullptr;
  bool finished_ = false;
};

// One output written whole and put in place (a save of the editor).
void writeWhole(const std::string& path, std::string_view text);

// The files one command reads and writes. Inputs are noted first; each output
// is refused when it is an input or another output, and the outputs are
// renamed into place together by commitAll().
class FileSet {
 public:
  void addInput(const std::string& path);
  PendingOutput& addOutput(const std::string& path);
  // Finishes every output, then renames them all.
  void commitAll();
  // Keeps this output alone (a failed run's trace), leaving the rest untouched.
  void commitOnly(PendingOutput& output) { output.commit(); }

 private:
  struct Noted {
    FileIdentity id;
    std::string shown;  // as given, for messages
  };
  std::vector<Noted> files_;
  std::vector<std::unique_ptr<PendingOutput>> outputs_;
};

}  // namespace easel

#endif
