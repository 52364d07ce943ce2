#include "HostRequest.h"

namespace easel::web {

std::string coalescingKey(const HostRequest& request) {
  using Kind = easel::adm::Event::Kind;
  if (request.action != "dialog" || request.events.size() != 1) return {};
  const easel::adm::Event& event = request.events.front();
  // Orders are compared within one load of the page: a reloaded page counts anew.
  const std::string page = request.page.empty() ? std::string() : request.page + " ";
  if (event.kind == Kind::SetValue) return page + "value " + std::to_string(event.item);
  if (event.kind == Kind::ChooseEntry) return page + "entry " + std::to_string(event.item);
  return {};
}

}  // namespace easel::web
