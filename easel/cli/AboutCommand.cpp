// `contour about`: the plug-in's About box, shown headless; prints what the
// box says.
#include <cstddef>
#include <iostream>
#include <string>

#include "Commands.h"
#include "easel/host/HostSetup.h"

namespace contour_cli {

using namespace easel::host;

namespace {

// A button's text without its accelerator mark ("&OK" is shown as "OK";
// "&&" stands for an ampersand).
std::string withoutAccelerator(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    else if (text[i] == '&')
      continue;
    shown += text[i];
  }
  return shown;
}

}  // namespace

void addAboutCommand(CLI::App& app, int& status) {
  auto* command = app.add_subcommand("about", "Show the plug-in's About box and print its texts");
  auto plugin = std::make_shared<std::string>();
  command->add_option("--plugin", *plugin, kPluginOptionHelp)->type_name("FILE");
  command->callback([&status, plugin] {
    try {
      Easel easel;
      easel.start(*plugin);
      easel.host.about();
      easel.host.shutdown();
      for (const auto& dialog : easel.dialogs.shownDialogs()) {
        std::cout << dialog.title << '\n';
        for (const auto& item : dialog.items)
          if (!item.text.empty()) std::cout << "  " << withoutAccelerator(item.text) << '\n';
      }
    } catch (const std::exception& e) {
      status = fail(e.what());
    }
  });
}

}  // namespace contour_cli
