// `contour presets` and `contour modes`: the settings dialog's lists with the
// numbers that --preset, --set and the parameter record use.
#include <cstddef>
#include <iostream>
#include <string>

#include "Commands.h"
#include "plugin/params/ModeLists.h"
#include "plugin/params/ParamFields.h"

namespace contour_cli {

namespace {

void printEntries(const ModeList& list) {
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    std::string text = list.entries[i];
    std::cout << (i < 10 ? "   " : "  ") << i << "  " << text.substr(!text.empty() && text[0] == ' ' ? 1 : 0) << '\n';
  }
}

// The record field a list sets.
std::string fieldName(const ModeList& list) {
  const ParamField* field = paramFieldOf(list.field);
  return field != nullptr ? field->name : "list " + std::to_string(list.itemId);
}

}  // namespace

void addListsCommands(CLI::App& app, int& status) {
  app.add_subcommand("presets", "List the preset styles with their numbers (for --preset)")->callback([&status] {
    printEntries(*modeListByItem(kPresetList));
    status = 0;
  });
  app.add_subcommand("modes", "List the mode lists of the settings dialog with their numbers (for --set)")
      ->callback([&status] {
        bool first = true;
        for (const ModeList& list : modeLists()) {
          if (list.itemId == kPresetList) continue;  // `contour presets`
          std::cout << (first ? "" : "\n") << fieldName(list) << ":\n";
          printEntries(list);
          first = false;
        }
        status = 0;
      });
}

}  // namespace contour_cli
