// Where the dialog manager takes what the user does while a dialog it drives
// is open: a script (tests, the command line) or the browser editor.
#ifndef EASEL_ADM_EVENTSOURCE_H
#define EASEL_ADM_EVENTSOURCE_H

#include <optional>
#include <string>

#include "Events.h"
#include "Model.h"

namespace easel::adm {

class EventSource {
 public:
  virtual ~EventSource() = default;
  // The user's next action on `dialog`, or nullopt when the source has no
  // more: the dialog manager then presses the default-item key (result 1).
  virtual std::optional<Event> next(const Dialog& dialog) = 0;
  // An event the dialog cannot take (an unknown item, a value of the wrong
  // kind, ...). The message starts with the event's position ("event 3: ...").
  // Returns true to stop the modal run with an error (scripts), false to go
  // on with the next event (an interactive source that shows the message).
  virtual bool rejected(const std::string& message) {
    (void)message;
    return true;
  }
  // A value the source typed into a spin edit that the item rounded or held
  // to its limits (typeWithin): the source says so in its own terms.
  virtual void changedOnTyping(const Item& item, double given, const TypedValue& typed) {
    (void)item, (void)given, (void)typed;
  }
  // Called once the dialog has been built and its init procedure has run,
  // and when it has closed; an interactive source shows the dialog.
  virtual void opened(const Dialog& dialog) { (void)dialog; }
  virtual void closed(const Dialog& dialog) { (void)dialog; }
};

}  // namespace easel::adm

#endif
