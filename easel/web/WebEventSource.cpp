#include "WebEventSource.h"

#include "EditorHost.h"

namespace easel::web {

std::optional<adm::Event> WebEventSource::next(const adm::Dialog&) {
  if (played_ < events_.size()) return events_[played_++];
  // Everything the last request asked for is done: it gets the new state.
  host_.answerPending();
  for (;;) {
    HostRequestPtr request = host_.nextRequest();
    if (!request) return adm::Event::end(2);  // the editor is closing: cancel
    if (request->action == "dialog" && !request->events.empty()) {
      host_.setPending(request);
      events_ = request->events;
      played_ = 1;
      return events_.front();
    }
    host_.handleDuringDialog(request);
  }
}

bool WebEventSource::rejected(const std::string& message) {
  host_.note(message);
  return false;
}

void WebEventSource::opened(const adm::Dialog&) {
  events_.clear();
  played_ = 0;
}

}  // namespace easel::web
