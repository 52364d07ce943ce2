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
  /* Allocate `size` bytes (contents zero) under a debug name; the caller owns
     the block and frees it with freeBlock. -108 when memory runs out,
     kBadParameterErr for a null result pointer. */
  ASErr (*allocateBlock)(size_t size, const char* debugName, void** block);
  /* Free a block from allocateBlock. kBadHandleErr for a block the host did
     not hand out or has already freed. */
  ASErr (*freeBlock)(void* block);
} SPBlocksSuite;
#ifdef __cplusplus
}
#endif
#endif
