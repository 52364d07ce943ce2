// `contour params`: the parameter record as JSON.
#include <fstream>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "easel/host/HostSetup.h"
#include "easel/host/ParamsJson.h"

namespace contour_cli {

void addParamsCommand(CLI::App& app, int& status) {
  auto* command = app.add_subcommand("params", "Print the filter's parameter record as JSON");
  auto defaults = std::make_shared<bool>(false);
  auto check = std::make_shared<std::string>();
  command->add_flag("--defaults", *defaults, "The record a first use of the filter starts from");
  command->add_option("--check", *check, "Read a record from a JSON file and print it whole (missing fields "
                                         "take their defaults)");
  command->callback([&status, defaults, check] {
    try {
      if (!check->empty()) {
        std::ifstream in(*check);
        if (!in) {
          status = fail(*check + ": cannot be read");
          return;
        }
        std::stringstream text;
        text << in.rdbuf();
        std::cout << paramsToJsonText(paramsFromJsonText(text.str()));
      } else {
        std::cout << paramsToJsonText(defaultContourParams());
      }
    } catch (const std::exception& e) {
      status = fail((check->empty() ? std::string() : *check + ": ") + e.what());
    }
  });
}

}  // namespace contour_cli
