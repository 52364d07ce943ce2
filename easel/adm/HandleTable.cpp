#include "HandleTable.h"

#include <stdexcept>

#include "easel/core/Handles.h"

namespace easel::adm {

HandleTable::HandleTable() : tag_(newOwnerTag()) {}

uintptr_t HandleTable::add(HandleKind kind, void* object) {
  uint32_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    if (slots_.size() >= HandleLayout::kMaxSlots) throw std::length_error("out of dialog handles");
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  slot.kind = kind;
  slot.object = object;
  return packHandle({tag_, slot.generation, index});
}

void* HandleTable::find(uintptr_t handle, HandleKind kind) const {
  if (handle == 0) return nullptr;
  HandleParts parts = unpackHandle(handle);
  if (parts.tag != tag_ || parts.slot >= slots_.size()) return nullptr;
  const Slot& slot = slots_[parts.slot];
  if (slot.object == nullptr || slot.generation != parts.generation || slot.kind != kind) return nullptr;
  return slot.object;
}

void HandleTable::free(uintptr_t handle) {
  HandleParts parts = unpackHandle(handle);
  if (handle == 0 || parts.tag != tag_ || parts.slot >= slots_.size()) return;
  Slot& slot = slots_[parts.slot];
  if (slot.object == nullptr || slot.generation != parts.generation) return;
  slot.object = nullptr;
  // Generation 0 is skipped so that no handle is ever the null word.
  slot.generation = slot.generation == HandleLayout::kMaxGeneration ? 1 : slot.generation + 1;
  free_.push_back(parts.slot);
}

std::size_t HandleTable::liveCount() const { return slots_.size() - free_.size(); }

}  // namespace easel::adm
