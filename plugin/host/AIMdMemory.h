#ifndef CONTOUR_HOST_AIMDMEMORY_H
#define CONTOUR_HOST_AIMDMEMORY_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1

/* Relocatable memory handles. The block of a handle is reached through
   dereferenceHandle; its address stays the same until the handle is resized or
   disposed of. */
typedef struct AIMdMemorySuite {
  /* A new handle of `size` bytes, contents zero; the caller owns it. -108 when
     memory runs out, kBadParameterErr for a null result pointer. */
  ASErr (*newHandle)(size_t size, AIMdMemoryHandle* handle);
  /* Free the handle and its block. kBadHandleErr for a null, stale or foreign handle. */
  ASErr (*disposeHandle)(AIMdMemoryHandle handle);
  /* The size of the handle's block in bytes. kBadHandleErr as above. */
  ASErr (*getHandleSize)(AIMdMemoryHandle handle, size_t* size);
  /* Resize the block, keeping its contents (new bytes are zero); the address
     may change. -108 when memory runs out, kBadHandleErr as above. */
  ASErr (*setHandleSize)(AIMdMemoryHandle handle, size_t size);
  /* The address of the handle's block (null for an empty block). kBadHandleErr as above. */
  ASErr (*dereferenceHandle)(AIMdMemoryHandle handle, void** block);
} AIMdMemorySuite;
#ifdef __cplusplus
}
#endif
#endif
