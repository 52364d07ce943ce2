// A host for tests: a fresh easel session with a document, the plug-in module
// loaded as the real host loads it, and the messages of the filter's life.
// Tests drive the plug-in only through this, the suites and the dialog manager.
#ifndef CONTOUR_TESTS_PLUGINHARNESS_H
#define CONTOUR_TESTS_PLUGINHARNESS_H

#include <memory>
#include <string>
#include <vector>

#include "easel/adm/DialogManager.h"
#include "easel/adm/Events.h"
#include "easel/core/Document.h"
#include "easel/host/PluginHost.h"
#include "easel/core/Session.h"
#include "plugin/params/ContourParams.h"

namespace contour_test {

// The record with every default of the parameter table, written here from the
// table (not taken from the plug-in), so tests can start from it.
ContourParams defaultParams();

class PluginHarness {
 public:
  // Loads the module and sends "Startup" (which must succeed) unless told not
  // to. The document is empty with a 612 x 792 page; the trace is kept in memory.
  enum class Start { Yes, No };
  explicit PluginHarness(Start start = Start::Yes);
  // Sends "Shutdown".
  ~PluginHarness();

  easel::Session& session() { return *session_; }
  easel::Document& document();
  easel::host::PluginHost& host() { return *host_; }
  easel::adm::DialogManager& dialogs() { return *dialogs_; }

  // The filter's parameter block as the host keeps it (null before one exists).
  ContourParams* params();
  // Puts a record into the host's parameter block (allocating it), as if an
  // earlier "AI Get Parameters" had left it there.
  void setParams(const ContourParams& params);

  // "AI Go" alone (the host's repeat of the last filter), as one command.
  ASErr go();
  // "AI Get Parameters" with the settings dialog driven by `script`; when it
  // returns 0, "AI Go" follows. One command.
  ASErr runFilter(const std::vector<easel::adm::Event>& script);
  // Only "AI Get Parameters" (the command stays open until go() or endCommand()).
  ASErr getParameters(const std::vector<easel::adm::Event>& script);

  // The trace lines recorded since the last clearTrace().
  const std::vector<std::string>& trace();
  void clearTrace();

 private:
  std::unique_ptr<easel::Session> session_;
  std::unique_ptr<easel::adm::DialogManager> dialogs_;
  std::unique_ptr<easel::host::PluginHost> host_;
  std::unique_ptr<easel::SessionScope> sessionScope_;
  std::unique_ptr<easel::adm::DialogManagerScope> dialogScope_;
};

}  // namespace contour_test

#endif
