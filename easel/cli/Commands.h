// The subcommands of `contour`, one file each.
#ifndef EASEL_CLI_COMMANDS_H
#define EASEL_CLI_COMMANDS_H

#include <CLI/CLI.hpp>

namespace contour_cli {

// Each adds its subcommand to the app; the callback runs it and sets the exit status.
void addAboutCommand(CLI::App& app, int& status);
void addApplyCommand(CLI::App& app, int& status);
void addParamsCommand(CLI::App& app, int& status);
void addStripCommand(CLI::App& app, int& status);    // removes recorded contour runs
void addListsCommands(CLI::App& app, int& status);   // `contour presets`, `contour modes`
void addEditCommand(CLI::App& app, int& status);     // the editor in the browser

}  // namespace contour_cli

#endif
