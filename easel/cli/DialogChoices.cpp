#include "easel/cli/DialogChoices.h"

#include <cctype>
#include <charconv>
#include <cstddef>
#include <optional>

#include "easel/host/DialogScriptJson.h"
#include "easel/host/ParamsJson.h"
#include "plugin/dialog/DialogItems.h"
#include "plugin/dialog/ModeLists.h"

namespace contour_cli {

namespace {

using easel::adm::Event;

constexpr int32_t kPresetList = 30;

std::string trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  std::size_t last = text.find_last_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first, last - first + 1));
}

bool sameName(std::string_view a, std::string_view b) {
  std::string x = trimmed(a), y = trimmed(b);
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(x[i])) != std::tolower(static_cast<unsigned char>(y[i]))) return false;
  return true;
}

std::optional<double> number(std::string_view text) {
  std::string t = trimmed(text);
  double value = 0;
  auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return value;
}

// The entry of a list by id or by text; errors name the list's entries.
int32_t entryOf(const ModeList& list, std::string_view what, std::string_view valueText) {
  auto choices = [&] {
    std::string all;
    for (std::size_t i = 0; i < list.entries.size(); ++i)
      all += "\n  " + std::to_string(i) + "  " + trimmed(list.entries[i]);
    return all;
  };
  if (auto n = number(valueText)) {
    if (*n == static_cast<int32_t>(*n) && *n >= 0 && *n < static_cast<double>(list.entries.size()))
      return static_cast<int32_t>(*n);
  } else {
    std::optional<int32_t> found;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      if (!sameName(list.entries[i], valueText)) continue;
      if (found) throw DialogChoiceError(std::string(what) + " \"" + std::string(valueText) +
                                         "\" names more than one entry; give its number:" + choices());
      found = static_cast<int32_t>(i);
    }
    if (found) return *found;
  }
  throw DialogChoiceError(std::string(what) + " \"" + std::string(valueText) + "\" does not exist; there are:" +
                          choices());
}

// The offset of a field that an item shows, in the record.
std::size_t offsetOf(const FieldRef& field) {
  static const ContourParams probe{};
  const auto* base = reinterpret_cast<const unsigned char*>(&probe);
  const auto* at = field.isReal() ? reinterpret_cast<const unsigned char*>(&(probe.*field.real))
                                  : reinterpret_cast<const unsigned char*>(&(probe.*field.integer));
  return static_cast<std::size_t>(at - base);
}

const ItemSpec* itemShowing(std::string_view fieldName) {
  for (const ParamsField& field : paramsFields()) {
    if (fieldName != field.name) continue;
    for (const ItemSpec& item : dialogItems())
      if (!item.field.empty() && offsetOf(item.field) == field.offset) return &item;
    return nullptr;
  }
  return nullptr;
}

std::string shownFieldNames() {
  std::string names;
  for (const ParamsField& field : paramsFields())
    if (itemShowing(field.name) != nullptr) names += (names.empty() ? "" : ", ") + std::string(field.name);
  return names;
}

Event setting(std::string_view assignment) {
  std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos)
    throw DialogChoiceError("--set \"" + std::string(assignment) + "\": write FIELD=VALUE");
  std::string name = trimmed(assignment.substr(0, equals));
  std::string_view valueText = assignment.substr(equals + 1);
  const ItemSpec* item = itemShowing(name);
  if (item == nullptr)
    throw DialogChoiceError("--set: \"" + name + "\" is not a setting of the dialog; the settings are: " +
                            shownFieldNames());
  std::string what = "--set " + name;
  switch (item->type) {
    case ItemType::PopupList:
      return Event::choose(item->id, entryOf(*modeListByItem(item->id), what, valueText));
    case ItemType::CheckBox: {
      std::string t = trimmed(valueText);
      if (t == "1" || t == "true") return Event::setValue(item->id, 1);
      if (t == "0" || t == "false") return Event::setValue(item->id, 0);
      throw DialogChoiceError(what + ": \"" + t + "\" is not 0 or 1");
    }
    default: {
      std::optional<double> value = number(valueText);
      if (!value) throw DialogChoiceError(what + ": \"" + trimmed(valueText) + "\" is not a number");
      return Event::setValue(item->id, *value);
    }
  }
}

}  // namespace

int32_t presetId(std::string_view nameOrNumber) {
  return entryOf(*modeListByItem(kPresetList), "preset", nameOrNumber);
}

std::vector<Event> choiceEvents(const DialogChoices& choices) {
  std::vector<Event> events;
  if (!choices.preset.empty()) events.push_back(Event::choose(kPresetList, presetId(choices.preset)));
  for (const std::string& assignment : choices.sets) events.push_back(setting(assignment));
  return events;
}

void setDialogEvents(easel::adm::DialogManager& dialogs, const DialogChoices& choices, const std::string& scriptPath) {
  std::vector<Event> events = choiceEvents(choices);
  if (!scriptPath.empty()) {
    std::vector<Event> scripted = loadDialogScript(scriptPath);
    events.insert(events.end(), scripted.begin(), scripted.end());
  }
  dialogs.setScript(std::move(events));
}

std::string dialogFailure(ASErr result, const easel::adm::DialogManager& dialogs) {
  if (result == kNoErr) return {};
  if (!dialogs.scriptError().empty()) return "dialog script: " + dialogs.scriptError();
  if (result == kUserCanceledErr) return "the settings dialog was cancelled; nothing was written";
  return "the filter failed with code " + std::to_string(result);
}

}  // namespace contour_cli
