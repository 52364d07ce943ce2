#include "HostRequest.h"

#include <algorithm>
#include <utility>

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
    {Action::Dialog, "dialog"},
    {Action::Cancel, "cancel"},
};

constexpr Action kObjectActions[] = {Action::Select, Action::Filter, Action::Repeat, Action::EditContour,
                                     Action::Undo,   Action::Redo,   Action::Save,   Action::SaveAs,
                                     Action::View,   Action::About};

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
