// Loads the plug-in module as the real host does and sends it the messages of
// its life: start-up, About, unload and reload, the filter's "AI Get
// Parameters" and "AI Go", shut-down. Keeps what the host keeps between
// messages: the globals field across an unload, the filter's parameter block.
#ifndef EASEL_HOST_PLUGINHOST_H
#define EASEL_HOST_PLUGINHOST_H

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "easel/core/Module.h"
#include "easel/core/Session.h"
#include "plugin/host/AllSuites.h"

namespace easel::host {

// "the contours need more than the memory budget of N MB": the plug-in ends a
// run that the document's budget cut short as if it were done.
std::string overBudgetText(std::size_t budgetBytes);

class PluginHost {
 public:
  explicit PluginHost(Session& session);
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Opens the module, checks its property list (kind, interface version, entry
  // point), reads its resources and resolves the entry point. Throws LoadError.
  void load(const std::string& path);
  bool loaded() const { return module_ != nullptr; }
  const std::string& path() const { return path_; }

  // The life-cycle messages. Each sets the session current for its length.
  ASErr startup();
  ASErr about();
  ASErr shutdown();
  ASErr unload();  // the library stays mapped: only the message is sent
  ASErr reload();
  // Caller "AI Menu" with a selector.
  ASErr menuMessage(const char* selector);

  // The filter command. beginCommand opens one undo transaction for the
  // document; getParameters and go send the filter messages for the filter
  // the plug-in registered; endCommand closes the transaction.
  void beginCommand(const std::string& name);
  void endCommand();
  ASErr getParameters();
  ASErr go();
  // A whole use of the filter: "AI Get Parameters" (when withDialog) and, if it
  // returned 0, "AI Go", as one command. `ending`, if given, has the last
  // word on the result while the command is still open (it may take it back).
  ASErr runFilter(bool withDialog, const std::function<ASErr(ASErr)>& ending = nullptr);

  // The filter's parameter block as the host keeps it (null before the
  // plug-in allocated one), and its size in bytes.
  void* parameterBlock();
  std::size_t parameterBlockSize();
  // Allocates (or resizes) the filter's parameter block and copies `bytes` in.
  void setParameterBlock(const void* bytes, std::size_t size);
  // Forgets the parameter block, as before the filter's first use.
  void clearParameterBlock();

  // Any message, for tests of the dispatch: the header is filled in here.
  ASErr send(const char* caller, const char* selector, void* message);
  // The globals field the host keeps for the plug-in.
  void* keptGlobals() const { return keptGlobals_; }
  void setKeptGlobals(void* globals) { keptGlobals_ = globals; }

 private:
  ASErr sendHeader(const char* caller, const char* selector, SPMessageData* header);
  ASErr filterMessage(const char* selector);
  Session& session_;
  std::string path_;
  std::unique_ptr<Module> module_;
  PluginMainProc entry_ = nullptr;
  SPPluginRef self_ = nullptr;
  void* keptGlobals_ = nullptr;
  AIMdMemoryHandle parameters_ = nullptr;
};

}  // namespace easel::host

#endif
