// Opaque handle values. A handle packs the tag of its owner (a document, the
// memory of a session, the view state), a generation and a slot index into
// one pointer-sized word, so that a stale handle (its slot was freed and
// perhaps reused) or a foreign one (another owner, or any other value) is
// found out by comparing numbers, never by following a pointer.
#ifndef EASEL_CORE_HANDLES_H
#define EASEL_CORE_HANDLES_H

#include <cstdint>

namespace easel {

struct HandleParts {
  uint32_t tag = 0;
  uint32_t generation = 0;
  uint32_t slot = 0;
};

struct HandleLayout {
  static constexpr unsigned kWordBits = sizeof(uintptr_t) * 8;
  static constexpr unsigned kTagBits = kWordBits == 64 ? 8 : 4;
  static constexpr unsigned kSlotBits = kWordBits == 64 ? 32 : 20;
  static constexpr unsigned kGenerationBits = kWordBits - kTagBits - kSlotBits;
  static constexpr uint32_t kMaxTag = (1u << kTagBits) - 1;
  static constexpr uint32_t kMaxGeneration = static_cast<uint32_t>((uint64_t{1} << kGenerationBits) - 1);
  static constexpr uint64_t kMaxSlots = (uint64_t{1} << kSlotBits) - 1;
};

// Tags are never 0, so no handle is 0 (the null handle).
constexpr uintptr_t packHandle(HandleParts parts) {
  using L = HandleLayout;
  return (static_cast<uintptr_t>(parts.tag) << (L::kSlotBits + L::kGenerationBits)) |
         (static_cast<uintptr_t>(parts.generation) << L::kSlotBits) | static_cast<uintptr_t>(parts.slot);
}

constexpr HandleParts unpackHandle(uintptr_t bits) {
  using L = HandleLayout;
  HandleParts parts;
  parts.slot = static_cast<uint32_t>(bits & ((uintptr_t{1} << L::kSlotBits) - 1));
  parts.generation = static_cast<uint32_t>((bits >> L::kSlotBits) & L::kMaxGeneration);
  parts.tag = static_cast<uint32_t>(bits >> (L::kSlotBits + L::kGenerationBits));
  return parts;
}

// What a lookup found out about a handle.
enum class HandleCheck { Ok, Null, Stale, Foreign };
const char* handleCheckText(HandleCheck check);  // "valid", "null", "stale", "foreign"

// A new owner tag, 1..kMaxTag, cycling: owners made one after another differ.
uint32_t newOwnerTag();

}  // namespace easel

#endif
