#include "AxisMoveKernels.h"

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define EASEL_AXIS_MOVE_AVX 1
#include <immintrin.h>
#endif

namespace easel {
namespace {

// One coordinate at a time, as written.
void movePointsOneByOne(std::span<AIPathSegment> segments, const double* scale, const double* move) {
  const auto movePoint = [&](AIRealPoint& p) {
    const double h = p.h, v = p.v;
    p.h = static_cast<AIReal>(h * scale[0] + move[0]);
    p.v = static_cast<AIReal>(v * scale[1] + move[1]);
  };
  for (AIPathSegment& s : segments) {
    movePoint(s.p);
    movePoint(s.in);
    movePoint(s.out);
  }
}

#if defined(__SSE2__)
// A point as one pair: widened to doubles, scaled, moved and rounded back to
// floats by one instruction each (the compiler does not pair them by itself).
// Fused multiply-adds are off, so these are the same operations.
inline void movePair(AIRealPoint& p, __m128d scale, __m128d move) {
  auto* const pair = reinterpret_cast<__m128i*>(&p);
  const __m128d d = _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(pair)));
  _mm_storel_epi64(pair, _mm_castps_si128(_mm_cvtpd_ps(_mm_add_pd(_mm_mul_pd(d, scale), move))));
}

void movePointsInPairs(std::span<AIPathSegment> segments, const double* scale, const double* move) {
  const __m128d s = _mm_loadu_pd(scale), m = _mm_loadu_pd(move);
  for (AIPathSegment& seg : segments) {
    movePair(seg.p, s, m);
    movePair(seg.in, s, m);
    movePair(seg.out, s, m);
  }
}
#endif

#if defined(EASEL_AXIS_MOVE_AVX)
static_assert(offsetof(AIPathSegment, in) == offsetof(AIPathSegment, p) + sizeof(AIRealPoint));

// With AVX, where the processor has it: a segment's anchor and in point as
// one quadruple, its out point as a pair.
[[gnu::target("avx")]] void movePointsInQuadruples(std::span<AIPathSegment> segments, const double* scale,
                                                   const double* move) {
  const __m256d s4 = _mm256_setr_pd(scale[0], scale[1], scale[0], scale[1]);
  const __m256d m4 = _mm256_setr_pd(move[0], move[1], move[0], move[1]);
  const __m128d s2 = _mm_loadu_pd(scale), m2 = _mm_loadu_pd(move);
  for (AIPathSegment& seg : segments) {
    float* const anchorAndIn = &seg.p.h;
    const __m256d d4 = _mm256_cvtps_pd(_mm_loadu_ps(anchorAndIn));
    _mm_storeu_ps(anchorAndIn, _mm256_cvtpd_ps(_mm256_add_pd(_mm256_mul_pd(d4, s4), m4)));
    movePair(seg.out, s2, m2);
  }
}
#endif

}  // namespace

std::vector<AxisMoveKernel> axisMoveKernels() {
  std::vector<AxisMoveKernel> kernels;
#if defined(EASEL_AXIS_MOVE_AVX)
  if (__builtin_cpu_supports("avx")) kernels.push_back(movePointsInQuadruples);
#endif
#if defined(__SSE2__)
  kernels.push_back(movePointsInPairs);
#endif
  kernels.push_back(movePointsOneByOne);
  return kernels;
}

}  // namespace easel
