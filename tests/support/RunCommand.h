// Runs a shell command as the tests of whole programs do: what it printed
// and how it ended.
#ifndef CONTOUR_TESTS_SUPPORT_RUNCOMMAND_H
#define CONTOUR_TESTS_SUPPORT_RUNCOMMAND_H

#include <string>

namespace contour_test {

struct CommandResult {
  int status = -1;  // the exit status; -1 when it did not exit (a signal) or could not start
  std::string out;  // its standard output
};

CommandResult runCommand(const std::string& command);

// The exit status in what std::system returns; -1 when it did not exit.
int exitStatus(int systemResult);

}  // namespace contour_test

#endif
