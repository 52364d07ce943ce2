#include "RenderComparison.h"

#include "RunCommand.h"

namespace contour_test {

int compareRenders(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& options,
                   std::string& report) {
  std::string command = "'" CONTOUR_PYTHON3 "' '" CONTOUR_COMPARE_RENDERS "' " + options;
  for (const auto& [a, b] : pairs) command += " '" + a + "' '" + b + "'";
  const CommandResult result = runCommand(command + " 2>&1");
  report += result.out;
  return result.status;
}

}  // namespace contour_test
