#include "OpenBrowser.h"

#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <thread>

extern char** environ;

namespace easel::http {

bool openBrowser(const std::string& address) {
  // The child must not inherit the blocked stop signals: the browser it
  // starts would ignore Ctrl-C.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  std::string program = "xdg-open", argument = address;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t child = 0;
  const int error = posix_spawnp(&child, "xdg-open", nullptr, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return false;
  // xdg-open may stay as long as the browser does: reap it on the side.
  std::thread([child] {
    int status = 0;
    waitpid(child, &status, 0);
  }).detach();
  return true;
}

}  // namespace easel::http
