// The handles the dialog manager gives the plug-in: dialogs, items, lists,
// entries, notifiers, trackers and icons. Each names a slot of this table and
// the slot's generation; freeing a slot bumps its generation, so a handle kept
// after its dialog closed is told apart from a live one by comparing numbers,
// never by following a pointer.
#ifndef EASEL_ADM_HANDLETABLE_H
#define EASEL_ADM_HANDLETABLE_H

#include <cstdint>
#include <vector>

namespace easel::adm {

enum class HandleKind : uint8_t { Dialog, Item, List, Entry, Notifier, Tracker, Icon };

class HandleTable {
 public:
  HandleTable();

  // A new handle for `object` (which the caller keeps alive until free()).
  uintptr_t add(HandleKind kind, void* object);
  // The object, or null for a null, stale, foreign or other-kind handle.
  void* find(uintptr_t handle, HandleKind kind) const;
  void free(uintptr_t handle);
  std::size_t liveCount() const;

  template <class T, class Ref>
  T* get(Ref ref, HandleKind kind) const {
    return static_cast<T*>(find(reinterpret_cast<uintptr_t>(ref), kind));
  }
  template <class Ref>
  Ref make(HandleKind kind, void* object) {
    return reinterpret_cast<Ref>(add(kind, object));
  }

 private:
  struct Slot {
    uint32_t generation = 1;
    HandleKind kind = HandleKind::Dialog;
    void* object = nullptr;  // null while free
  };
  uint32_t tag_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> free_;
};

}  // namespace easel::adm

#endif
