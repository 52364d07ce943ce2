#include "HostRequest.h"

#include <algorithm>
#include <utility>

#include "easel/core/JsonDepth.h"
#include "easel/host/DialogScriptJson.h"

namespace easel::web {

namespace {

constexpr std::pair<Action, std::string_view> kNames[] = {
    {Action::State, "state"},
    {Action::Select, "select"},
    {Action::Filter, "filter"},
    {Action::Repeat, "repeat"},
    {Action::EditContour, "editContour"},
    {Action::Undo, "undo"},
    {Action::Redo, "redo"},
    {Action::Save, "save"},
    {Action::SaveAs, "saveAs"},
    {Action::View, "view"},
    {Action::About, "about"},
    {Action::Recovery, "recovery"},
    {Action::PlaceDialog, "placeDialog"},
    {Action::Drawings, "drawings"},
    {Action::Open, "open"},
    {Action::Drop, "drop"},
    {Action::Export, "export"},
    {Action::Dialog, "dialog"},
    {Action::Cancel, "cancel"},
};

constexpr Action kObjectActions[] = {Action::Select,   Action::Filter, Action::Repeat,   Action::EditContour,
                                     Action::Undo,     Action::Redo,   Action::Save,     Action::SaveAs,
                                     Action::View,     Action::About,  Action::Recovery, Action::PlaceDialog,
                                     Action::Drawings, Action::Open,   Action::Export};

}  // namespace

std::string_view actionName(Action action) {
  for (const auto& [a, name] : kNames)
    if (a == action) return name;
  return {};
}

std::optional<Action> actionNamed(std::string_view name) {
  const auto* found =
      std::find_if(std::begin(kNames), std::end(kNames), [&](const auto& n) { return n.second == name; });
  if (found == std::end(kNames)) return std::nullopt;
  return found->first;
}

std::span<const Action> objectActions() { return kObjectActions; }

Reply refusal(int status, const std::string& error) {
  return Reply{status, nlohmann::json{{"ok", false}, {"error", error}}};
}

std::string answerText(const nlohmann::json& body) {
  return body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::variant<HostRequestPtr, Reply> readRequest(std::string_view name, std::string_view body) {
  const std::optional<Action> action = actionNamed(name);
  if (!action) return refusal(404, "no such request: " + std::string(name));
  auto request = std::make_shared<HostRequest>();
  request->action = *action;
  if (*action == Action::Dialog) {
    try {
      request->events = easel::host::parseDialogScript(body);
    } catch (const easel::host::DialogScriptError& e) {
      return refusal(400, std::string("malformed dialog events: ") + e.what());
    }
  } else if (!body.empty() && *action != Action::State && *action != Action::Cancel) {
    if (auto tooDeep = easel::jsonTooDeep(body)) return refusal(400, "malformed request: " + *tooDeep);
    request->body = nlohmann::json::parse(body, nullptr, false);
    if (request->body.is_discarded() || !request->body.is_object())
      return refusal(400, "malformed request: the body is not a JSON object");
  }
  return request;
}

std::future<Reply> replyFuture(HostRequest& request) {
  auto promise = std::make_shared<std::promise<Reply>>();
  request.deliver = [promise](Reply reply) { promise->set_value(std::move(reply)); };
  return promise->get_future();
}

std::string coalescingKey(const HostRequest& request) {
  using Kind = easel::adm::Event::Kind;
  if (request.action != Action::Dialog || request.events.size() != 1) return {};
  const easel::adm::Event& event = request.events.front();
  // Orders are compared within one load of the page: a reloaded page counts anew.
  const std::string page = request.page.empty() ? std::string() : request.page + " ";
  if (event.kind == Kind::SetValue) return page + "value " + std::to_string(event.item);
  if (event.kind == Kind::ChooseEntry) return page + "entry " + std::to_string(event.item);
  return {};
}

}  // namespace easel::web
