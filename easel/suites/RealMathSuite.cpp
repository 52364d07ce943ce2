// Single-precision arithmetic, points and matrices. Each result is computed in
// double precision and rounded once to single precision. A matrix acts on a
// point in the order its operations were appended: appending an operation
// makes it act after those already in the matrix.
#include <cmath>
#include <numbers>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/Geometry.h"

namespace easel::suites {
namespace {

constexpr SuiteId kRealMath = SuiteId::AIRealMath;

AIReal real(double x) { return static_cast<AIReal>(x); }

// The bodies capture by value, so that a plain call needs no frame (HostCall.h).
// One real in, one real out; `refuse` names the arguments the operation refuses.
template <class F>
ASErr unary(const char* op, AIReal a, AIReal* result, F f, bool (*refuse)(AIReal) = nullptr) noexcept {
  return hostCall(kRealMath, op, [=](Call& c) {
    c.in("a", a);
    if (result == nullptr) return nullArgument(c, "result pointer");
    if (refuse != nullptr && refuse(a)) return badArgument(c, "argument out of range");
    *result = real(f(static_cast<double>(a)));
    c.out("result", *result);
    return kNoErr;
  });
}

template <class F>
ASErr binary(const char* op, AIReal a, AIReal b, AIReal* result, F f) noexcept {
  return hostCall(kRealMath, op, [=](Call& c) {
    c.in("a", a).in("b", b);
    if (result == nullptr) return nullArgument(c, "result pointer");
    *result = real(f(static_cast<double>(a), static_cast<double>(b)));
    c.out("result", *result);
    return kNoErr;
  });
}

ASErr add(AIReal a, AIReal b, AIReal* sum) noexcept {
  return binary("add", a, b, sum, [](double x, double y) { return x + y; });
}

ASErr multiply(AIReal a, AIReal b, AIReal* product) noexcept {
  return binary("multiply", a, b, product, [](double x, double y) { return x * y; });
}

ASErr divide(AIReal a, AIReal b, AIReal* quotient) noexcept {
  return hostCall(kRealMath, "divide", [&](Call& c) {
    c.in("a", a).in("b", b);
    if (quotient == nullptr) return nullArgument(c, "result pointer");
    if (b == 0) return badArgument(c, "division by zero");
    *quotient = real(static_cast<double>(a) / b);
    c.out("result", *quotient);
    return kNoErr;
  });
}

ASErr squareRoot(AIReal a, AIReal* root) noexcept {
  return unary(
      "square root", a, root, [](double x) { return std::sqrt(x); }, [](AIReal x) { return x < 0; });
}

ASErr sine(AIReal radians, AIReal* result) noexcept {
  return unary("sine", radians, result, [](double x) { return std::sin(x); });
}

ASErr cosine(AIReal radians, AIReal* result) noexcept {
  return unary("cosine", radians, result, [](double x) { return std::cos(x); });
}

ASErr degreesToRadians(AIReal degrees, AIReal* radians) noexcept {
  return unary("degrees to radians", degrees, radians, [](double x) { return x * std::numbers::pi / 180; });
}

ASErr radiansToDegrees(AIReal radians, AIReal* degrees) noexcept {
  return unary("radians to degrees", radians, degrees, [](double x) { return x * 180 / std::numbers::pi; });
}

void store(AIReal* to, AIReal value) { *to = value; }

// A point goes out with one 8-byte write where SSE2 allows: the plug-in reads
// the whole point straight back, and such a read cannot be forwarded from two
// 4-byte writes (it waits until they reach the cache).
void store(AIRealPoint* to, AIRealPoint value) {
#if defined(__SSE2__)
  _mm_storel_pi(reinterpret_cast<__m64*>(to), _mm_unpacklo_ps(_mm_set_ss(value.h), _mm_set_ss(value.v)));
#else
  *to = value;
#endif
}

// Two points in, one result out.
template <class Result, class F>
ASErr twoPoints(const char* op, const AIRealPoint* a, const AIRealPoint* b, Result* result, F f) noexcept {
  return hostCall(kRealMath, op, [=](Call& c) {
    if (a == nullptr || b == nullptr || result == nullptr) return nullArgument(c, "point or result pointer");
    c.in("a", *a).in("b", *b);
    store(result, f(*a, *b));
    c.out("result", *result);
    return kNoErr;
  });
}

ASErr pointDistance(const AIRealPoint* a, const AIRealPoint* b, AIReal* distance) noexcept {
  return twoPoints("distance between two points", a, b, distance, [](const AIRealPoint& p, const AIRealPoint& q) {
    return real(std::hypot(static_cast<double>(q.h) - p.h, static_cast<double>(q.v) - p.v));
  });
}

ASErr pointAngle(const AIRealPoint* a, const AIRealPoint* b, AIReal* radians) noexcept {
  return twoPoints("angle between two points", a, b, radians, [](const AIRealPoint& p, const AIRealPoint& q) {
    if (p.h == q.h && p.v == q.v) return AIReal{0};
    return real(std::atan2(static_cast<double>(q.v) - p.v, static_cast<double>(q.h) - p.h));
  });
}

ASErr interpolatePoints(const AIRealPoint* a, const AIRealPoint* b, AIReal t, AIRealPoint* result) noexcept {
  return twoPoints("interpolate two points", a, b, result, [t](const AIRealPoint& p, const AIRealPoint& q) {
    // b + (a - b) * t: t = 0 gives b, t = 1 gives a.
    return AIRealPoint{real(q.h + (static_cast<double>(p.h) - q.h) * t),
                       real(q.v + (static_cast<double>(p.v) - q.v) * t)};
  });
}

// Sets or appends to a matrix; `make` gives the operation's own matrix.
template <class F>
ASErr matrixStep(const char* op, AIRealMatrix* m, bool append, F make) noexcept {
  return hostCall(kRealMath, op, [&](Call& c) EASEL_INLINE_BODY {
    if (m == nullptr) return nullArgument(c, "matrix");
    if (append) c.in("matrix", *m);
    *m = append ? concat(*m, make()) : make();
    c.out("matrix", *m);
    return kNoErr;
  });
}

ASErr setMatrixIdentity(AIRealMatrix* m) noexcept {
  return matrixStep("set matrix to identity", m, false, [] { return kIdentityMatrix; });
}

ASErr setMatrixTranslation(AIRealMatrix* m, AIReal tx, AIReal ty) noexcept {
  return matrixStep("set matrix to translation", m, false, [&] { return AIRealMatrix{1, 0, 0, 1, tx, ty}; });
}

ASErr appendMatrixTranslation(AIRealMatrix* m, AIReal tx, AIReal ty) noexcept {
  return matrixStep("append translation to matrix", m, true, [&] { return AIRealMatrix{1, 0, 0, 1, tx, ty}; });
}

ASErr appendMatrixScale(AIRealMatrix* m, AIReal sx, AIReal sy) noexcept {
  return matrixStep("append scale to matrix", m, true, [&] { return AIRealMatrix{sx, 0, 0, sy, 0, 0}; });
}

ASErr appendMatrixRotation(AIRealMatrix* m, AIReal radians) noexcept {
  return matrixStep("append rotation to matrix", m, true, [&] {
    const AIReal cs = real(std::cos(static_cast<double>(radians)));
    const AIReal sn = real(std::sin(static_cast<double>(radians)));
    return AIRealMatrix{cs, sn, -sn, cs, 0, 0};
  });
}

ASErr transformPoint(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result) noexcept {
  return hostCall(kRealMath, "transform point", [&](Call& c) {
    if (m == nullptr || p == nullptr || result == nullptr) return nullArgument(c, "matrix, point or result pointer");
    c.in("matrix", *m).in("point", *p);
    *result = easel::transformPoint(*m, *p);
    c.out("result", *result);
    return kNoErr;
  });
}

const AIRealMathSuite kSuite{add,
                             multiply,
                             divide,
                             squareRoot,
                             sine,
                             cosine,
                             degreesToRadians,
                             radiansToDegrees,
                             pointDistance,
                             pointAngle,
                             interpolatePoints,
                             setMatrixIdentity,
                             setMatrixTranslation,
                             appendMatrixTranslation,
                             appendMatrixScale,
                             appendMatrixRotation,
                             transformPoint};

}  // namespace

const AIRealMathSuite* realMath() { return &kSuite; }

}  // namespace easel::suites
