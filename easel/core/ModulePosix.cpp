// The plug-in module on Linux: a shared object opened with dlopen, whose
// compiled resources sit in an ELF section that is read from the file.
#if !defined(_WIN32)

#include <dlfcn.h>

#include "Module.h"
#include "easel/core/resources/elf_section.h"
#include "easel/core/resources/res_file.h"

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

}  // namespace

std::unique_ptr<Module> Module::open(const std::string& path) {
  auto section = readElfSection(path, kResourceSectionName);
  if (!section) throw LoadError(path + ": " + section.error());
  auto resources = ResFile::parse(*section);
  if (!resources) throw LoadError(path + ": damaged resources: " + resources.error());
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    throw LoadError(path + ": cannot be loaded: " + (why ? why : "unknown reason"));
  }
  return std::make_unique<PosixModule>(library, std::move(resources).value());
}

}  // namespace easel

#endif
