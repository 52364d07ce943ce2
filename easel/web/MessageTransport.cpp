#include "MessageTransport.h"

#include <utility>
#include <variant>

#include "EditorHost.h"

namespace easel::web {

std::optional<std::string> MessageTransport::run() {
  host_.setIdleWait([this] {
    if (std::optional<PageMessage> message = page_.next()) take(std::move(*message));
    else
      host_.stop();
  });
  host_.setProgressListener([this](const BusyRun::Progress& progress) { told(progress); });
  host_.run();
  return host_.waitUntilReady();  // set by now, whether the host started or not
}

void MessageTransport::take(PageMessage message) {
  auto read = readRequest(message.name, message.body);
  if (const auto* refused = std::get_if<Reply>(&read)) return page_.answer(message.id, *refused);
  const HostRequestPtr& request = std::get<HostRequestPtr>(read);
  request->revision = message.revision;
  request->order = message.order;
  request->page = std::move(message.page);
  request->upload = std::move(message.upload);
  request->drawsGeometry = true;  // the page paints plain art itself
  request->deliver = [this, id = message.id](Reply reply) { page_.answer(id, reply); };
  if (request->action == Action::Cancel) host_.cancelRun(request);
  else
    host_.post(request);
}

// Every change of the run comes here, a contour at a time: the page hears
// of it a few times a second, and at once when work starts, ends or may no
// longer be stopped. Contours come by the thousand a second and, in the
// page's worker, each look at the clock leaves the module: it is looked at
// once in kChangesPerClock.
void MessageTransport::told(const BusyRun::Progress& progress) {
  const bool turned =
      progress.running != sent_.running || progress.stoppable != sent_.stoppable || progress.total != sent_.total;
  if (!turned && ++untimed_ < kChangesPerClock) return;
  untimed_ = 0;
  const Clock::time_point now = page_.now();
  if (turned || now - sentAt_ >= kProgressEvery) {
    page_.progress(progress);
    sent_ = progress;
    sentAt_ = now;
  }
  if (progress.running && progress.stoppable && now - lookedAt_ >= kStopEvery) {
    lookedAt_ = now;
    if (page_.stopAsked()) host_.busy().stop();
  }
}

}  // namespace easel::web
