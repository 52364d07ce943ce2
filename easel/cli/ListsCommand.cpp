// `contour presets` and `contour modes [FIELD]`: the settings dialog's lists
// with the numbers that --preset, --set and the parameter record use; for one
// field, its unit and limits too.
#include <iostream>
#include <memory>
#include <string>

#include "Commands.h"
#include "FieldListing.h"
#include "easel/host/HostSetup.h"
#include "plugin/params/ModeLists.h"
#include "plugin/params/ParamFields.h"

namespace contour_cli {

namespace {

// The record field a list sets.
std::string fieldName(const ModeList& list) {
  const ParamField* field = paramFieldOf(list.field);
  return field != nullptr ? field->name : "list " + std::to_string(list.itemId);
}

}  // namespace

void addListsCommands(CLI::App& app, int& status) {
  app.add_subcommand("presets", "List the preset styles with their numbers (for --preset)")->callback([&status] {
    std::cout << entryLines(*modeListByItem(kPresetList));
    status = 0;
  });
  auto field = std::make_shared<std::string>();
  auto* modes = app.add_subcommand(
      "modes",
      "List the mode lists of the settings dialog with their numbers (for --set); for FIELD, its unit and limits");
  modes->add_option("field", *field, "One field of the record (see `contour params`)")->type_name("FIELD");
  modes->callback([&status, field] {
    if (!field->empty()) {
      try {
        std::cout << fieldHelp(*field);
        status = 0;
      } catch (const UsageError& e) {
        easel::host::fail(e.what());
        status = kExitUsage;
      }
      return;
    }
    bool first = true;
    for (const ModeList& list : modeLists()) {
      if (list.itemId == kPresetList) continue;  // `contour presets`
      std::cout << (first ? "" : "\n") << fieldName(list) << ":\n" << entryLines(list);
      first = false;
    }
    status = 0;
  });
}

}  // namespace contour_cli
