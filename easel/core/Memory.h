// The host's memory for the plug-in: relocatable handles (AI MdMemory) and
// plain blocks (SP Blocks).
//
// A handle packs this memory's tag, a generation and a slot index, so a
// stale or foreign handle is found out by lookup. Blocks are raw pointers that
// the plug-in uses directly; the ones handed out are kept in a set, so that
// freeing any other pointer is refused. Both live as long as the session:
// blocks outlive an unload of the plug-in's library.
#ifndef EASEL_CORE_MEMORY_H
#define EASEL_CORE_MEMORY_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "plugin/host/HostTypes.h"
#include "Handles.h"

namespace easel {

class Memory {
 public:
  // The largest handle or block the host hands out; larger requests fail as
  // if memory had run out (without asking the system for them).
  static constexpr std::size_t kMaxSize = std::size_t{1} << 30;

  Memory();
  ~Memory();
  Memory(const Memory&) = delete;
  Memory& operator=(const Memory&) = delete;

  // --- Handles: blocks are zero-filled; throw std::bad_alloc when memory runs out.
  AIMdMemoryHandle newHandle(std::size_t size);
  HandleCheck check(AIMdMemoryHandle handle) const;
  bool valid(AIMdMemoryHandle handle) const { return check(handle) == HandleCheck::Ok; }
  // The following need a handle that check() calls valid.
  void dispose(AIMdMemoryHandle handle);
  std::size_t size(AIMdMemoryHandle handle) const;
  // Keeps the contents; new bytes are zero; the block may move.
  void resize(AIMdMemoryHandle handle, std::size_t size);
  // The block's address; null for an empty block.
  void* dereference(AIMdMemoryHandle handle) const;
  std::size_t liveHandles() const { return liveHandles_; }

  // --- Blocks
  void* allocateBlock(std::size_t size, std::string debugName);
  // False for a pointer this memory did not hand out or has freed.
  bool freeBlock(void* block);
  std::size_t liveBlocks() const { return blocks_.size(); }
  // The debug name a block was allocated under ("" for an unknown block).
  std::string blockName(const void* block) const;

 private:
  struct Slot {
    std::unique_ptr<std::byte[]> bytes;
    std::size_t size = 0;
    uint32_t generation = 0;
    bool used = false;
  };
  struct Block {
    std::unique_ptr<std::byte[]> bytes;
    std::string name;
  };
  uint32_t slotIndex(AIMdMemoryHandle handle) const;

  uint32_t tag_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> freeSlots_;
  std::size_t liveHandles_ = 0;
  std::unordered_map<const void*, Block> blocks_;
};

}  // namespace easel

#endif
