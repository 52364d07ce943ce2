// The subcommands of `contour`, one file each.
#ifndef EASEL_CLI_COMMANDS_H
#define EASEL_CLI_COMMANDS_H

#include <CLI/CLI.hpp>

#include <iostream>
#include <stdexcept>
#include <string_view>

namespace contour_cli {

// The exit status of every command.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;  // the run failed or was cancelled
constexpr int kExitUsage = 2;   // the command line asks for something there is not, or for two things at odds
constexpr const char* kExitStatusHelp =
    "Exit status: 0 done; 1 the run failed or was cancelled; 2 usage error (an unknown subcommand, option, "
    "preset, field or mode, or options that do not go together).";

// What every --plugin says of where the module is found by default, as the
// man page does.
constexpr const char* kPluginOptionHelp =
    "The plug-in module (default: lib/contour/Tesk_Contour.so in the folder above contour's; in a build tree, "
    "the one beside contour)";

// A warning, said whatever --quiet says: it is about the result. A command
// that may read a drawing twice holds the first reading's warnings back.
inline void warn(std::string_view line, std::ostream& to = std::cerr) { to << "contour: warning: " << line << '\n'; }

// A usage error found once the command line has been parsed; the message
// names the option at fault.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Each adds its subcommand to the app; the callback runs it and sets the exit status.
void addAboutCommand(CLI::App& app, int& status);
void addApplyCommand(CLI::App& app, int& status);
void addParamsCommand(CLI::App& app, int& status);
void addStripCommand(CLI::App& app, int& status);   // removes recorded contour runs
void addListsCommands(CLI::App& app, int& status);  // `contour presets`, `contour modes`
void addEditCommand(CLI::App& app, int& status);    // the editor in the browser
// `contour bash-completion`, made from the commands added before it.
void addCompletionCommand(CLI::App& app, int& status);

}  // namespace contour_cli

#endif
