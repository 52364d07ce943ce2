#include "Lifetime.h"

#include <signal.h>

#include <ctime>

namespace easel::http {

namespace {

sigset_t stopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

void Lifetime::blockStopSignals() {
  const sigset_t set = stopSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void Lifetime::pageClosed() {
  std::lock_guard lock(mutex_);
  closedAt_ = Clock::now();
}

void Lifetime::pageActive() {
  std::lock_guard lock(mutex_);
  closedAt_.reset();
}

std::optional<std::string> Lifetime::closedLongEnough() {
  std::lock_guard lock(mutex_);
  if (closedAt_ && Clock::now() - *closedAt_ >= grace_) return "the page was closed";
  return std::nullopt;
}

std::string Lifetime::wait() {
  const sigset_t set = stopSignals();
  const timespec tick{0, 100'000'000};  // how soon a closed page is noticed
  for (;;) {
    const int signal = sigtimedwait(&set, nullptr, &tick);
    if (signal == SIGINT) return "interrupted";
    if (signal == SIGTERM) return "terminated";
    if (auto why = closedLongEnough()) return *why;
  }
}

}  // namespace easel::http
