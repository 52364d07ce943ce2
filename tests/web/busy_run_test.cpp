// Following and stopping the host's run from other threads: a stop reaches
// the run only while a stoppable run goes on, and none outlives the run (it
// would fail the call that takes the preview back).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "easel/web/BusyRun.h"

namespace {

using easel::RunWatch;
using easel::web::BusyRun;

struct StopCase {
  std::string name;
  std::function<void(BusyRun&)> before;  // the host thread's side, before the stop is asked
  bool stops;                            // the stop reaches the run
};

TEST(BusyRun, AStopReachesOnlyARunningStoppableRun) {
  const std::vector<StopCase> cases = {
      {"a preview running", [](BusyRun& b) { b.begin(true); }, true},
      {"the dialog's first preview, made stoppable",
       [](BusyRun& b) {
         b.begin(false);
         b.setStoppable(true);
       },
       true},
      {"the final run", [](BusyRun& b) { b.begin(false); }, false},
      {"the dialog closed during the run",
       [](BusyRun& b) {
         b.begin(true);
         b.setStoppable(false);
       },
       false},
      {"the run has ended",
       [](BusyRun& b) {
         b.begin(true);
         b.end();
       },
       false},
      {"nothing ran yet", [](BusyRun&) {}, false},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    RunWatch watch;
    BusyRun busy;
    busy.attach(&watch);
    c.before(busy);
    EXPECT_EQ(busy.stop(), c.stops);
    EXPECT_EQ(watch.stopPending(), c.stops);
    EXPECT_EQ(watch.takeStop(), c.stops);  // the plug-in's calls fail exactly when stopped
  }
}

TEST(BusyRun, AStopNoCallTookIsDroppedWhenTheRunEndsOrMayNoLongerStop) {
  for (const bool byEnd : {true, false}) {
    RunWatch watch;
    BusyRun busy;
    busy.attach(&watch);
    busy.begin(true);
    ASSERT_TRUE(busy.stop());
    if (byEnd) EXPECT_FALSE(busy.end());  // no call failed: the run was not stopped
    else
      busy.setStoppable(false);
    EXPECT_FALSE(watch.takeStop()) << (byEnd ? "end" : "no longer stoppable");
  }
}

TEST(BusyRun, TheEndTellsWhetherAStopEndedTheRunOnce) {
  RunWatch watch;
  BusyRun busy;
  busy.attach(&watch);
  busy.begin(true);
  ASSERT_TRUE(busy.stop());
  ASSERT_TRUE(watch.takeStop());  // the plug-in's calls fail
  EXPECT_TRUE(busy.end());
  busy.begin(true);  // the next preview was not stopped
  EXPECT_FALSE(busy.end());
}

TEST(BusyRun, WithoutASessionNothingIsStopped) {
  RunWatch watch;
  BusyRun busy;
  busy.attach(&watch);
  busy.attach(nullptr);  // the session has ended
  busy.begin(true);
  EXPECT_FALSE(busy.stop());
  EXPECT_FALSE(watch.stopPending());
}

TEST(BusyRun, ProgressCountsTheContoursOfTheCurrentRunFromAnyThread) {
  BusyRun busy;
  busy.begin(true);
  busy.setTotal(6);
  std::thread host([&] {
    for (int i = 0; i < 4; ++i) busy.copied();
  });
  host.join();
  BusyRun::Progress p = busy.progress();
  EXPECT_TRUE(p.running && p.stoppable);
  EXPECT_EQ(p.made, 4u);
  EXPECT_EQ(p.total, 6u);
  busy.end();
  EXPECT_FALSE(busy.progress().running);
  busy.begin(false);  // a new run starts from nothing
  p = busy.progress();
  EXPECT_EQ(p.made, 0u);
  EXPECT_EQ(p.total, 0u);
  EXPECT_EQ(busy.copied(), 1u);
}

TEST(BusyRun, TheListenerIsToldOfEachChangeAndMayStopTheRun) {
  RunWatch watch;
  BusyRun busy;
  busy.attach(&watch);
  std::vector<BusyRun::Progress> told;
  busy.setListener([&](const BusyRun::Progress& p) {
    told.push_back(p);
    if (p.made == 2) busy.stop();  // a worker reads the page's stop flag here
  });
  busy.begin(true);
  busy.setTotal(5);
  busy.copied();
  busy.copied();
  EXPECT_TRUE(watch.stopPending());
  busy.end();
  ASSERT_EQ(told.size(), 5u);
  EXPECT_TRUE(told[0].running && told[0].stoppable && told[0].made == 0);
  EXPECT_EQ(told[1].total, 5u);
  EXPECT_EQ(told[3].made, 2u);
  EXPECT_FALSE(told[4].running);
}

}  // namespace
