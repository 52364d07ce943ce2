#include "HostRequest.h"

namespace easel::web {

std::string coalescingKey(const HostRequest& request) {
  using Kind = easel::adm::Event::Kind;
  if (request.action != "dialog" || request.events.size() != 1) return {};
  const easel::adm::Event& event = request.events.front();
  if (event.kind == Kind::SetValue) return "value " + std::to_string(event.item);
  if (event.kind == Kind::ChooseEntry) return "entry " + std::to_string(event.item);
  return {};
}

}  // namespace easel::web
