// Plain blocks from the host's allocator, used by the plug-in directly.
#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Memory.h"

namespace easel::suites {
namespace {

constexpr SuiteId kBlocks = SuiteId::SPBlocks;

ASErr allocateBlock(std::size_t size, const char* debugName, void** block) noexcept {
  return hostCall(kBlocks, "allocate block", [&](Call& c) {
    c.in("size", size).in("debugName", debugName);
    if (block == nullptr) return nullArgument(c, "result pointer");
    *block = c.session().memory().allocateBlock(size, debugName != nullptr ? debugName : "");
    c.out("block", static_cast<const void*>(*block));
    return kNoErr;
  });
}

ASErr freeBlock(void* block) noexcept {
  return hostCall(kBlocks, "free block", [&](Call& c) {
    c.in("block", static_cast<const void*>(block));
    if (c.session().memory().freeBlock(block)) return kNoErr;
    c.misuse(block == nullptr ? "null block" : "a block the host did not hand out or has freed");
    return kBadHandleErr;
  });
}

const SPBlocksSuite kSuite{allocateBlock, freeBlock};

}  // namespace

const SPBlocksSuite* blocks() { return &kSuite; }

}  // namespace easel::suites
