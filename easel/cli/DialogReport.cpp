#include "easel/cli/DialogReport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "easel/cli/DialogChoices.h"
#include "easel/cli/FieldNames.h"
#include "easel/host/ParamsJson.h"

namespace contour_cli {

using namespace easel::host;

namespace {

std::string shortNumber(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", x);
  return text;
}

void replaceOrAdd(std::vector<GivenValue>& given, GivenValue value) {
  auto same = std::find_if(given.begin(), given.end(), [&](const GivenValue& g) { return g.field == value.field; });
  if (same != given.end()) *same = std::move(value);
  else
    given.push_back(std::move(value));
}

}  // namespace

std::vector<GivenValue> givenValues(const std::string& paramsPath, const std::string& paramsText,
                                    const std::vector<std::string>& sets) {
  std::vector<GivenValue> given;
  if (!paramsText.empty()) {
    // Already read once as the record, so it is an object of known fields.
    const nlohmann::json json = nlohmann::json::parse(paramsText, nullptr, false);
    if (json.is_object()) {
      for (const auto& [key, value] : json.items()) {
        const std::optional<std::string> field = recordFieldNamed(key);
        if (!field) continue;
        const double number = value.is_number() ? value.get<double>() : NAN;
        replaceOrAdd(given, {*field, value.dump(), number, paramsPath});
      }
    }
  }
  for (const std::string& assignment : sets) {
    const std::size_t equals = assignment.find('=');
    const std::optional<std::string> field = recordFieldNamed(assignment.substr(0, equals));
    if (equals == std::string::npos || !field) continue;
    const std::string text = assignment.substr(equals + 1);
    double number = NAN;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) number = NAN;
    replaceOrAdd(given, {*field, text, number, "--set"});
  }
  return given;
}

std::vector<std::string> dialogChanges(const std::vector<GivenValue>& given, const easel::adm::ShownDialog& dialog,
                                       const ContourParams& used) {
  const nlohmann::ordered_json record = paramsToJson(used);
  std::vector<std::string> lines;
  for (const GivenValue& g : given) {
    const std::optional<int32_t> id = itemShowingField(g.field);
    const easel::adm::Item* item = id ? dialog.findItem(*id) : nullptr;
    if (item == nullptr) continue;
    const std::string head = (g.where == "--set" ? "--set " : g.where + ": ") + g.field + ": ";
    if (!item->enabled) {
      lines.push_back(head + g.text + " has no effect with these settings (the dialog disables it)");
      continue;
    }
    if (std::isnan(g.value) || !record[g.field].is_number()) continue;
    const double usedValue = record[g.field].get<double>();
    const bool outside = (item->minimum && g.value < *item->minimum) || (item->maximum && g.value > *item->maximum);
    if (!outside || usedValue == static_cast<double>(static_cast<float>(g.value))) continue;
    std::string limits = " (the dialog allows ";
    limits += item->minimum ? shortNumber(*item->minimum) : "any";
    limits += " to " + (item->maximum ? shortNumber(*item->maximum) : std::string("any")) + ")";
    lines.push_back(head + g.text + " given, " + shortNumber(usedValue) + " used" + limits);
  }
  return lines;
}

}  // namespace contour_cli
