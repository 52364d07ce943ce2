#include "tests/dialog/DialogFixture.h"

#include <stdexcept>

namespace contour_test {

const std::vector<int32_t> kPageItems[6] = {
    {4, 5, 6, 9, 10, 32, 70, 71, 73, 56, 60, 61, 120, 121, 122},
    {11, 74, 33, 12, 75, 13, 14, 76, 123},
    {7, 36, 8, 72, 124, 125},
    {34, 35, 16, 17, 18, 19, 77, 78, 79, 126},
    {140, 142, 141, 143, 145, 144, 146, 31, 15, 20, 80},
    {51, 57, 50, 53, 52, 54, 55, 58, 59},
};

namespace {

// Items shown on every page.
const std::vector<int32_t> kEveryPage = {2,   3,   21,  30,  90,  91,  100, 101, 102,
                                         103, 104, 105, 106, 107, 108, 109, 110, 111};

AIPathSegment corner(AIReal x, AIReal y) { return {{x, y}, {x, y}, {x, y}, 1}; }
}  // namespace

DialogTest::DialogTest() {
  layer = doc().addLayer("Layer 1");
  square = doc().createArt(easel::ArtType::Path, layer, easel::Place::InsideOnBottom);
  doc().setSegments(square, {corner(100, 100), corner(200, 100), corner(200, 200), corner(100, 200)}, true);
  doc().setSelected(square, true);
}

ASErr DialogTest::open(const std::vector<Event>& script) { return harness.getParameters(script); }

namespace {

class ObservedScript : public easel::adm::EventSource {
 public:
  ObservedScript(std::vector<Event> events, std::function<void(std::size_t)> before)
      : events_(std::move(events)), before_(std::move(before)) {}
  std::optional<Event> next(const easel::adm::Dialog&) override {
    if (played_ <= events_.size()) before_(played_);
    if (played_ >= events_.size()) {
      played_ = events_.size() + 1;  // the hook runs once at the end
      return std::nullopt;
    }
    return events_[played_++];
  }

 private:
  std::vector<Event> events_;
  std::function<void(std::size_t)> before_;
  std::size_t played_ = 0;
};

}  // namespace

ASErr DialogTest::open(const std::vector<Event>& script, std::function<void(std::size_t)> before) {
  harness.dialogs().setEventSource(std::make_shared<ObservedScript>(script, std::move(before)));
  harness.host().beginCommand("Contour...");
  return harness.host().getParameters();
}

void DialogTest::close() { harness.host().endCommand(); }

const easel::adm::ShownDialog& DialogTest::dialog() const {
  const auto* shown = const_cast<PluginHarness&>(harness).dialogs().lastShown("Tesk_Contour");
  if (shown == nullptr) throw std::logic_error("the settings dialog was not shown");
  return *shown;
}

const easel::adm::Item& DialogTest::item(int32_t id) const {
  const auto* found = dialog().findItem(id);
  if (found == nullptr) throw std::logic_error("the settings dialog has no item " + std::to_string(id));
  return *found;
}

int32_t DialogTest::chosen(int32_t listId) const {
  const auto* active = item(listId).activeEntry();
  return active ? active->id : -1;
}

void DialogTest::expectPage(int page) const {
  for (int p = 1; p <= 6; ++p)
    for (int32_t id : kPageItems[p - 1]) EXPECT_EQ(item(id).shown, p == page) << "item " << id << ", page " << page;
  for (int32_t id : kEveryPage) EXPECT_TRUE(item(id).shown) << "item " << id;
  for (int32_t label = 106; label <= 111; ++label)
    EXPECT_EQ(item(label).font, label == 105 + page ? kADMEmphasizedFont : kADMDefaultFont) << "label " << label;
}

ContourParams& DialogTest::record() {
  ContourParams* params = harness.params();
  if (params == nullptr) throw std::logic_error("the plug-in has no parameter block");
  return *params;
}

std::size_t DialogTest::layerCount() const {
  std::size_t n = 0;
  const auto& d = const_cast<DialogTest*>(this)->doc();
  for (easel::ArtRef a = d.firstChild(layer); a; a = d.nextSibling(a)) ++n;
  return n;
}

}  // namespace contour_test
