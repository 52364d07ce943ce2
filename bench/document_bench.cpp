// The document at scale, through the suites the plug-in calls: 100,000 paths
// of 100 segments (10 million segments) are built, each duplicated (paint
// order 5) and transformed (flags 15) in one command, and the command's
// changes taken back. The duplicate-and-transform pass is compared with a
// plain loop in this program that copies and transforms the same points; the
// ratio is reported. A second benchmark takes back a small change in the big
// document and in a small one: undo costs the changes, not the document.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "easel/core/Document.h"
#include "easel/core/Session.h"
#include "easel/suites/Suites.h"

namespace {

constexpr int kObjects = 100'000;
constexpr int kSegments = 100;

using Clock = std::chrono::steady_clock;
using Segments = std::vector<AIPathSegment>;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A closed polygon of kSegments anchors on a circle.
Segments ring(float cx, float cy) {
  Segments segments(kSegments);
  for (int i = 0; i < kSegments; ++i) {
    const double a = 2 * std::numbers::pi * i / kSegments;
    const AIRealPoint p{cx + static_cast<float>(5 * std::cos(a)), cy + static_cast<float>(5 * std::sin(a))};
    segments[i] = {p, p, p, 1};
  }
  return segments;
}

// A session holding the suites, with a document of `objects` rings.
struct Bed {
  easel::Session session;
  easel::SessionScope scope{session};
  std::vector<AIArtHandle> art;
  double buildSeconds = 0;

  explicit Bed(int objects) {
    for (auto id : {easel::SuiteId::AIArt, easel::SuiteId::AITransformArt, easel::SuiteId::AIUndo}) session.acquire(id);
    const auto start = Clock::now();
    easel::Document& doc = session.document();
    const easel::ArtRef layer = doc.addLayer("Layer 1");
    art.reserve(static_cast<std::size_t>(objects));
    for (int i = 0; i < objects; ++i) {
      const easel::ArtRef path = doc.createArt(easel::ArtType::Path, layer, easel::Place::InsideOnBottom);
      doc.setSegments(path, ring(static_cast<float>(i % 400) * 12, static_cast<float>(i / 400) * 12), true);
      art.push_back(path.handle());
    }
    buildSeconds = secondsSince(start);
  }
};

constexpr AIRealMatrix kMatrix{0.96f, 0, 0, 0.96f, 1.5f, -2.5f};

// The baseline: copy every path's points and transform the copies.
double plainLoopSeconds(const easel::Document& doc, const std::vector<AIArtHandle>& art) {
  std::vector<Segments> copies;
  copies.reserve(art.size());
  const auto start = Clock::now();
  for (AIArtHandle a : art) {
    Segments copy = doc.content(easel::ArtRef::fromHandle(a)).segments.toVector();
    for (auto& s : copy) {
      for (AIRealPoint* p : {&s.p, &s.in, &s.out}) {
        const float x = p->h, y = p->v;
        p->h = kMatrix.a * x + kMatrix.c * y + kMatrix.tx;
        p->v = kMatrix.b * x + kMatrix.d * y + kMatrix.ty;
      }
    }
    copies.push_back(std::move(copy));
  }
  const double seconds = secondsSince(start);
  benchmark::DoNotOptimize(copies.data());
  return seconds;
}

void DuplicateTransformUndo(benchmark::State& state) {
  Bed bed(kObjects);
  easel::Document& doc = bed.session.document();
  const AIArtSuite& artSuite = *easel::suites::art();
  const AITransformArtSuite& transform = *easel::suites::transformArt();
  const AIUndoSuite& undo = *easel::suites::undo();
  double baseline = 0, work = 0, undoing = 0;
  std::size_t changes = 0;
  for (auto _ : state) {
    baseline += plainLoopSeconds(doc, bed.art);
    doc.beginCommand("Contour");
    auto start = Clock::now();
    for (AIArtHandle a : bed.art) {
      AIArtHandle copy = nullptr;
      if (artSuite.duplicateArt(a, kPlaceAboveAll, a, &copy) != kNoErr ||
          transform.transformArt(copy, &kMatrix, 1, 15) != kNoErr) {
        state.SkipWithError("a suite call failed");
        return;
      }
    }
    const double pass = secondsSince(start);
    work += pass;
    changes = doc.pendingChanges();
    start = Clock::now();
    undo.undoChanges();
    const double back = secondsSince(start);
    undoing += back;
    doc.endCommand();
    state.SetIterationTime(pass + back);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["objects"] = kObjects;
  state.counters["segments"] = static_cast<double>(kObjects) * kSegments;
  state.counters["build_s"] = bed.buildSeconds;
  state.counters["baseline_s"] = baseline / n;
  state.counters["dup_transform_s"] = work / n;
  state.counters["undo_s"] = undoing / n;
  state.counters["undo_changes"] = static_cast<double>(changes);
  state.counters["ratio_to_plain_loop"] = work / baseline;
}
BENCHMARK(DuplicateTransformUndo)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// Duplicate and transform 100 objects, then take them back, in a document of
// `state.range(0)` objects: the time should not grow with the document.
void SmallCommandUndo(benchmark::State& state) {
  Bed bed(static_cast<int>(state.range(0)));
  easel::Document& doc = bed.session.document();
  const AIArtSuite& artSuite = *easel::suites::art();
  const AITransformArtSuite& transform = *easel::suites::transformArt();
  const AIUndoSuite& undo = *easel::suites::undo();
  doc.beginCommand("Contour");
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) {
      AIArtHandle a = bed.art[static_cast<std::size_t>(i)], copy = nullptr;
      artSuite.duplicateArt(a, kPlaceAboveAll, a, &copy);
      transform.transformArt(copy, &kMatrix, 1, 15);
      transform.transformArt(a, &kMatrix, 1, 15);  // a change to art from before
    }
    undo.undoChanges();
  }
  doc.endCommand();
  state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(SmallCommandUndo)->Unit(benchmark::kMicrosecond)->Arg(1'000)->Arg(kObjects);

}  // namespace

BENCHMARK_MAIN();
