#include "RunCommand.h"

#include <sys/wait.h>

#include <cstdio>
#include <memory>

namespace contour_test {

CommandResult runCommand(const std::string& command) {
  CommandResult result;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) result.out.append(buffer, n);
  result.status = exitStatus(::pclose(pipe.release()));
  return result;
}

int exitStatus(int systemResult) { return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1; }

}  // namespace contour_test
