// Reading the trace and the dialogs the user saw, for the shell's tests.
#ifndef CONTOUR_TESTS_SHELL_SUPPORT_H
#define CONTOUR_TESTS_SHELL_SUPPORT_H

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/support/PluginHarness.h"

namespace contour_test {

inline std::vector<nlohmann::json> parsedTrace(PluginHarness& h) {
  std::vector<nlohmann::json> lines;
  for (const std::string& line : h.trace()) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

// The operations of the trace, without the string comparisons of the dispatch.
inline std::vector<nlohmann::json> hostOperations(PluginHarness& h) {
  std::vector<nlohmann::json> ops;
  for (auto& line : parsedTrace(h))
    if (line["op"] != "compare strings") ops.push_back(line);
  return ops;
}

// The error dialogs shown, as (message, code text).
inline std::vector<std::pair<std::string, std::string>> errorDialogs(PluginHarness& h) {
  std::vector<std::pair<std::string, std::string>> shown;
  for (const auto& dialog : h.dialogs().shownDialogs()) {
    if (dialog.resourceId != 16051) continue;
    const auto* message = dialog.findItem(2);
    const auto* code = dialog.findItem(3);
    shown.emplace_back(message ? message->text : "", code ? code->text : "");
  }
  return shown;
}

}  // namespace contour_test

#endif
