// The host's random numbers: one seedable generator per session whose draws
// are the same on every platform, because they use integer arithmetic only.
//
// The generator is SplitMix64. Each draw advances the state and mixes it:
//   state += 0x9E3779B97F4A7C15
//   z = state
//   z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9
//   z = (z ^ (z >> 27)) * 0x94D049BB133111EB
//   z = z ^ (z >> 31)
// and the real drawn is the top 24 bits of z times 2^-24: a float in [0, 1)
// that holds them exactly. setSeed(s) makes the state s. A new generator
// starts from kDefaultSeed, so runs are repeatable unless a seed is asked for
// (the clock only by seedFromClock()).
#ifndef EASEL_CORE_RANDOM_H
#define EASEL_CORE_RANDOM_H

#include <cstdint>
#include <optional>

namespace easel {

class Random {
 public:
  static constexpr uint64_t kDefaultSeed = 0;

  Random() = default;
  explicit Random(uint64_t seed) : seed_(seed), state_(seed) {}

  void setSeed(uint64_t seed) {
    seed_ = seed;
    state_ = seed;
    draws_ = 0;
    runStart_ = 0;
    replay_.reset();
  }
  // Repeats a recorded run: from now on every run starts where it began,
  // `draws` draws after `seed`, however many previews come first.
  void replayRunsFrom(uint64_t seed, uint64_t draws) {
    setSeed(seed);
    skip(draws);
    replay_ = Position{state_, draws_};
    runStart_ = draws_;
  }
  // Seeds from the clock; returns the seed, so that a run can be repeated.
  uint64_t seedFromClock();
  uint64_t seed() const { return seed_; }
  uint64_t draws() const { return draws_; }
  // Where the run whose art stays began: every run of the filter starts by
  // taking back the one before (a preview), so its first draw comes after
  // the draws counted here. Repeating a run means skipping them.
  void markRunStart() {
    if (replay_) {
      state_ = replay_->state;
      draws_ = replay_->draws;
    }
    runStart_ = draws_;
  }
  uint64_t runStart() const { return runStart_; }
  void skip(uint64_t draws) {
    for (uint64_t i = 0; i < draws; ++i) nextBits();
  }

  uint64_t nextBits() {
    ++draws_;
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  float nextReal() { return static_cast<float>(nextBits() >> 40) * 0x1p-24f; }

 private:
  uint64_t seed_ = kDefaultSeed;
  uint64_t state_ = kDefaultSeed;
  uint64_t draws_ = 0;
  uint64_t runStart_ = 0;
  struct Position {
    uint64_t state, draws;
  };
  std::optional<Position> replay_;
};

}  // namespace easel

#endif
