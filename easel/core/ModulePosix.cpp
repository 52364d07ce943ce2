// The plug-in module on Linux (and wherever dlopen opens it): a shared object
// whose compiled resources sit in an ELF section read from the file, or come
// from the table it exports.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)

#include <dlfcn.h>

#include "Module.h"
#include "easel/core/resources/ElfSection.h"
#include "easel/core/resources/ModuleResources.h"

namespace easel {

namespace {

class PosixModule : public Module {
 public:
  PosixModule(void* library, ResFile resources) : library_(library), resources_(std::move(resources)) {}
  ~PosixModule() override { dlclose(library_); }
  void* symbol(const char* name) override { return dlsym(library_, name); }
  const ResourceSource& resources() const override { return resources_; }

 private:
  void* library_;
  ResFile resources_;
};

// dlerror() usually starts with the file name; the message names it once.
std::string withoutPath(const std::string& path, const char* why) {
  if (why == nullptr) return "unknown reason";
  const std::string text = why;
  const std::string prefix = path + ": ";
  return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text;
}

}  // namespace

std::unique_ptr<Module> Module::open(const std::string& path) {
  // The reader's messages already start with the file name. Resources in a
  // section are read, and refused when damaged, before any code of the module runs.
  auto image = readWholeFile(path);
  if (!image) throw LoadError(image.error());
  std::optional<Parsed<ResFile>> resources = resourcesFromSection(path, *image);
  if (resources && !*resources) throw LoadError(resources->error());
  const std::string noSection = path + ": " + kNoResourceSection + " (" + kResourceSectionName + ")";
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const std::string why = withoutPath(path, dlerror());
    throw LoadError(resources ? path + ": cannot be loaded: " + why : noSection + ", and it cannot be loaded: " + why);
  }
  if (!resources) {
    auto table = reinterpret_cast<PluginResourceTableProc>(dlsym(library, kPluginResourceTableName));
    resources = table != nullptr ? resourcesFromTable(path, table)
                                 : Parsed<ResFile>(parseError(noSection + " and no resource table"));
    if (!*resources) {
      dlclose(library);
      throw LoadError(resources->error());
    }
  }
  return std::make_unique<PosixModule>(library, std::move(*resources).value());
}

}  // namespace easel

#endif
