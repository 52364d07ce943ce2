#include "WebEventSource.h"

#include <algorithm>

#include "EditorHost.h"
#include "easel/host/FieldLimits.h"
#include "plugin/host/ADMDialog.h"

namespace easel::web {

namespace {

// A stop may end what these events start unless they end the dialog: the
// run that follows takes the previews back or keeps them, and must not fail.
bool stoppable(const std::vector<adm::Event>& events) {
  return std::none_of(events.begin(), events.end(), [](const adm::Event& e) {
    return e.kind == adm::Event::Kind::End ||
           (e.kind == adm::Event::Kind::Press && (e.item == kADMDefaultItemID || e.item == kADMCancelItemID));
  });
}

}  // namespace

std::optional<adm::Event> WebEventSource::next(const adm::Dialog&) {
  if (played_ < events_.size()) return events_[played_++];
  // Everything the last request asked for is done: it gets the new state,
  // unless its run was stopped for the Cancel that comes next.
  host_.previewMade();
  if (host_.busy().end()) host_.supersedePending();
  else
    host_.answerPending();
  for (;;) {
    HostRequestPtr request = host_.nextRequest();
    if (!request) return adm::Event::end(kADMCancelItemID);  // the editor is closing
    // The page's Cancel of a run: the run was stopped already; the dialog's
    // Cancel takes its contours back.
    if (request->action == Action::Cancel) request->events = {adm::Event::end(kADMCancelItemID)};
    if ((request->action == Action::Dialog || request->action == Action::Cancel) && !request->events.empty()) {
      host_.setPending(request);
      events_ = request->events;
      played_ = 1;
      host_.busy().begin(stoppable(events_));
      return events_.front();
    }
    host_.handleDuringDialog(request);
  }
}

bool WebEventSource::rejected(const std::string& message) {
  host_.note(message);
  return false;
}

void WebEventSource::changedOnTyping(const adm::Item& item, double given, const adm::TypedValue& typed) {
  host_.note(easel::host::changedValueWarning(item, given, typed));
}

void WebEventSource::opened(const adm::Dialog&) {
  events_.clear();
  played_ = 0;
  host_.dialogShown();
}

// The dialog has ended: the final run that follows may not be stopped.
void WebEventSource::closed(const adm::Dialog&) {
  host_.previewMade(false);  // the final run's answer says what became of it
  host_.busy().setStoppable(false);
}

}  // namespace easel::web
