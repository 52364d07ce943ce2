// --seed, read the same way by every subcommand that takes it.
#ifndef EASEL_CLI_SEEDOPTION_H
#define EASEL_CLI_SEEDOPTION_H

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace contour_cli {

// Adds --seed to the command: a whole number from 0 to 2^64 - 1, in decimal.
// (CLI11 itself would take "-1" as 2^64 - 1 and clamp what does not fit.)
CLI::Option* addSeedOption(CLI::App& command, std::optional<std::uint64_t>& seed, const std::string& help);

}  // namespace contour_cli

#endif
