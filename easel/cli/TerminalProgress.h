// What `contour apply` shows on a terminal while it works: one status line
// that is rewritten as the run goes on ("reading x.svg..."), and during a run
// that lasts longer than about a second a bar of the objects done out of the
// total. The line is cleared when the work ends, so that the summary and any
// warnings start on a clean line.
#ifndef CONTOUR_CLI_TERMINALPROGRESS_H
#define CONTOUR_CLI_TERMINALPROGRESS_H

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_set>
#include <vector>

namespace contour_cli {

class TerminalProgress {
 public:
  using Clock = std::chrono::steady_clock;
  // `shown`: whether a person is watching (standard error is a terminal).
  // The bar waits `delay` after the run starts, then redraws at most every
  // `interval`.
  TerminalProgress(std::ostream& out, bool shown, Clock::duration delay = std::chrono::seconds(1),
                   Clock::duration interval = std::chrono::milliseconds(100));
  ~TerminalProgress() { done(); }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  // A new stage of the work, in words.
  void step(const std::string& what);
  // The run starts on these selected objects (their ids).
  void startObjects(const std::vector<uintptr_t>& selected);
  // The run copied art `source`: a selected object that is not the current
  // one starts, so the one before it is done.
  void copied(uintptr_t source);
  // Clears the line.
  void done();

 private:
  void drawBar(Clock::time_point now);
  std::ostream& out_;
  bool shown_;
  bool active_ = false;
  Clock::duration delay_, interval_;
  Clock::time_point runStart_{}, lastDrawn_{};
  std::unordered_set<uintptr_t> selected_, started_;
  uintptr_t current_ = 0;
};

}  // namespace contour_cli

#endif
