// A 64-bit digest of a subpath's value (its segments, exactly as the
// exporter compares them, and whether it is closed). The exporter keeps one
// per imported subpath instead of a copy of its segments, to tell a path that
// was edited and then put back as it was from one that changed.
#ifndef EASEL_SVG_SUBPATHDIGEST_H
#define EASEL_SVG_SUBPATHDIGEST_H

#include <cstdint>
#include <span>

#include "easel/core/BitCast.h"
#include "plugin/host/AIPath.h"

namespace easel::svg {

inline uint64_t subpathDigest(std::span<const AIPathSegment> segments, bool closed) {
  uint64_t h = 0x9e3779b97f4a7c15u ^ (segments.size() * 2 + (closed ? 1 : 0));
  // Each word goes through a full-avalanche mixer (splitmix64's finaliser),
  // so a change anywhere changes the digest as a random 64-bit value would.
  auto add = [&h](uint64_t word) {
    uint64_t z = (h ^ word) + 0x9e3779b97f4a7c15u;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    h = z ^ (z >> 31);
  };
  // + 0.0f folds -0 into 0: the exporter compares coordinates with ==.
  auto pair = [](float a, float b) {
    return (uint64_t{easel::bitCast<uint32_t>(a + 0.0f)} << 32) | easel::bitCast<uint32_t>(b + 0.0f);
  };
  for (const AIPathSegment& s : segments) {
    add(pair(s.p.h, s.p.v));
    add(pair(s.in.h, s.in.v));
    add(pair(s.out.h, s.out.v));
    add(static_cast<uint64_t>(static_cast<int64_t>(s.corner)));
  }
  return h;
}

}  // namespace easel::svg

#endif
