// What the host thread is busy with, for the page to follow and stop. While
// the plug-in works (a preview, the dialog's first preview, the final run)
// the host thread cannot answer, so the HTTP threads read the progress here
// and ask for a stop here. A stop is asked of the session's RunWatch only
// while a stoppable run is going on, and a stop that no call has taken by the
// time the run ends is dropped: it must not fail the call that takes the
// preview back when the dialog is cancelled. A transport that cannot ask
// while the host thread works (the page's worker shares its one thread) is
// told of each change instead, by a listener.
#ifndef EASEL_WEB_BUSYRUN_H
#define EASEL_WEB_BUSYRUN_H

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "easel/core/RunWatch.h"

namespace easel::web {

class BusyRun {
 public:
  struct Progress {
    bool running = false;
    bool stoppable = false;
    uint64_t made = 0;   // contours made in this run so far
    uint64_t total = 0;  // contours expected in it (0: not known)
  };
  // Told, on the host thread, when work starts or ends, whether it may be
  // stopped, and of every contour made; it may call stop().
  using Listener = std::function<void(const Progress&)>;

  // Before the host thread starts.
  void setListener(Listener listener) { listener_ = std::move(listener); }

  // ---- Host thread.
  // The session's watch while it lives (null once it ends).
  void attach(RunWatch* watch);
  // Work for a request starts; `stoppable`: a stop may end it.
  void begin(bool stoppable);
  // Stops may end the run from now on, or no longer (a pending one is dropped).
  void setStoppable(bool stoppable);
  void setTotal(uint64_t total);
  // A contour was made: the count so far in this run.
  uint64_t copied();
  // The work ended: a stop not taken yet is dropped. True when a stop ended it.
  bool end();

  // ---- Any thread.
  // Asks the run to stop when it may be stopped; false when nothing runs
  // that a stop may end (the run ended, or it is the final run).
  bool stop();
  Progress progress() const;

 private:
  void tell();

  Listener listener_;
  mutable std::mutex mutex_;
  RunWatch* watch_ = nullptr;
  bool running_ = false;
  bool stoppable_ = false;
  std::atomic<uint64_t> made_{0};
  std::atomic<uint64_t> total_{0};
};

}  // namespace easel::web

#endif
