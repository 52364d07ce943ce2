// A dialog script: a fixed list of the user's actions, played in order (tests,
// the command line's --dialog-script).
#ifndef EASEL_ADM_SCRIPTEVENTSOURCE_H
#define EASEL_ADM_SCRIPTEVENTSOURCE_H

#include <cstddef>
#include <vector>

#include "EventSource.h"

namespace easel::adm {

class ScriptEventSource : public EventSource {
 public:
  explicit ScriptEventSource(std::vector<Event> events) : events_(std::move(events)) {}
  std::optional<Event> next(const Dialog& dialog) override;
  // How many events have been taken.
  std::size_t played() const { return next_; }

 private:
  std::vector<Event> events_;
  std::size_t next_ = 0;
};

}  // namespace easel::adm

#endif
