// Edit Contour... on a run that deleted its sources: the run is made again
// from the copies the drawing keeps, so that OK with nothing changed gives
// back the same drawing, however often, and not a smaller one each time.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "easel/svg/SvgImport.h"
#include "easel/web/EditorHost.h"
#include "easel/web/MessageTransport.h"
#include "tests/support/ScratchFolder.h"

namespace {

using namespace easel::web;

// The page: its requests in order, and the answers by id.
struct ScriptedPage : PageLink {
  std::deque<PageMessage> script;
  std::map<uint64_t, Reply> answers;
  uint64_t nextId = 1;

  uint64_t send(std::string name, std::string body = "") {
    PageMessage m;
    m.id = m.order = nextId++;
    m.name = std::move(name);
    m.body = std::move(body);
    m.page = "p";
    script.push_back(std::move(m));
    return m.id;
  }
  std::optional<PageMessage> next() override {
    if (script.empty()) return std::nullopt;
    PageMessage m = std::move(script.front());
    script.pop_front();
    return m;
  }
  bool stopAsked() override { return false; }
  void answer(uint64_t id, const Reply& reply) override { answers[id] = reply; }
  void progress(const BusyRun::Progress&) override {}
};

// An editor session on the file: the page's requests, then Save.
std::string edited(contour_test::ScratchFolder& scratch, const std::string& name, void (*requests)(ScriptedPage&)) {
  EditorHost host(easel::svg::importSvg(scratch.read(name), scratch.path(name)),
                  EditorOptions{scratch.path(name), CONTOUR_PLUGIN_PATH, 7, {}});
  ScriptedPage page;
  page.send("select", R"({"all": true})");
  requests(page);
  const uint64_t save = page.send("save");
  MessageTransport(host, page).run();
  EXPECT_EQ(page.answers[save].status, 200) << page.answers[save].body.dump();
  return scratch.read(name);
}

TEST(EditContourKept, OkWithNothingChangedRepeatsARunThatDeletedItsSources) {
  contour_test::ScratchFolder scratch("contour-edit-contour-kept-");
  scratch.write("d.svg",
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"200\">\n"
                "  <rect id=\"a\" x=\"20\" y=\"20\" width=\"60\" height=\"60\" fill=\"#3366cc\"/>\n"
                "  <circle id=\"b\" cx=\"140\" cy=\"140\" r=\"40\"/>\n"
                "</svg>\n");
  // Contour... with "delete the original paths" on, then OK.
  const std::string once = edited(scratch, "d.svg", [](ScriptedPage& page) {
    page.send("filter");
    page.send("dialog", R"([{"item": 55, "press": true}, {"end": 1}])");
  });
  ASSERT_NE(once.find("pathDelete=\"1\""), std::string::npos) << once;
  ASSERT_NE(once.find("<contour:kept n=\"1\">"), std::string::npos) << once;
  for (int i = 0; i < 2; ++i) {
    const std::string again = edited(scratch, "d.svg", [](ScriptedPage& page) {
      page.send("editContour");
      page.send("dialog", R"([{"end": 1}])");
    });
    EXPECT_EQ(again, once) << "Edit Contour, OK, time " << i + 1;
  }
  // Undone, the run stands again, and its sources are out of sight again: Select All passes them by.
  ScriptedPage page;
  EditorHost host(easel::svg::importSvg(once, scratch.path("d.svg")),
                  EditorOptions{scratch.path("d.svg"), CONTOUR_PLUGIN_PATH, 7, {}});
  const uint64_t before = page.send("select", R"({"all": true})");
  page.send("editContour");
  page.send("dialog", R"([{"end": 1}])");
  page.send("undo");
  const uint64_t after = page.send("select", R"({"all": true})");
  MessageTransport(host, page).run();
  EXPECT_EQ(page.answers[after].body["selection"].size(), page.answers[before].body["selection"].size())
      << page.answers[after].body.dump().substr(0, 300);
}

}  // namespace
