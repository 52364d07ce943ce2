// The contour run on a large selection, against a plain loop in this program
// that copies and transforms the same number of points. Both are reported,
// with their ratio, for a final run ("AI Go"), for one with point
// modification (against a loop doing the same point maths) and for the preview cycle
// (take back the last run and make it again within one command).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <numbers>
#include <vector>

#include "tests/support/PluginHarness.h"

namespace {

constexpr int kPaths = 1000;
constexpr int kSegments = 64;
constexpr int kContoursPerPath = 13;  // the default contourCount 12, plus one

using Segments = std::vector<AIPathSegment>;

// The thread's own processor time: the build machines are shared, and wall
// time would mostly measure the neighbours.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A closed smooth path of kSegments anchors on a circle.
Segments ring(AIReal cx, AIReal cy, AIReal radius) {
  Segments segments(kSegments);
  const double step = 2 * std::numbers::pi / kSegments;
  const auto handle = static_cast<AIReal>(radius * 4.0 / 3.0 * std::tan(step / 4));
  for (int i = 0; i < kSegments; ++i) {
    const double angle = i * step;
    const auto c = static_cast<AIReal>(std::cos(angle));
    const auto s = static_cast<AIReal>(std::sin(angle));
    AIPathSegment& seg = segments[i];
    seg.p = {cx + radius * c, cy + radius * s};
    seg.in = {seg.p.h + handle * s, seg.p.v - handle * c};
    seg.out = {seg.p.h - handle * s, seg.p.v + handle * c};
    seg.corner = 0;
  }
  return segments;
}

// The same shapes for both sides of the comparison: a 40 x 25 grid of rings.
std::vector<Segments> shapes() {
  std::vector<Segments> all;
  for (int i = 0; i < kPaths; ++i) all.push_back(ring(10.0f + (i % 40) * 15.0f, 10.0f + (i / 40) * 30.0f, 6.0f));
  return all;
}

// The default settings of a final run without the dialog.
ContourParams defaultRunParams() {
  ContourParams params = contour_test::defaultParams();
  params.previewOn = 0;
  return params;
}

// The same with point modification on: every anchor 5 points further in per
// contour, about half of the segments (a draw per segment) moved.
ContourParams pointRunParams() {
  ContourParams params = defaultRunParams();
  params.pointsContourAmount = 50;
  params.pointsApply = 1;
  return params;
}

struct Bed {
  contour_test::PluginHarness harness;

  explicit Bed(const ContourParams& params = defaultRunParams()) {
    harness.session().trace.captureToMemory(false);  // tracing is not what is measured
    easel::Document& doc = harness.document();
    const easel::ArtRef layer = doc.addLayer("Layer 1");
    for (const Segments& segments : shapes()) {
      const easel::ArtRef path = doc.createArt(easel::ArtType::Path, layer, easel::Place::InsideOnBottom);
      doc.setSegments(path, segments, true);
      doc.setSelected(path, true);
    }
    harness.setParams(params);
  }
};

// What the engine does to the points, written as a plain loop: copy each
// path and scale it about its centre, once per contour. The copies go into
// one buffer allocated once, so that the loop measures the work and not the
// allocator's page faults.
double plainLoopSeconds(const std::vector<Segments>& sources, std::vector<AIPathSegment>& buffer) {
  const double start = cpuSeconds();
  buffer.resize(sources.size() * kContoursPerPath * kSegments);
  AIPathSegment* out = buffer.data();
  for (const Segments& source : sources) {
    AIReal left = source[0].p.h, right = left, bottom = source[0].p.v, top = bottom;
    for (const AIPathSegment& s : source) {
      left = std::min(left, s.p.h), right = std::max(right, s.p.h);
      bottom = std::min(bottom, s.p.v), top = std::max(top, s.p.v);
    }
    const AIReal cx = left + (right - left) * 0.5f, cy = bottom + (top - bottom) * 0.5f;
    AIReal factor = 1.0f;
    for (int k = 0; k < kContoursPerPath; ++k) {
      factor = factor - 0.04f;
      out = std::copy(source.begin(), source.end(), out);
      for (AIPathSegment* s = out - source.size(); s != out; ++s) {
        for (AIRealPoint* p : {&s->p, &s->in, &s->out}) {
          p->h = (p->h - cx) * factor + cx;
          p->v = (p->v - cy) * factor + cy;
        }
      }
    }
  }
  benchmark::DoNotOptimize(buffer.data());
  benchmark::ClobberMemory();
  return cpuSeconds() - start;
}

// The host's rounding of a double result to the engine's single precision.
AIReal single(double x) { return static_cast<AIReal>(x); }

// b + (a - b) * t in double, as the host interpolates two points.
AIRealPoint interpolate(const AIRealPoint& a, const AIRealPoint& b, AIReal t) {
  return {single(b.h + (static_cast<double>(a.h) - b.h) * t), single(b.v + (static_cast<double>(a.v) - b.v) * t)};
}

// What the point walk does to one segment, written out: the three points
// drawn toward the centre, the anchor's distance and angle from it, the
// anchor placed by cosine and sine at that distance less the offset, and the
// direction points following the anchor.
void movePoints(AIPathSegment& s, const AIRealPoint& centre, AIReal t, AIReal offset) {
  s.p = interpolate(centre, s.p, t);
  s.in = interpolate(centre, s.in, t);
  s.out = interpolate(centre, s.out, t);
  const double dh = static_cast<double>(s.p.h) - centre.h, dv = static_cast<double>(s.p.v) - centre.v;
  const AIReal length = single(std::hypot(dh, dv));
  const AIReal angle = single(std::atan2(dv, dh));
  const AIRealPoint in{s.in.h - s.p.h, s.in.v - s.p.v}, out{s.out.h - s.p.h, s.out.v - s.p.v};
  const AIReal radius = length - offset;
  s.p = {centre.h + single(std::cos(static_cast<double>(angle))) * radius,
         centre.v + single(std::sin(static_cast<double>(angle))) * radius};
  s.in = {in.h + s.p.h, in.v + s.p.v};
  s.out = {out.h + s.p.h, out.v + s.p.v};
}

// The copy loop with the point maths of the point walk before each scale,
// on every other segment (the walk moves about half of them, by a draw).
double pointLoopSeconds(const std::vector<Segments>& sources, std::vector<AIPathSegment>& buffer) {
  const double start = cpuSeconds();
  buffer.resize(sources.size() * kContoursPerPath * kSegments);
  AIPathSegment* out = buffer.data();
  volatile AIReal sharedT = 0.0f;  // kept from the compiler, as the run's value is
  const AIReal t = sharedT;
  for (const Segments& source : sources) {
    AIReal left = source[0].p.h, right = left, bottom = source[0].p.v, top = bottom;
    for (const AIPathSegment& s : source) {
      left = std::min(left, s.p.h), right = std::max(right, s.p.h);
      bottom = std::min(bottom, s.p.v), top = std::max(top, s.p.v);
    }
    const AIRealPoint centre{left + (right - left) * 0.5f, bottom + (top - bottom) * 0.5f};
    AIReal factor = 1.0f;
    for (int k = 0; k < kContoursPerPath; ++k) {
      factor = factor - 0.04f;
      const AIReal offset = 5.0f * static_cast<AIReal>(k);
      out = std::copy(source.begin(), source.end(), out);
      AIPathSegment* first = out - source.size();
      for (AIPathSegment* s = first; s != out; ++s) {
        if ((s - first) % 2 == 0) movePoints(*s, centre, t, offset);
        for (AIRealPoint* p : {&s->p, &s->in, &s->out}) {
          p->h = (p->h - centre.h) * factor + centre.h;
          p->v = (p->v - centre.v) * factor + centre.v;
        }
      }
    }
  }
  benchmark::DoNotOptimize(buffer.data());
  benchmark::ClobberMemory();
  return cpuSeconds() - start;
}

void report(benchmark::State& state, double engineSeconds, double plainSeconds) {
  const double n = static_cast<double>(state.iterations());
  state.counters["engine_ms"] = engineSeconds / n * 1e3;
  state.counters["plain_loop_ms"] = plainSeconds / n * 1e3;
  state.counters["ratio"] = engineSeconds / plainSeconds;
  state.SetItemsProcessed(state.iterations() * kPaths * kContoursPerPath * kSegments * 3);
}

using Baseline = double (*)(const std::vector<Segments>&, std::vector<AIPathSegment>&);

// One "AI Go" on 1,000 selected paths; the user's undo takes the document
// back between runs (not timed). `ratio` is against `baseline`; a point run
// also reports `copy_ratio`, against the plain copy loop.
void engineGo(benchmark::State& state, const ContourParams& params, Baseline baseline) {
  Bed bed(params);
  const std::vector<Segments> sources = shapes();
  std::vector<AIPathSegment> buffer;
  double engine = 0, plain = 0, copy = 0;
  for (auto _ : state) {
    const double start = cpuSeconds();
    const ASErr result = bed.harness.go();
    const double seconds = cpuSeconds() - start;
    if (result != kNoErr) state.SkipWithError("AI Go failed");
    state.SetIterationTime(seconds);
    engine += seconds;
    plain += baseline(sources, buffer);
    if (baseline != plainLoopSeconds) copy += plainLoopSeconds(sources, buffer);
    bed.harness.document().userUndo();
  }
  report(state, engine, plain);
  if (copy > 0) {
    state.counters["copy_loop_ms"] = copy / static_cast<double>(state.iterations()) * 1e3;
    state.counters["copy_ratio"] = engine / copy;
  }
}
void BM_EngineGo(benchmark::State& state) { engineGo(state, defaultRunParams(), plainLoopSeconds); }
BENCHMARK(BM_EngineGo)->UseManualTime()->MinTime(3.0)->Unit(benchmark::kMillisecond);

// The same run with point modification on, against a plain loop that does
// the same point maths: the ratio shows what walking every segment through
// the host adds.
void BM_EngineGoWithPoints(benchmark::State& state) { engineGo(state, pointRunParams(), pointLoopSeconds); }
BENCHMARK(BM_EngineGoWithPoints)->UseManualTime()->MinTime(3.0)->Unit(benchmark::kMillisecond);

// The preview cycle within one open command: every run first takes back the
// contours of the one before, then makes them again.
void BM_PreviewCycle(benchmark::State& state) {
  Bed bed;
  const std::vector<Segments> sources = shapes();
  std::vector<AIPathSegment> buffer;
  easel::host::PluginHost& host = bed.harness.host();
  host.beginCommand("Contour...");
  if (host.go() != kNoErr) state.SkipWithError("first run failed");
  double engine = 0, plain = 0;
  for (auto _ : state) {
    const double start = cpuSeconds();
    const ASErr result = host.go();
    const double seconds = cpuSeconds() - start;
    if (result != kNoErr) state.SkipWithError("run failed");
    state.SetIterationTime(seconds);
    engine += seconds;
    plain += plainLoopSeconds(sources, buffer);
  }
  host.endCommand();
  report(state, engine, plain);
}
BENCHMARK(BM_PreviewCycle)->UseManualTime()->MinTime(3.0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
