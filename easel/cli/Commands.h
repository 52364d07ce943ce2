// The subcommands of `contour`, one file each.
#ifndef EASEL_CLI_COMMANDS_H
#define EASEL_CLI_COMMANDS_H

#include <CLI/CLI.hpp>

#include "easel/cli/CommandStatus.h"

namespace contour_cli {

// What every command's help says of its exit status.
constexpr const char* kExitStatusHelp =
    "Exit status: 0 done; 1 the run failed or was cancelled; 2 usage error (an unknown subcommand, option, "
    "preset, field or mode, or options that do not go together).";

// What every --plugin says of where the module is found by default, as the
// man page does.
constexpr const char* kPluginOptionHelp =
    "The plug-in module (default: lib/contour/Tesk_Contour.so in the folder above contour's; in a build tree, "
    "the one beside contour)";

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
