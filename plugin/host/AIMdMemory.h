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
  /* A new handle of `size` bytes, contents zero; the caller owns it and
     disposes of it with disposeHandle (or hands it to the host, as a filter's
     parameter block). -108 when memory runs out (also for more than 1 GiB);
     kBadParameterErr for a null result pointer. When: any message. */
  ASErr (*newHandle)(size_t size, AIMdMemoryHandle* handle);
  /* Free the handle and its block; both are invalid afterwards. kBadHandleErr
     for a null, stale or foreign handle. When: any message. */
  ASErr (*disposeHandle)(AIMdMemoryHandle handle);
  /* The size of the handle's block in bytes. kBadHandleErr as above;
     kBadParameterErr for a null result pointer. When: any message. */
  ASErr (*getHandleSize)(AIMdMemoryHandle handle, size_t* size);
  /* Resize the block to `size` bytes, keeping its contents (new bytes are
     zero); the address may change, so dereference again. -108 when memory runs
     out (the block is then as it was), kBadHandleErr as above. When: any
     message. */
  ASErr (*setHandleSize)(AIMdMemoryHandle handle, size_t size);
  /* The address of the handle's block (null for an empty block), owned by the
     handle and valid until it is resized or disposed of. kBadHandleErr as
     above; kBadParameterErr for a null result pointer. When: any message. */
  ASErr (*dereferenceHandle)(AIMdMemoryHandle handle, void** block);
} AIMdMemorySuite;
#ifdef __cplusplus
}
#endif
#endif
