// The plug-in module on Windows: a library opened with LoadLibraryW, whose
// resources the system's resource functions read from the loaded image.
#if defined(_WIN32)

#include <windows.h>

#include <string>
#include <vector>

#include "Module.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

namespace {

constexpr WORD kUsEnglish = 1033;

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

// The system's own text for an error code, without its line break.
std::string systemMessage(DWORD code) {
  char* text = nullptr;
  DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length != 0 && text != nullptr ? std::string(text, length) : std::string();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

// Why a library could not be loaded, in the terms the Linux loader uses.
std::string loadFailure(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_MOD_NOT_FOUND: return "cannot be loaded: the file or a library it needs is missing";
    case ERROR_BAD_EXE_FORMAT: return "not a Windows library file";
    default: return "cannot be loaded: " + systemMessage(code);
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
