#include "Memory.h"

#include <cstring>
#include <new>

namespace easel {

namespace {

std::unique_ptr<std::byte[]> zeroed(std::size_t size) {
  if (size > Memory::kMaxSize) throw std::bad_alloc();
  if (size == 0) return nullptr;
  return std::unique_ptr<std::byte[]>(new std::byte[size]());
}

}  // namespace

Memory::Memory() : tag_(newOwnerTag()) {}
Memory::~Memory() = default;

AIMdMemoryHandle Memory::newHandle(std::size_t size) {
  auto bytes = zeroed(size);
  uint32_t index;
  if (!freeSlots_.empty()) {
    index = freeSlots_.back();
    freeSlots_.pop_back();
  } else {
    if (slots_.size() >= HandleLayout::kMaxSlots) throw std::bad_alloc();
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& s = slots_[index];
  s.bytes = std::move(bytes);
  s.size = size;
  s.used = true;
  ++liveHandles_;
  return reinterpret_cast<AIMdMemoryHandle>(packHandle({tag_, s.generation, index}));
}

HandleCheck Memory::check(AIMdMemoryHandle handle) const {
  if (handle == nullptr) return HandleCheck::Null;
  const HandleParts parts = unpackHandle(reinterpret_cast<uintptr_t>(handle));
  if (parts.tag != tag_ || parts.slot >= slots_.size()) return HandleCheck::Foreign;
  const Slot& s = slots_[parts.slot];
  if (!s.used || s.generation != parts.generation) return HandleCheck::Stale;
  return HandleCheck::Ok;
}

uint32_t Memory::slotIndex(AIMdMemoryHandle handle) const {
  return unpackHandle(reinterpret_cast<uintptr_t>(handle)).slot;
}

void Memory::dispose(AIMdMemoryHandle handle) {
  const uint32_t index = slotIndex(handle);
  Slot& s = slots_[index];
  s.bytes.reset();
  s.size = 0;
  s.used = false;
  --liveHandles_;
  // A slot whose generations are used up is retired.
  if (s.generation == HandleLayout::kMaxGeneration) return;
  ++s.generation;
  freeSlots_.push_back(index);
}

std::size_t Memory::size(AIMdMemoryHandle handle) const { return slots_[slotIndex(handle)].size; }

void Memory::resize(AIMdMemoryHandle handle, std::size_t size) {
  Slot& s = slots_[slotIndex(handle)];
  if (size == s.size) return;
  auto bytes = zeroed(size);
  if (s.bytes && bytes) std::memcpy(bytes.get(), s.bytes.get(), size < s.size ? size : s.size);
  s.bytes = std::move(bytes);
  s.size = size;
}

void* Memory::dereference(AIMdMemoryHandle handle) const { return slots_[slotIndex(handle)].bytes.get(); }

void* Memory::allocateBlock(std::size_t size, std::string debugName) {
  if (size > kMaxSize) throw std::bad_alloc();
  // A block of size 0 still gets an address of its own.
  auto bytes = std::unique_ptr<std::byte[]>(new std::byte[size == 0 ? 1 : size]());
  void* address = bytes.get();
  blocks_.emplace(address, Block{std::move(bytes), std::move(debugName)});
  return address;
}

bool Memory::freeBlock(void* block) { return blocks_.erase(block) != 0; }

std::string Memory::blockName(const void* block) const {
  auto it = blocks_.find(block);
  return it == blocks_.end() ? std::string() : it->second.name;
}

}  // namespace easel
