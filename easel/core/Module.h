// A loaded plug-in library: its entry point and its resources, read the way
// the platform stores them (an ELF section on Linux, resources on Windows).
#ifndef EASEL_CORE_MODULE_H
#define EASEL_CORE_MODULE_H

#include <memory>
#include <stdexcept>
#include <string>

#include "plugin/host/Messages.h"
#include "plugin/host/ResourceTable.h"

namespace easel {

class ResourceSource;

// A module that cannot be used as a plug-in; the message names the file and
// what is wrong.
class LoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Module {
 public:
  virtual ~Module() = default;
  // The exported function `name`, or null.
  virtual void* symbol(const char* name) = 0;
  // The module's resources (never null once opened).
  virtual const ResourceSource& resources() const = 0;

  // Opens the library at `path`. Throws LoadError naming the file and the problem.
  static std::unique_ptr<Module> open(const std::string& path);

  // Builds without a module loader (WebAssembly) link the plug-in into the
  // program, which names its two exports here once: open() of a path with
  // that file name gives them, and any other path is refused.
  static void link(const std::string& fileName, PluginMainProc main, PluginResourceTableProc table);
};

}  // namespace easel

#endif
