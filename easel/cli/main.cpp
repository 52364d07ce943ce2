// `contour`: the easel on the command line.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
  CLI::App app{"contour: apply the Contour filter to drawings, headless or in the browser editor"};
  app.set_version_flag("--version", std::string("contour 18.3.0 (easel host, Tesk_Contour plug-in)"));
  app.require_subcommand(1);
  int status = 0;
  contour_cli::addAboutCommand(app, status);
  contour_cli::addApplyCommand(app, status);
  contour_cli::addParamsCommand(app, status);
  contour_cli::addStripCommand(app, status);
  contour_cli::addListsCommands(app, status);
#ifdef CONTOUR_WITH_EDITOR
  contour_cli::addEditCommand(app, status);
#endif
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  return status;
}
