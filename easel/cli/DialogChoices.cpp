#include "easel/cli/DialogChoices.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>

#include "easel/adm/ScriptEventSource.h"
#include "easel/cli/FieldNames.h"
#include "easel/cli/NameSuggestions.h"
#include "easel/host/DialogScriptJson.h"
#include "easel/host/ParamsJson.h"
#include "plugin/params/DialogItems.h"
#include "plugin/params/ModeLists.h"
#include "easel/core/Trimmed.h"

namespace contour_cli {

using namespace easel::host;

namespace {

using easel::adm::Event;

bool sameName(std::string_view a, std::string_view b) {
  return sameNameIgnoringCase(easel::trimmed(a), easel::trimmed(b));
}

std::optional<double> number(std::string_view text) {
  std::string t(easel::trimmed(text));
  double value = 0;
  auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The entry of a list by id or by text (in any case); an error names the
// nearest entries and where the whole list is printed.
int32_t entryOf(const ModeList& list, std::string_view what, std::string_view valueText, const char* lister) {
  if (auto n = number(valueText)) {
    // In range before it is converted: a number beyond int32_t has no conversion.
    if (*n >= 0 && *n < static_cast<double>(list.entries.size()) && *n == std::floor(*n))
      return static_cast<int32_t>(*n);
  } else {
    std::vector<int32_t> found;
    for (std::size_t i = 0; i < list.entries.size(); ++i)
      if (sameName(list.entries[i], valueText)) found.push_back(static_cast<int32_t>(i));
    if (found.size() == 1) return found[0];
    if (found.size() > 1)
      throw DialogChoiceError(std::string(what) + " " + quotedInput(valueText) + " names entries " +
                              std::to_string(found[0]) + " and " + std::to_string(found[1]) + "; give its number");
  }
  const std::vector<std::string> names(list.entries.begin(), list.entries.end());
  throw DialogChoiceError(std::string(what) + ": " + quotedInput(easel::trimmed(valueText)) + " is not an entry" +
                          didYouMean(valueText, names) + " (`" + lister + "` lists them)");
}

const ItemSpec* itemShowing(std::string_view fieldName) {
  const ParamField* field = findParamField(fieldName);
  return field == nullptr ? nullptr : dialogItem(field->item);
}

std::vector<std::string> shownFieldNames() {
  std::vector<std::string> names;
  for (const std::string& field : recordFieldNames())
    if (itemShowing(field) != nullptr) names.push_back(field);
  return names;
}

const ModeList* listShowing(std::string_view fieldName) {
  const ItemSpec* item = itemShowing(fieldName);
  return item != nullptr && item->type == ItemType::PopupList ? modeListByItem(item->id) : nullptr;
}

Event setting(std::string_view assignment) {
  std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos)
    throw DialogChoiceError("--set \"" + std::string(assignment) + "\": write FIELD=VALUE");
  std::string given(easel::trimmed(assignment.substr(0, equals)));
  std::string_view valueText = assignment.substr(equals + 1);
  const ItemSpec* item = itemShowing(given);
  if (item == nullptr)
    throw DialogChoiceError("--set: " + quotedInput(given) + " is not a setting of the dialog" +
                            didYouMean(given, shownFieldNames()) + " (`contour params` lists them)");
  std::string what = "--set " + *recordFieldNamed(given);
  switch (item->type) {
    case ItemType::PopupList:
      return Event::choose(item->id, entryOf(*modeListByItem(item->id), what, valueText, "contour modes"));
    case ItemType::CheckBox: {
      std::string t(easel::trimmed(valueText));
      if (t == "1" || t == "true") return Event::setValue(item->id, 1);
      if (t == "0" || t == "false") return Event::setValue(item->id, 0);
      throw DialogChoiceError(what + ": " + quotedInput(t) + " is not 0 or 1");
    }
    default: {
      std::optional<double> value = number(valueText);
      if (!value)
        throw DialogChoiceError(what + ": " + quotedInput(easel::trimmed(valueText)) + " is not a finite number");
      return Event::setValue(item->id, *value);
    }
  }
}

}  // namespace

int32_t presetId(std::string_view nameOrNumber) {
  return entryOf(*modeListByItem(kPresetList), "--preset", nameOrNumber, "contour presets");
}

std::optional<int32_t> itemShowingField(std::string_view field) {
  const ItemSpec* item = itemShowing(field);
  return item != nullptr ? std::optional<int32_t>(item->id) : std::nullopt;
}

std::optional<int32_t> modeEntryNamed(std::string_view field, std::string_view entryName) {
  const ModeList* list = listShowing(field);
  if (list == nullptr) return std::nullopt;
  return entryOf(*list, std::string(field), entryName, "contour modes");
}

const ParamsNaming& personalParamsNaming() {
  static const ParamsNaming naming{[](std::string_view key) {
                                     if (std::optional<std::string> field = recordFieldNamed(key)) return *field;
                                     throw ParamsJsonError("unknown field " + quotedInput(key) +
                                                           didYouMean(key, recordFieldNames()) +
                                                           " (`contour params` lists them)");
                                   },
                                   [](std::string_view field, std::string_view text) {
                                     try {
                                       return modeEntryNamed(field, text);
                                     } catch (const DialogChoiceError& e) {
                                       throw ParamsJsonError(e.what());
                                     }
                                   }};
  return naming;
}

namespace {

// The events of a run, each with what the user wrote to make it, so that an
// event the dialog refuses is named the way the user gave it: "--set
// scaleH=5", or the script's file and the event's number within it.
class LabelledScript : public easel::adm::ScriptEventSource {
 public:
  LabelledScript(std::vector<Event> events, std::vector<std::string> labels)
      : ScriptEventSource(std::move(events)), labels_(std::move(labels)) {}
  bool rejected(const std::string& message) override {
    const std::size_t colon = message.find(": ");  // after the manager's own "event N"
    const std::string why = colon == std::string::npos ? message : message.substr(colon + 2);
    failure_ = (played() > 0 && played() <= labels_.size() ? labels_[played() - 1] + ": " : "") + why;
    return true;
  }
  const std::string& failure() const { return failure_; }

 private:
  std::vector<std::string> labels_;
  std::string failure_;
};

}  // namespace

std::vector<Event> choiceEvents(const DialogChoices& choices) {
  std::vector<Event> events;
  if (!choices.preset.empty()) events.push_back(Event::choose(kPresetList, presetId(choices.preset)));
  for (const std::string& assignment : choices.sets) events.push_back(setting(assignment));
  return events;
}

void setDialogEvents(easel::adm::DialogManager& dialogs, const DialogChoices& choices, const std::string& scriptPath) {
  std::vector<Event> events = choiceEvents(choices);
  std::vector<std::string> labels;
  if (!choices.preset.empty()) labels.push_back("--preset " + quotedInput(choices.preset));
  for (const std::string& assignment : choices.sets) labels.push_back("--set " + quotedInput(assignment));
  if (!scriptPath.empty()) {
    std::vector<Event> scripted = loadDialogScript(scriptPath);
    const std::string file = scriptPath == "-" ? std::string("<stdin>") : scriptPath;
    for (std::size_t i = 0; i < scripted.size(); ++i) labels.push_back(file + ": event " + std::to_string(i + 1));
    events.insert(events.end(), scripted.begin(), scripted.end());
  }
  dialogs.setEventSource(std::make_shared<LabelledScript>(std::move(events), std::move(labels)));
}

std::string dialogFailure(ASErr result, const easel::adm::DialogManager& dialogs) {
  if (result == kNoErr) return {};
  if (const auto* script = dynamic_cast<const LabelledScript*>(dialogs.eventSource());
      script && !script->failure().empty())
    return script->failure();
  if (!dialogs.scriptError().empty()) return "dialog script: " + dialogs.scriptError();
  if (result == kUserCanceledErr) return "the settings dialog was cancelled; nothing was written";
  return "the filter failed with code " + std::to_string(result);
}

}  // namespace contour_cli
