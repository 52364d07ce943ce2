#include "SuiteFixture.h"

#include <thread>
#include <vector>

namespace easel::test {
namespace {

class TraceAndFaultsTest : public SuiteTest {
 protected:
  TraceAndFaultsTest() { session.trace.captureToMemory(true); }
  const std::string& lastLine() { return session.trace.lines().back(); }
};

TEST_F(TraceAndFaultsTest, TheTraceShowsInputsAndOutputs) {
  ArtRef p = square(0, 0, 10);
  AIArtHandle copy = nullptr;
  ASSERT_EQ(art.duplicateArt(h(p), kPlaceAboveAll, h(p), &copy), kNoErr);
  EXPECT_NE(lastLine().find("\"op\":\"duplicate art\""), std::string::npos) << lastLine();
  EXPECT_NE(lastLine().find("\"paintOrder\":5"), std::string::npos) << lastLine();
  EXPECT_NE(lastLine().find("\"newArt\":" + std::to_string(ArtRef::fromHandle(copy).bits())), std::string::npos);

  const AIRealMatrix m{0.5f, 0, 0, 0.25f, 3, -4};
  ASSERT_EQ(transform.transformArt(copy, &m, 1, 15), kNoErr);
  EXPECT_NE(lastLine().find("\"matrix\":[0.5,0,0,0.25,3,-4]"), std::string::npos) << lastLine();
  EXPECT_NE(lastLine().find("\"flags\":15"), std::string::npos) << lastLine();

  AIPathSegment s[2];
  ASSERT_EQ(path.getPathSegments(copy, 1, 2, s), kNoErr);
  EXPECT_NE(lastLine().find("\"segNumber\":1,\"count\":2"), std::string::npos) << lastLine();
  EXPECT_NE(lastLine().find("\"p\":[8,-4]"), std::string::npos) << lastLine();  // (10, 0) transformed
  EXPECT_NE(lastLine().find("\"result\":0"), std::string::npos);

  AIArtHandle none = nullptr;
  EXPECT_EQ(art.duplicateArt(nullptr, kPlaceAboveAll, h(p), &none), kBadHandleErr);
  EXPECT_NE(lastLine().find("\"misuse\":\"null art handle\""), std::string::npos) << lastLine();
}

// Untraced or traced, an armed fault sends the call through the checks.
TEST_F(TraceAndFaultsTest, AnInjectedFaultFailsTheCallAndChangesNothing) {
  for (const bool traced : {false, true}) {
    session.trace.captureToMemory(traced);
    ArtRef p = square(0, 0, 10);
    const std::string before = doc().serialize();
    session.faults.failCall("duplicate art", 2, kOutOfMemoryErr);
    AIArtHandle copy = nullptr;
    ASSERT_EQ(art.duplicateArt(h(p), kPlaceAboveAll, h(p), &copy), kNoErr);
    ASSERT_EQ(art.disposeArt(copy), kNoErr);
    copy = nullptr;
    EXPECT_EQ(art.duplicateArt(h(p), kPlaceAboveAll, h(p), &copy), kOutOfMemoryErr);
    EXPECT_EQ(copy, nullptr);
    if (traced) {
      EXPECT_NE(lastLine().find("\"injected\":true"), std::string::npos) << lastLine();
    }
    EXPECT_EQ(doc().serialize(), before);

    session.faults.failCall("transform art", 1, kBadParameterErr);
    const AIRealMatrix m{2, 0, 0, 2, 0, 0};
    EXPECT_EQ(transform.transformArt(h(p), &m, 1, 15), kBadParameterErr);
    EXPECT_EQ(doc().serialize(), before);
    session.faults.clear();
  }
}

// A stop asked for from another thread fails every call until the run ends,
// untraced or traced, so a failure the plug-in passes over cannot swallow it;
// giving memory back still succeeds. Copies are counted for the listener.
TEST_F(TraceAndFaultsTest, AStopFailsEveryCallUntilTheRunEndsAndCopiesAreCounted) {
  for (const bool traced : {false, true}) {
    session.trace.captureToMemory(traced);
    session.watch.startRun();
    std::vector<uintptr_t> heard;
    session.watch.setListener([&](uintptr_t source, uint64_t) { heard.push_back(source); });
    ArtRef p = square(0, 0, 10);
    AIArtHandle copy = nullptr;
    AIMdMemoryHandle handle = nullptr;
    ASSERT_EQ(art.duplicateArt(h(p), kPlaceAboveAll, h(p), &copy), kNoErr);
    ASSERT_EQ(memory.newHandle(8, &handle), kNoErr);
    std::thread([&] { session.watch.requestStop(); }).join();
    const std::string before = doc().serialize();
    AIArtHandle stopped = nullptr;
    AIPathStyle style{};
    EXPECT_EQ(art.duplicateArt(copy, kPlaceAboveAll, copy, &stopped), kUserCanceledErr);
    EXPECT_EQ(this->style.getPathStyle(copy, &style), kUserCanceledErr);
    EXPECT_EQ(art.duplicateArt(copy, kPlaceAboveAll, copy, &stopped), kUserCanceledErr);
    if (traced) {
      EXPECT_NE(lastLine().find("\"stopped\":true"), std::string::npos) << lastLine();
    }
    EXPECT_EQ(memory.disposeHandle(handle), kNoErr);
    EXPECT_EQ(doc().serialize(), before);
    EXPECT_TRUE(session.watch.stopped());
    session.watch.startRun();  // the next run
    EXPECT_EQ(art.duplicateArt(copy, kPlaceAboveAll, copy, &stopped), kNoErr);
    EXPECT_EQ(heard, (std::vector<uintptr_t>{p.bits(), ArtRef::fromHandle(copy).bits()}));
    EXPECT_EQ(session.watch.copies(), 1u);
    session.watch.setListener(nullptr);
  }
}

}  // namespace
}  // namespace easel::test
