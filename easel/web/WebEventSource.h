// The settings dialog's events from the page: the dialog manager's modal run
// asks for the user's next action, and this source answers the request that
// is waiting for the dialog's state, then blocks on the host's queue until
// the page sends dialog events (the same events as a dialog script). Other
// requests that arrive meanwhile are answered on the spot. When the editor
// stops, the dialog is cancelled; so is it by the page's "cancel" of a run.
#ifndef EASEL_WEB_WEBEVENTSOURCE_H
#define EASEL_WEB_WEBEVENTSOURCE_H

#include <cstddef>
#include <vector>

#include "easel/adm/EventSource.h"

namespace easel::web {

class EditorHost;

class WebEventSource : public adm::EventSource {
 public:
  explicit WebEventSource(EditorHost& host) : host_(host) {}
  std::optional<adm::Event> next(const adm::Dialog& dialog) override;
  // An event the dialog cannot take is told to the page; the dialog goes on.
  bool rejected(const std::string& message) override;
  // So is a value the dialog rounded or held to its limits.
  void changedOnTyping(const adm::Item& item, double given, const adm::TypedValue& typed) override;
  void opened(const adm::Dialog& dialog) override;
  void closed(const adm::Dialog& dialog) override;

 private:
  EditorHost& host_;
  std::vector<adm::Event> events_;  // of the request being played
  std::size_t played_ = 0;
};

}  // namespace easel::web

#endif
