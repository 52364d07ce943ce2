#include "easel/cli/FieldListing.h"

#include <algorithm>
#include <cstring>

#include "easel/cli/CommandStatus.h"
#include "easel/cli/FieldNames.h"
#include "easel/cli/NameSuggestions.h"
#include "easel/core/NumberText.h"
#include "easel/core/Trimmed.h"
#include "easel/host/FieldLimits.h"
#include "plugin/params/ModeLists.h"

namespace contour_cli {

namespace {

// The entry's text without its leading blank, or "" when the value names none.
std::string entryText(const ParamField& field, int32_t value) {
  for (const ModeList& list : modeLists()) {
    if (!(FieldRef(list.field) == field.field)) continue;
    if (value < 0 || static_cast<std::size_t>(value) >= list.entries.size()) return "";
    std::string text = list.entries[static_cast<std::size_t>(value)];
    return text.substr(text.find_first_not_of(' ') == std::string::npos ? 0 : text.find_first_not_of(' '));
  }
  return "";
}

std::string valueText(const ParamField& field, const ContourParams& params) {
  if (field.isReal()) return easel::shortestText(params.*field.field.real);
  const int32_t value = params.*field.field.integer;
  std::string text = std::to_string(value);
  if (field.type == FieldType::List) {
    const std::string entry = entryText(field, value);
    if (!entry.empty()) text += " (" + entry + ")";
  }
  return text;
}

}  // namespace

std::string fieldUnitAndRange(const ParamField& field) {
  std::string text = field.unit;
  if (field.type == FieldType::List) text += " list entry";
  if (!field.range) return text + ", any value, kept by the plug-in";
  text += field.type == FieldType::Flag ? ", 0 or 1" : ", " + easel::host::limitsText(field, std::nullopt);
  if (field.item == kNoItem) text += ", kept by the plug-in";
  return text;
}

std::string fieldHelp(std::string_view name) {
  const ParamField* field = findParamField(name);
  if (field == nullptr)
    throw UsageError(quotedInput(name) + " is not a field" + didYouMean(name, recordFieldNames()) +
                     " (`contour params` lists them)");
  std::string help = std::string(field->name) + ": " + fieldUnitAndRange(*field) + "\n";
  for (const ModeList& list : modeLists())
    if (FieldRef(list.field) == field->field) help += entryLines(list);
  return help;
}

std::string entryLines(const ModeList& list) {
  std::string lines;
  for (std::size_t i = 0; i < list.entries.size(); ++i)
    lines += (i < 10 ? "   " : "  ") + std::to_string(i) + "  " + std::string(easel::trimmed(list.entries[i])) + "\n";
  return lines;
}

std::string fieldListing(const ContourParams& params) {
  std::size_t width = 0;
  for (const ParamField& field : paramFields())
    width = std::max(width, std::strlen(field.name) + 3 + valueText(field, params).size());
  std::string listing;
  for (const ParamField& field : paramFields()) {
    std::string line = std::string(field.name) + " = " + valueText(field, params);
    line.resize(width, ' ');
    listing += line + "  " + fieldUnitAndRange(field) + "\n";
  }
  return listing;
}

}  // namespace contour_cli
