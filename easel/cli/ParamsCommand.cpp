// `contour params`: the record a run starts from, each field with its unit and
// range; with --defaults or --check, the record as JSON.
#include <iostream>
#include <string>

#include "Commands.h"
#include "DialogChoices.h"
#include "FieldListing.h"
#include "easel/core/FileIo.h"
#include "easel/host/FieldLimits.h"
#include "easel/host/HostSetup.h"
#include "easel/host/ParamsJson.h"
#include "easel/host/RunRecording.h"

namespace contour_cli {

using namespace easel::host;

void addParamsCommand(CLI::App& app, int& status) {
  auto* command = app.add_subcommand("params",
                                     "Print the filter's parameter record: each field with its value, "
                                     "unit and range (or as JSON with --defaults or --check)");
  auto defaults = std::make_shared<bool>(false);
  auto check = std::make_shared<std::string>();
  command->add_flag("--defaults", *defaults, "The record a first use of the filter starts from, as JSON");
  command
      ->add_option("--check", *check,
                   "Read a record from a JSON file as a run reads it and print it whole (missing fields "
                   "take their defaults); exit status 1 when a value is rounded or held to its limits")
      ->type_name("FILE");
  command->callback([&status, defaults, check] {
    try {
      if (!check->empty()) {
        std::string text;
        try {
          text = easel::readLimited(*check, easel::kTextReadLimit);
        } catch (const easel::FileError& e) {
          status = fail(e.what());
          return;
        }
        // Read as a run reads it, with the same warnings; the swatch count
        // is the drawing's, so it is not held here.
        const ParamsWithinLimits read = paramsWithinLimits(text, personalParamsNaming(), std::nullopt);
        for (const std::string& line : read.warnings) warn(*check + ": " + line);
        std::cout << settingsText(read.params, read.seed);
        status = read.warnings.empty() ? kExitDone : kExitFailed;
      } else if (*defaults) {
        std::cout << paramsToJsonText(defaultContourParams());
      } else {
        std::cout << fieldListing(defaultContourParams());
      }
    } catch (const std::exception& e) {
      status = fail((check->empty() ? std::string() : *check + ": ") + e.what());
    }
  });
}

}  // namespace contour_cli
