// Names the user may mistype (subcommands, options, presets, fields, modes):
// compared without regard to case, and the nearest valid ones suggested.
#ifndef EASEL_CLI_NAMESUGGESTIONS_H
#define EASEL_CLI_NAMESUGGESTIONS_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace contour_cli {

bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// The valid names closest to `given` (at most three, the closest first), by
// edits of single letters ignoring case; none when nothing is close.
std::vector<std::string> nearestNames(std::string_view given, std::span<const std::string> names);

// "; did you mean 'apply'?" (or "'a' or 'b'"), or "" when nothing is close.
std::string didYouMean(std::string_view given, std::span<const std::string> names);

// Cuts quoted input to about 80 characters, so that one line stays one line.
std::string quotedInput(std::string_view text);

}  // namespace contour_cli

#endif
