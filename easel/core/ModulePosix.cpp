// The plug-in module on Linux: a shared object opened with dlopen, whose
// compiled resources sit in an ELF section that is read from the file.
#if !defined(_WIN32)

#include <dlfcn.h>

#include "Module.h"
#include "easel/core/resources/ElfSection.h"
#include "easel/core/resources/ResFile.h"

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
  // The reader's messages already start with the file name.
  auto section = readElfSection(path, kResourceSectionName);
  if (!section) throw LoadError(section.error());
  auto resources = ResFile::parse(*section);
  if (!resources) throw LoadError(path + ": damaged resources: " + resources.error());
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    throw LoadError(path + ": cannot be loaded: " + withoutPath(path, dlerror()));
  }
  return std::make_unique<PosixModule>(library, std::move(resources).value());
}

}  // namespace easel

#endif
