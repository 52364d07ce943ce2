#include "easel/cli/DialogChoices.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <optional>

#include "easel/adm/ScriptEventSource.h"
#include "easel/cli/FieldNames.h"
#include "easel/cli/NameSuggestions.h"
#include "easel/host/DialogScriptJson.h"
#include "easel/host/FieldLimits.h"
#include "easel/host/ParamsJson.h"
#include "plugin/params/DialogItems.h"
#include "plugin/params/ModeLists.h"
#include "easel/core/NumberText.h"
#include "easel/core/Trimmed.h"

namespace contour_cli {

using namespace easel::host;

namespace {

using easel::adm::Event;

std::optional<double> number(std::string_view text) {
  std::string t(easel::trimmed(text));
  double value = 0;
  auto [end, error] = easel::readDecimal(t.data(), t.data() + t.size(), value);
  if (t.empty() || error != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string lowered(std::string_view text) {
  std::string low(easel::trimmed(text));
  for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return low;
}

// How well a name given by the user matches an entry's text: the whole text,
// or its part after the list's own "Shift - "; then the start of either; then
// one of its words. 0: not at all.
int matchRank(std::string_view entryText, const std::string& given) {
  const std::string whole = lowered(entryText);
  const std::size_t dash = whole.find(" - ");
  const std::string part = dash == std::string::npos ? whole : whole.substr(dash + 3);
  if (given == whole || given == part) return 3;
  if (whole.starts_with(given) || part.starts_with(given)) return 2;
  std::size_t at = 0;
  while ((at = whole.find(given, at)) != std::string::npos) {
    const std::size_t end = at + given.size();
    const auto edge = [&](std::size_t i) { return !std::isalnum(static_cast<unsigned char>(whole[i])); };
    if ((at == 0 || edge(at - 1)) && (end == whole.size() || edge(end))) return 1;
    ++at;
  }
  return 0;
}

std::string entryName(const ModeList& list, std::size_t id) {
  return "'" + std::string(easel::trimmed(list.entries[id])) + "' (" + std::to_string(id) + ")";
}

// The entry of a list by id or by name: its text in any case, a unique start
// of it, or a word of it. A name that fits several entries names them; one
// that fits none names the nearest entries and where the list is printed.
int32_t entryOf(const ModeList& list, std::string_view what, std::string_view valueText, const char* lister) {
  if (auto n = number(valueText)) {
    // In range before it is converted: a number beyond int32_t has no conversion.
    if (*n >= 0 && *n < static_cast<double>(list.entries.size()) && *n == std::floor(*n))
      return static_cast<int32_t>(*n);
  } else if (const std::string given = lowered(valueText); !given.empty()) {
    std::vector<std::size_t> found;
    int best = 0;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      const int rank = matchRank(list.entries[i], given);
      if (rank > best) {
        found.clear();
        best = rank;
      }
      if (rank == best && rank > 0) found.push_back(i);
    }
    if (found.size() == 1) return static_cast<int32_t>(found[0]);
    if (found.size() > 1) {
      std::string names;
      for (std::size_t k = 0; k < found.size() && k < 6; ++k) names += (k ? ", " : "") + entryName(list, found[k]);
      if (found.size() > 6) names += ", ...";
      throw DialogChoiceError(std::string(what) + ": " + quotedInput(easel::trimmed(valueText)) +
                              " fits several entries: " + names + "; give more of its name or its number");
    }
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
// event the dialog refuses, or a value it rounds or holds to its limits, is
// named the way the user gave it: "--set scaleH=5", or the script's file and
// the event's number within it.
class LabelledScript : public easel::adm::ScriptEventSource {
 public:
  LabelledScript(std::vector<Event> events, std::vector<std::string> labels, std::vector<std::string> sources)
      : ScriptEventSource(std::move(events)), labels_(std::move(labels)), sources_(std::move(sources)) {}
  void changedOnTyping(const easel::adm::Item& item, double given, const easel::adm::TypedValue& typed) override {
    const std::string source = played() > 0 && played() <= sources_.size() ? sources_[played() - 1] : "";
    warnings_.push_back(source + easel::host::changedValueWarning(item, given, typed));
  }
  const std::vector<std::string>& warnings() const { return warnings_; }
  bool rejected(const std::string& message) override {
    const std::size_t colon = message.find(": ");  // after the manager's own "event N"
    const std::string why = colon == std::string::npos ? message : message.substr(colon + 2);
    failure_ = (played() > 0 && played() <= labels_.size() ? labels_[played() - 1] + ": " : "") + why;
    return true;
  }
  const std::string& failure() const { return failure_; }

 private:
  std::vector<std::string> labels_;
  std::vector<std::string> sources_;  // "--set ", "script.json: event 3: "
  std::vector<std::string> warnings_;
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
  std::vector<std::string> labels, sources;
  if (!choices.preset.empty()) {
    labels.push_back("--preset " + quotedInput(choices.preset));
    sources.push_back("--preset ");
  }
  for (const std::string& assignment : choices.sets) {
    labels.push_back("--set " + quotedInput(assignment));
    sources.push_back("--set ");
  }
  if (!scriptPath.empty()) {
    std::vector<Event> scripted = loadDialogScript(scriptPath);
    const std::string file = scriptPath == "-" ? std::string("<stdin>") : scriptPath;
    for (std::size_t i = 0; i < scripted.size(); ++i) {
      labels.push_back(file + ": event " + std::to_string(i + 1));
      sources.push_back(labels.back() + ": ");
    }
    events.insert(events.end(), scripted.begin(), scripted.end());
  }
  dialogs.setEventSource(std::make_shared<LabelledScript>(std::move(events), std::move(labels), std::move(sources)));
}

std::vector<std::string> typingWarnings(const easel::adm::DialogManager& dialogs) {
  if (const auto* script = dynamic_cast<const LabelledScript*>(dialogs.eventSource())) return script->warnings();
  return {};
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
