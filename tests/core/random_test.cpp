#include <cstdint>
#include <vector>

#include "SuiteFixture.h"
#include "easel/core/Random.h"

namespace easel::test {
namespace {

class RandomTest : public SuiteTest {
 protected:
  std::vector<AIReal> draws(int n) {
    std::vector<AIReal> out(static_cast<std::size_t>(n));
    for (auto& x : out) EXPECT_EQ(random.floatRandom(&x), kNoErr);
    return out;
  }
};

// SplitMix64, written out here from its published definition.
uint64_t splitMix(uint64_t& state) {
  state += 0x9E3779B97F4A7C15ull;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

TEST_F(RandomTest, TheSameSeedGivesTheSameThousandDraws) {
  ASSERT_EQ(random.setRandomSeed(12345), kNoErr);
  const auto first = draws(1000);
  ASSERT_EQ(random.setRandomSeed(12345), kNoErr);
  EXPECT_EQ(draws(1000), first);
  for (AIReal x : first) {
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
  }
  ASSERT_EQ(random.setRandomSeed(54321), kNoErr);
  EXPECT_NE(draws(1000), first);
}

TEST_F(RandomTest, TheFirstDrawsOfSeedOneFollowTheGenerator) {
  ASSERT_EQ(random.setRandomSeed(1), kNoErr);
  uint64_t state = 1;
  for (AIReal x : draws(5)) {
    const uint64_t top24 = splitMix(state) >> 40;
    EXPECT_EQ(x, static_cast<float>(static_cast<double>(top24) / 16777216.0));
  }
}

TEST_F(RandomTest, TheFirstDrawOfSeedOneIsAKnownNumber) {
  // SplitMix64 from state 1: the first output is 0x910A2DEC89025CC1, whose
  // top 24 bits are 0x910A2D = 9505325; 9505325 / 2^24 = 0.56656152...
  ASSERT_EQ(random.setRandomSeed(1), kNoErr);
  AIReal x = 0;
  ASSERT_EQ(random.floatRandom(&x), kNoErr);
  EXPECT_EQ(x, 9505325.0f / 16777216.0f);
}

// A replayed run starts where the recorded one did however many runs come
// first: each run begins by taking back the one before (markRunStart).
TEST(RandomReplay, EveryRunStartsWhereTheRecordedRunDid) {
  easel::Random recorded(42);
  recorded.skip(17);
  const float first = recorded.nextReal(), second = recorded.nextReal();
  easel::Random replay;
  replay.replayRunsFrom(42, 17);
  EXPECT_EQ(replay.runStart(), 17u);
  for (int run = 0; run < 3; ++run) {
    replay.markRunStart();
    EXPECT_EQ(replay.nextReal(), first) << run;
    EXPECT_EQ(replay.nextReal(), second) << run;
    EXPECT_EQ(replay.runStart(), 17u);
  }
  replay.setSeed(42);  // a seed of its own ends the replay
  replay.skip(5);
  replay.markRunStart();
  EXPECT_EQ(replay.runStart(), 5u);
}

TEST_F(RandomTest, ANewSessionStartsFromTheDefaultSeed) {
  Random fresh;
  Session other;
  SessionScope scope(other);
  other.acquire(SuiteId::AIRandom);
  AIReal x = 0;
  ASSERT_EQ(random.floatRandom(&x), kNoErr);
  EXPECT_EQ(x, fresh.nextReal());
}

}  // namespace
}  // namespace easel::test
