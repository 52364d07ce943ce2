// Relocatable memory handles.
#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Memory.h"

namespace easel::suites {
namespace {

constexpr SuiteId kMdMemory = SuiteId::AIMdMemory;

// The session's memory when `handle` is one of its live handles; null (misuse
// recorded) otherwise.
Memory* memoryOf(Call& c, AIMdMemoryHandle handle) {
  Memory& memory = c.session().memory();
  const HandleCheck check = memory.check(handle);
  if (check == HandleCheck::Ok) return &memory;
  c.misuse(std::string(handleCheckText(check)) + " memory handle");
  return nullptr;
}

ASErr newHandle(std::size_t size, AIMdMemoryHandle* handle) noexcept {
  return hostCall(kMdMemory, "new handle", [&](Call& c) {
    c.in("size", size);
    if (handle == nullptr) return nullArgument(c, "result pointer");
    *handle = c.session().memory().newHandle(size);
    c.out("handle", *handle);
    return kNoErr;
  });
}

ASErr disposeHandle(AIMdMemoryHandle handle) noexcept {
  return hostCall(kMdMemory, "dispose handle", [&](Call& c) {
    c.in("handle", handle);
    Memory* memory = memoryOf(c, handle);
    if (memory == nullptr) return kBadHandleErr;
    memory->dispose(handle);
    return kNoErr;
  });
}

ASErr getHandleSize(AIMdMemoryHandle handle, std::size_t* size) noexcept {
  return hostCall(kMdMemory, "get handle size", [&](Call& c) {
    c.in("handle", handle);
    Memory* memory = memoryOf(c, handle);
    if (memory == nullptr) return kBadHandleErr;
    if (size == nullptr) return nullArgument(c, "result pointer");
    *size = memory->size(handle);
    c.out("size", *size);
    return kNoErr;
  });
}

ASErr setHandleSize(AIMdMemoryHandle handle, std::size_t size) noexcept {
  return hostCall(kMdMemory, "set handle size", [&](Call& c) {
    c.in("handle", handle).in("size", size);
    Memory* memory = memoryOf(c, handle);
    if (memory == nullptr) return kBadHandleErr;
    memory->resize(handle, size);
    return kNoErr;
  });
}

ASErr dereferenceHandle(AIMdMemoryHandle handle, void** block) noexcept {
  return hostCall(kMdMemory, "dereference handle", [&](Call& c) {
    c.in("handle", handle);
    Memory* memory = memoryOf(c, handle);
    if (memory == nullptr) return kBadHandleErr;
    if (block == nullptr) return nullArgument(c, "result pointer");
    *block = memory->dereference(handle);
    c.out("block", static_cast<const void*>(*block));
    return kNoErr;
  });
}

const AIMdMemorySuite kSuite{newHandle, disposeHandle, getHandleSize, setHandleSize, dereferenceHandle};

}  // namespace

const AIMdMemorySuite* mdMemory() { return &kSuite; }

}  // namespace easel::suites
