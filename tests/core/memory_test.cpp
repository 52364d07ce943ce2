#include <cstring>

#include "SuiteFixture.h"
#include "easel/core/Memory.h"

namespace easel::test {
namespace {

class MemoryTest : public SuiteTest {};

TEST_F(MemoryTest, HandlesAreZeroedKeepTheirContentsWhenResizedAndGoStale) {
  AIMdMemoryHandle handle = nullptr;
  ASSERT_EQ(memory.newHandle(8, &handle), kNoErr);
  void* block = nullptr;
  ASSERT_EQ(memory.dereferenceHandle(handle, &block), kNoErr);
  const unsigned char zero[8] = {};
  EXPECT_EQ(std::memcmp(block, zero, 8), 0);
  std::memcpy(block, "abcdefgh", 8);
  ASSERT_EQ(memory.setHandleSize(handle, 12), kNoErr);
  std::size_t size = 0;
  ASSERT_EQ(memory.getHandleSize(handle, &size), kNoErr);
  EXPECT_EQ(size, 12u);
  ASSERT_EQ(memory.dereferenceHandle(handle, &block), kNoErr);
  EXPECT_EQ(std::memcmp(block, "abcdefgh\0\0\0\0", 12), 0);

  ASSERT_EQ(memory.disposeHandle(handle), kNoErr);
  EXPECT_EQ(memory.disposeHandle(handle), kBadHandleErr);
  EXPECT_EQ(memory.dereferenceHandle(handle, &block), kBadHandleErr);
  // A new handle in the freed slot does not revive the old one.
  AIMdMemoryHandle again = nullptr;
  ASSERT_EQ(memory.newHandle(4, &again), kNoErr);
  EXPECT_NE(again, handle);
  EXPECT_EQ(memory.getHandleSize(handle, &size), kBadHandleErr);
  EXPECT_EQ(memory.disposeHandle(nullptr), kBadHandleErr);
  EXPECT_EQ(memory.newHandle(4, nullptr), kBadParameterErr);
  EXPECT_EQ(memory.newHandle(SIZE_MAX, &again), kOutOfMemoryErr);
  EXPECT_EQ(session.misuses().size(), 5u);
}

TEST_F(MemoryTest, BlocksAreUsedDirectlyAndOnlyHandedOutOnesCanBeFreed) {
  const SPBlocksSuite& blocks = *suites::blocks();
  void* block = nullptr;
  ASSERT_EQ(blocks.allocateBlock(20, "globals", &block), kNoErr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(static_cast<unsigned char*>(block)[19], 0);
  static_cast<unsigned char*>(block)[19] = 7;  // the plug-in's own memory
  EXPECT_EQ(session.memory().blockName(block), "globals");
  int local = 0;
  EXPECT_EQ(blocks.freeBlock(&local), kBadHandleErr);
  EXPECT_EQ(blocks.freeBlock(nullptr), kBadHandleErr);
  ASSERT_EQ(blocks.freeBlock(block), kNoErr);
  EXPECT_EQ(blocks.freeBlock(block), kBadHandleErr);
  EXPECT_EQ(session.memory().liveBlocks(), 0u);
  EXPECT_EQ(blocks.allocateBlock(1, "x", nullptr), kBadParameterErr);
}

}  // namespace
}  // namespace easel::test
