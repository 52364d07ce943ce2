// What every command says of how it ended, without the command-line parser:
// exit codes, warnings and usage errors, for the files that only report.
#ifndef EASEL_CLI_COMMAND_STATUS_H
#define EASEL_CLI_COMMAND_STATUS_H

#include <iostream>
#include <stdexcept>
#include <string_view>

namespace contour_cli {

// The exit status of every command.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;  // the run failed or was cancelled
constexpr int kExitUsage = 2;   // the command line asks for something there is not, or for two things at odds

// A warning, said whatever --quiet says: it is about the result. A command
// that may read a drawing twice holds the first reading's warnings back.
inline void warn(std::string_view line, std::ostream& to = std::cerr) { to << "contour: warning: " << line << '\n'; }

// A usage error found once the command line has been parsed; the message
// names the option at fault.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace contour_cli

#endif
