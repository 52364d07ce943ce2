// What `contour` sets up before anything else, as each platform needs it:
// the arguments as UTF-8 text (Windows hands them over as UTF-16), standard
// streams that pass bytes unchanged (no CR added to a drawing written to "-"),
// and the console's code page for messages with names in any script.
#ifndef EASEL_CLI_PROGRAMSTART_H
#define EASEL_CLI_PROGRAMSTART_H

#include <string>
#include <vector>

namespace contour_cli {

class Utf8Arguments {
 public:
  Utf8Arguments(int argc, char** argv);
  int argc() const { return static_cast<int>(words_.size()); }
  // Null-terminated, as main's; stays valid while this object lives.
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> words_;
  std::vector<char*> pointers_;
};

void setUpStandardStreams();

// Whether standard error is a terminal, for the progress bar.
bool standardErrorIsTerminal();

}  // namespace contour_cli

#endif
