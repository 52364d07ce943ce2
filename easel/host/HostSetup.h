// The easel as the command line runs it: a session with a document, the
// dialog manager, and the plug-in module loaded and started.
#ifndef EASEL_HOST_HOSTSETUP_H
#define EASEL_HOST_HOSTSETUP_H

#include <memory>
#include <string>

#include "easel/adm/DialogManager.h"
#include "easel/host/PluginHost.h"
#include "easel/core/Session.h"

namespace easel::host {

// The plug-in module beside the `contour` executable (a build tree), or else
// in ../lib/contour from it (an installed tree).
std::string defaultPluginPath();

struct Easel {
  Easel();

  easel::Session session;
  easel::adm::DialogManager dialogs;
  easel::host::PluginHost host{session};
  // Makes the session and dialog manager current for the object's life;
  // the dialogs take the user's actions in the plug-in's settings dialog.
  easel::SessionScope sessionScope{session};
  easel::adm::DialogManagerScope dialogScope{dialogs};

  // Loads the plug-in (`path` empty: defaultPluginPath()) and sends "Startup".
  // Throws std::runtime_error with a one-line message on failure.
  void start(const std::string& pluginPath = {});
};

// Prints "contour: <message>" to standard error; returns 1 for use as the exit status.
int fail(const std::string& message);

}  // namespace easel::host

#endif
