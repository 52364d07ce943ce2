#include "easel/cli/SeedOption.h"

#include <charconv>

#include "easel/cli/NameSuggestions.h"

namespace contour_cli {

namespace {

std::uint64_t seedFrom(const std::string& text) {
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    throw CLI::ValidationError("--seed", quotedInput(text) + " is not a whole number from 0 to 18446744073709551615");
  return seed;
}

}  // namespace

CLI::Option* addSeedOption(CLI::App& command, std::optional<std::uint64_t>& seed, const std::string& help) {
  return command
      .add_option_function<std::string>(
          "--seed", [&seed](const std::string& text) { seed = seedFrom(text); }, help)
      ->type_name("UINT");
}

}  // namespace contour_cli
