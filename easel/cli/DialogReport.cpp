#include "easel/cli/DialogReport.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "easel/cli/DialogChoices.h"
#include "easel/cli/FieldNames.h"
#include "easel/host/ParamsJson.h"

namespace contour_cli {

using namespace easel::host;

namespace {

void replaceOrAdd(std::vector<GivenValue>& given, GivenValue value) {
  auto same = std::find_if(given.begin(), given.end(), [&](const GivenValue& g) { return g.field == value.field; });
  if (same != given.end()) *same = std::move(value);
  else
    given.push_back(std::move(value));
}

// The record holds the field's default: a settings file that merely repeats
// it (every saved one does) asks for nothing the dialog could ignore.
bool atDefault(const ContourParams& used, const std::string& field) {
  const ParamsField* row = findParamField(field);
  if (row == nullptr || !row->defaultValue) return false;
  return row->isReal() ? used.*row->field.real == *row->defaultValue
                       : used.*row->field.integer == static_cast<int32_t>(*row->defaultValue);
}

}  // namespace

std::vector<GivenValue> givenValues(const std::string& paramsPath, const std::string& paramsText,
                                    const std::vector<std::string>& sets) {
  std::vector<GivenValue> given;
  if (!paramsText.empty()) {
    // Already read once as the record, so it is an object of known fields.
    const nlohmann::json json = nlohmann::json::parse(paramsText, nullptr, false);
    // A whole record, as --save-params writes it, holds what a dialog stored:
    // none of its values was asked for on its own.
    const bool wholeRecord =
        json.is_object() && std::all_of(paramsFields().begin(), paramsFields().end(),
                                        [&](const ParamsField& f) { return json.contains(f.name); });
    if (json.is_object() && !wholeRecord) {
      for (const auto& [key, value] : json.items()) {
        if (const std::optional<std::string> field = recordFieldNamed(key))
          replaceOrAdd(given, {*field, value.dump(), paramsPath});
      }
    }
  }
  for (const std::string& assignment : sets) {
    const std::size_t equals = assignment.find('=');
    const std::optional<std::string> field = recordFieldNamed(assignment.substr(0, equals));
    if (equals == std::string::npos || !field) continue;
    replaceOrAdd(given, {*field, assignment.substr(equals + 1), "--set"});
  }
  return given;
}

std::vector<std::string> dialogChanges(const std::vector<GivenValue>& given, const easel::adm::ShownDialog& dialog,
                                       const ContourParams& used) {
  std::vector<std::string> lines;
  for (const GivenValue& g : given) {
    const std::optional<int32_t> id = itemShowingField(g.field);
    const easel::adm::Item* item = id ? dialog.findItem(*id) : nullptr;
    if (item == nullptr || item->enabled || atDefault(used, g.field)) continue;
    const std::string head = (g.where == "--set" ? "--set " : g.where + ": ") + g.field + ": ";
    lines.push_back(head + g.text + " has no effect with these settings (the dialog disables it)");
  }
  return lines;
}

}  // namespace contour_cli
