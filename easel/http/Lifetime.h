// When the editor ends: Ctrl-C (SIGINT) or SIGTERM on the terminal, or the
// page going away. A page that is reloaded says it is going and comes back at
// once, so closing waits a moment for a request of a new page first.
#ifndef EASEL_HTTP_LIFETIME_H
#define EASEL_HTTP_LIFETIME_H

#include <chrono>
#include <mutex>
#include <optional>
#include <string>

namespace easel::http {

class Lifetime {
 public:
  using Clock = std::chrono::steady_clock;
  explicit Lifetime(std::chrono::milliseconds grace = std::chrono::milliseconds(1500)) : grace_(grace) {}

  // Call in main before any thread starts: the stop signals are then taken
  // only by wait(), never delivered to a thread in the middle of its work.
  static void blockStopSignals();

  // Any thread: the page said it is closing; a later request of a page keeps the editor open.
  void pageClosed();
  void pageActive();
  // Waits for a stop signal or a closed page; returns what ended the editor.
  std::string wait();

 private:
  std::optional<std::string> closedLongEnough();

  std::chrono::milliseconds grace_;
  std::mutex mutex_;
  std::optional<Clock::time_point> closedAt_;
};

}  // namespace easel::http

#endif
