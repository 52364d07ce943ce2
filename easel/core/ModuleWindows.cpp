// The plug-in module on Windows: a library opened with LoadLibraryW, whose
// resources the system's resource functions read from the loaded image.
#if defined(_WIN32)

#include <windows.h>

#include <string>
#include <vector>

#include "Module.h"
#include "WindowsText.h"
#include "easel/core/resources/PeMachine.h"
#include "easel/core/resources/ResFile.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

namespace {

constexpr WORD kUsEnglish = 1033;

// Why a library could not be loaded, in the terms the Linux loader uses.
std::string loadFailure(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_MOD_NOT_FOUND: return "cannot be loaded: the file or a library it needs is missing";
    case ERROR_BAD_EXE_FORMAT: return "not a Windows library file";
    default: return "cannot be loaded: " + windowsErrorText(code);
  }
}

// A resource type or name as the resource functions take it: an ordinal in
// the pointer's low word, or a zero-terminated name.
class ResourceName {
 public:
  explicit ResourceName(const ResId& id) {
    if (!id.isOrdinal()) {
      std::u16string name = id.name();
      text_.assign(name.begin(), name.end());
    }
    ordinal_ = id.ordinal();
  }
  LPCWSTR get() const { return text_.empty() ? MAKEINTRESOURCEW(ordinal_) : text_.c_str(); }

 private:
  std::wstring text_;
  WORD ordinal_ = 0;
};

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
  return TRUE;
}

class WindowsResources : public ResourceSource {
 public:
  explicit WindowsResources(HMODULE library) : library_(library) {}

  // US English when the module has it, as the plug-in's resources are;
  // otherwise the first language listed for the resource.
  std::optional<Resource> findResource(const ResId& type, const ResId& id) const override {
    ResourceName typeName(type), idName(id);
    std::vector<WORD> languages;
    EnumResourceLanguagesW(library_, typeName.get(), idName.get(), collectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    if (languages.empty()) return std::nullopt;
    WORD language = languages.front();
    for (WORD candidate : languages)
      if (candidate == kUsEnglish) language = candidate;

    HRSRC found = FindResourceExW(library_, typeName.get(), idName.get(), language);
    if (found == nullptr) return std::nullopt;
    HGLOBAL loaded = LoadResource(library_, found);
    const auto* bytes = loaded != nullptr ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    return Resource{std::vector<uint8_t>(bytes, bytes + SizeofResource(library_, found)), language};
  }

 private:
  HMODULE library_;
};

class WindowsModule : public Module {
 public:
  explicit WindowsModule(HMODULE library) : library_(library), resources_(library) {}
  ~WindowsModule() override { FreeLibrary(library_); }
  void* symbol(const char* name) override { return reinterpret_cast<void*>(GetProcAddress(library_, name)); }
  const ResourceSource& resources() const override { return resources_; }

 private:
  HMODULE library_;
  WindowsResources resources_;
};

}  // namespace

std::unique_ptr<Module> Module::open(const std::string& path) {
  // A missing file, and a module for another processor, are named as such
  // (the loader's codes for them say neither).
  const auto image = readWholeFile(path);
  if (!image) throw LoadError(image.error());
  const Parsed<uint16_t> machine = peMachineOf(*image);
  if (!machine) throw LoadError(path + ": " + machine.error());
  const auto own = static_cast<uint16_t>(thisMachine());
  if (*machine != own)
    throw LoadError(path + ": a module for " + peMachineName(*machine) + "; this program needs one for " +
                    peMachineName(own));
  // No "cannot find the library" message boxes: the failure becomes a LoadError.
  UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE library = LoadLibraryW(widen(path).c_str());
  DWORD error = GetLastError();
  SetErrorMode(previousMode);
  if (library == nullptr) throw LoadError(path + ": " + loadFailure(error));
  return std::make_unique<WindowsModule>(library);
}

}  // namespace easel

#endif
