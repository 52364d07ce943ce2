#include "ScriptEventSource.h"

namespace easel::adm {

std::optional<Event> ScriptEventSource::next(const Dialog&) {
  if (next_ >= events_.size()) return std::nullopt;
  return events_[next_++];
}

}  // namespace easel::adm
