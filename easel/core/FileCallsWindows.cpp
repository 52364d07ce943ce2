// The file calls on Windows: the wide-character functions, with names turned
// from UTF-8 into UTF-16 at the call.
#if defined(_WIN32)

#include <windows.h>

#include "FileCalls.h"
#include "WindowsText.h"

namespace easel::files {

namespace {

std::wstring wide(const std::string& path) { return widen(path); }

std::string lastError() { return windowsErrorText(GetLastError()); }

// A handle that is closed whatever happens.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

unsigned long processId() { return GetCurrentProcessId(); }

std::string programFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) return narrow(std::wstring_view(name.data(), length));
    name.resize(name.size() * 2);  // a long name (\\?\ paths) was cut short
  }
}

std::string createNew(const std::string& path, bool) {
  // Windows files have no mode bits: the new file takes the folder's rights.
  Handle file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() ? std::string() : lastError();
}

std::string keepModeAndOwner(const std::string&, const std::string&) {
  // A read-only file is refused before it is replaced; the rest of its rights
  // come with the folder, as for any new file there.
  return {};
}

std::string syncFile(const std::string& path) {
  Handle file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file.valid() || !FlushFileBuffers(file.get())) return lastError();
  return {};
}

// The rename below writes the folder's entry through.
std::string syncFolder(const std::string&) { return {}; }

std::string replaceFile(const std::string& from, const std::string& to) {
  const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  return MoveFileExW(wide(from).c_str(), wide(to).c_str(), flags) ? std::string() : lastError();
}

bool mayWrite(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

std::optional<FileId> fileId(const std::string& path) {
  // No access asked for: the file's identity, not its data (a folder needs
  // backup semantics to be opened at all).
  Handle file(
      CreateFileW(wide(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return FileId{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

}  // namespace easel::files

#endif
