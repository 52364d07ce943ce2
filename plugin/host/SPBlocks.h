#ifndef CONTOUR_HOST_SPBLOCKS_H
#define CONTOUR_HOST_SPBLOCKS_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

/* Blocks from the host's allocator; they outlive an unload of the library. */
typedef struct SPBlocksSuite {
  /* Allocate `size` bytes (contents zero) under `debugName` (zero-terminated,
     copied; may be null); *block is the address. The caller owns the block
     and frees it with freeBlock; it survives the message and an unload of the
     library. -108 when memory runs out (also for more than 1 GiB);
     kBadParameterErr for a null result pointer. When: any message. */
  ASErr (*allocateBlock)(size_t size, const char* debugName, void** block);
  /* Free a block from allocateBlock; the address is invalid afterwards.
     kBadHandleErr for null, or a block the host did not hand out or has
     already freed. When: any message, also a later one than the allocation. */
  ASErr (*freeBlock)(void* block);
} SPBlocksSuite;
#ifdef __cplusplus
}
#endif
#endif
