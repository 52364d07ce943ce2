// The editor's host on one thread with the page's messages, as the page's
// worker runs it: requests taken only when the host asks, answers sent back
// by the page's ids, the progress pushed a few times a second, and a Cancel
// that stops a long preview through the page's stop and leaves the drawing
// as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "easel/svg/SvgImport.h"
#include "easel/web/EditorHost.h"
#include "easel/web/MessageTransport.h"
#include "tests/support/ScratchFolder.h"

namespace {

using namespace easel::web;
using Clock = std::chrono::steady_clock;

// A grid of ten-pointed stars.
std::string stars(int count) {
  std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='560' height='740'>";
  for (int i = 0; i < count; ++i) {
    const double cx = 40 + (i % 10) * 52, cy = 40 + (i / 10) * 70;
    svg += "<path fill='#6090c0' d='M";
    for (int k = 0; k < 10; ++k) {
      const double r = k % 2 == 0 ? 20 : 9, a = M_PI / 2 + k * M_PI / 5;
      svg += " " + std::to_string(cx + r * std::cos(a)) + "," + std::to_string(cy - r * std::sin(a));
    }
    svg += " Z'/>";
  }
  return svg + "</svg>";
}

// The page: its requests in order, and what came back.
struct ScriptedPage : PageLink {
  std::deque<PageMessage> script;
  std::vector<uint64_t> answered;  // ids, in the order answered
  std::map<uint64_t, Reply> answers;
  std::map<uint64_t, Clock::time_point> answeredAt;
  std::vector<BusyRun::Progress> pushed;
  std::function<bool()> stop = [] { return false; };
  uint64_t nextId = 1;

  void send(std::string name, std::string body = "") {
    PageMessage m;
    m.id = nextId++;
    m.name = std::move(name);
    m.body = std::move(body);
    m.order = m.id;
    m.page = "p";
    script.push_back(std::move(m));
  }
  std::optional<PageMessage> next() override {
    if (script.empty()) return std::nullopt;
    PageMessage m = std::move(script.front());
    script.pop_front();
    return m;
  }
  bool stopAsked() override { return stop(); }
  void answer(uint64_t id, const Reply& reply) override {
    answered.push_back(id);
    answers[id] = reply;
    answeredAt[id] = Clock::now();
  }
  void progress(const BusyRun::Progress& p) override { pushed.push_back(p); }
};

struct Served {
  contour_test::ScratchFolder scratch{"contour-message-transport-"};
  std::optional<EditorHost> host;
  explicit Served(int starCount, std::size_t budget = easel::Document::kDefaultMemoryBudget) {
    scratch.write("stars.svg", stars(starCount));
    host.emplace(easel::svg::importSvg(stars(starCount), scratch.path("stars.svg"), budget),
                 EditorOptions{scratch.path("stars.svg"), CONTOUR_PLUGIN_PATH, 7, {}, budget});
  }
};

TEST(MessageTransport, AnswersEveryRequestByItsIdOnTheOneThread) {
  Served served(3);
  ScriptedPage page;
  page.send("state");
  page.send("select", R"({"all": true})");
  page.send("close");
  page.send("select", "[1]");
  EXPECT_EQ(MessageTransport(*served.host, page).run(), std::nullopt);  // returns once the page has gone
  ASSERT_EQ(page.answered, (std::vector<uint64_t>{1, 2, 3, 4}));
  EXPECT_EQ(page.answers[1].status, 200);
  EXPECT_FALSE(page.answers[1].geometry.empty());  // the page paints the stars from geometry
  EXPECT_TRUE(page.answers[2].body["ok"].get<bool>());
  EXPECT_EQ(page.answers[3].status, 404);
  EXPECT_EQ(page.answers[4].status, 400);
}

TEST(MessageTransport, ADroppedDrawingComesWithItsRequest) {
  Served served(2);
  ScriptedPage page;
  page.send("drop", R"({"name": "dropped.svg"})");
  page.script.back().upload = stars(1);
  MessageTransport(*served.host, page).run();
  ASSERT_EQ(page.answers[1].status, 200) << page.answers[1].body.dump();
  EXPECT_EQ(page.answers[1].body["file"], "dropped.svg");
  EXPECT_EQ(served.scratch.read("dropped.svg"), stars(1));  // kept beside the first drawing
}

TEST(MessageTransport, TheRecoveryHoldsTheChangesNotSaved) {
  Served served(2);
  ScriptedPage page;
  page.send("recovery");
  page.send("select", R"({"all": true})");
  page.send("filter");
  page.send("dialog", R"([{"end": 1}])");  // OK
  page.send("recovery");
  page.send("save");
  page.send("recovery");
  MessageTransport(*served.host, page).run();
  ASSERT_EQ(page.answered.size(), 7u);
  EXPECT_TRUE(page.answers[1].body["recovery"].is_null());  // nothing changed yet
  const std::string kept = page.answers[5].body["recovery"].get<std::string>();
  std::size_t paths = 0;
  for (std::size_t at = kept.find("<path"); at != std::string::npos; at = kept.find("<path", at + 1)) ++paths;
  EXPECT_GT(paths, 2u) << "the contours are in the copy";
  EXPECT_EQ(served.scratch.read("stars.svg"), kept);  // Save wrote the same drawing
  EXPECT_TRUE(page.answers[7].body["recovery"].is_null());
}

TEST(MessageTransport, ACancelStopsALongPreviewAndLeavesTheDrawingAsItWas) {
  Served served(2000);
  ScriptedPage page;
  page.send("select", R"({"all": true})");
  page.send("filter");
  page.send("dialog", R"([{"item": 16, "value": 50}])");  // each contour's points moved: slow contours
  page.send("dialog", R"([{"item": 4, "value": 200}])");  // 201 contours of each star
  page.send("cancel");
  std::optional<Clock::time_point> asked;
  page.stop = [&] {
    const BusyRun::Progress& last = page.pushed.back();
    if (!asked && last.total == 2000u * 201 && last.made > 2000) asked = Clock::now();
    return asked.has_value();
  };
  MessageTransport(*served.host, page).run();
  ASSERT_TRUE(asked) << "the long preview never ran";
  ASSERT_EQ(page.answered.back(), 5u);  // the cancel, answered last
  const Reply& cancelled = page.answers[5];
  EXPECT_TRUE(page.answers[4].body.value("superseded", false));  // a stopped preview is never shown
  EXPECT_TRUE(cancelled.body["dialog"].is_null());
  EXPECT_FALSE(cancelled.body["modified"].get<bool>());
  EXPECT_TRUE(cancelled.body["undo"]["undo"].is_null());
  // Stopped long before its end, and the page heard of it a few times a second, the end included.
  uint64_t mostMade = 0;
  for (const auto& p : page.pushed) mostMade = std::max(mostMade, p.made);
  EXPECT_LT(mostMade, 2000u * 201 / 2);
  EXPECT_FALSE(page.pushed.back().running);
  EXPECT_LT(page.pushed.size(), 400u);
  // The page's Cancel is answered, the preview taken back, soon after the stop was asked
  // (a generous bound: the sanitizers' build is slow).
  const auto ms = std::chrono::duration<double, std::milli>(page.answeredAt[5] - *asked).count();
  RecordProperty("cancel_ms", std::to_string(ms));
  EXPECT_LT(ms, 1000);
}

// The plug-in ends a run that the memory budget cuts short as if it were
// done: a preview says so, and OK takes the run back whole, not a part of
// it; a preview that fits again is kept.
TEST(MessageTransport, ARunPastTheMemoryBudgetIsSaidAndTakenBack) {
  const std::string past = "the contours need more than the memory budget of 1 MB";
  for (const bool fitsAgain : {false, true}) {
    Served served(20, std::size_t{1} << 20);
    ScriptedPage page;
    page.send("select", R"({"all": true})");
    page.send("filter");
    page.send("dialog", R"([{"item": 4, "value": 200}])");
    if (fitsAgain) page.send("dialog", R"([{"item": 4, "value": 12}])");
    page.send("dialog", R"([{"end": 1}])");
    MessageTransport(*served.host, page).run();
    EXPECT_EQ(page.answers[2].body["messages"], nlohmann::json::array());  // 12 contours each fit
    EXPECT_EQ(page.answers[3].body["messages"], nlohmann::json::array({past + ": the preview shows those that fit"}));
    const Reply& accepted = page.answers[page.nextId - 1];
    EXPECT_EQ(accepted.status, fitsAgain ? 200 : 409) << fitsAgain;
    EXPECT_EQ(accepted.body.value("error", ""), fitsAgain ? "" : past + ": the document is as it was");
    EXPECT_TRUE(accepted.body["dialog"].is_null());
    EXPECT_EQ(accepted.body["modified"].get<bool>(), fitsAgain);
    EXPECT_EQ(accepted.body["undo"]["undo"].is_null(), !fitsAgain);
  }
}

}  // namespace
