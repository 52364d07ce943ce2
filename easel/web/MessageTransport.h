// The editor's host for a page that runs it on one thread with its messages,
// as the page's Web Worker does. There is no other thread to take the page's
// requests while the host works, so they are taken only when the host asks
// for the next one; answers and the run's progress go back as messages; and a
// Cancel reaches a running preview through the page's stop, looked at every
// few milliseconds as the run makes contours (a flag the page shares, or a
// moment in which the worker lets the page's messages in).
#ifndef EASEL_WEB_MESSAGETRANSPORT_H
#define EASEL_WEB_MESSAGETRANSPORT_H

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "BusyRun.h"
#include "HostRequest.h"

namespace easel::web {

class EditorHost;

// A request of the page, with the names and bodies of the HTTP API.
struct PageMessage {
  uint64_t id = 0;  // the page's, sent back with the answer
  std::string name;
  std::string body;
  uint64_t revision = 0;  // of the drawing the page shows
  uint64_t order = 0;     // the page's count of its requests
  std::string page;       // which load of the page counts them
  std::string upload;     // a file's bytes that go with it (a drawing dropped on the page)
};

// The page on the other side (the worker's glue).
class PageLink {
 public:
  virtual ~PageLink() = default;
  // Waits for the page's next request; none once the page has gone.
  virtual std::optional<PageMessage> next() = 0;
  // Whether the page has asked for the run to stop (its Cancel).
  virtual bool stopAsked() = 0;
  virtual void answer(uint64_t id, const Reply& reply) = 0;
  virtual void progress(const BusyRun::Progress& progress) = 0;
  // The clock the run's progress and stop are timed by.
  virtual std::chrono::steady_clock::time_point now() { return std::chrono::steady_clock::now(); }
};

class MessageTransport {
 public:
  // How often the progress is sent at most, and the stop looked at.
  static constexpr std::chrono::milliseconds kProgressEvery{50}, kStopEvery{20};
  static constexpr int kChangesPerClock = 8;

  MessageTransport(EditorHost& host, PageLink& page) : host_(host), page_(page) {}
  // Serves the page until it has gone: nothing, or why the host could not start.
  std::optional<std::string> run();

 private:
  void take(PageMessage message);
  void told(const BusyRun::Progress& progress);

  using Clock = std::chrono::steady_clock;
  EditorHost& host_;
  PageLink& page_;
  BusyRun::Progress sent_;
  Clock::time_point sentAt_, lookedAt_;
  int untimed_ = 0;  // changes told since the clock was looked at
};

}  // namespace easel::web

#endif
