// Which caller/selector pairs the entry point answers, and how it holds the
// suites around each call.
#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "easel/adm/EventSource.h"

namespace contour_test {
namespace {

int countOps(PluginHarness& h, const char* name) {
  int n = 0;
  for (auto& op : hostOperations(h)) n += op["op"] == name;
  return n;
}

TEST(Dispatch, AccessMessagesAcquireNothing) {
  PluginHarness h;
  h.clearTrace();
  SPMessageData message{};
  EXPECT_EQ(h.host().send("SP Access", "Something else", &message), kNoErr);
  EXPECT_EQ(countOps(h, "acquire suite"), 0);
  EXPECT_EQ(countOps(h, "release suite"), 0);
}

TEST(Dispatch, PairsWithoutHandlersAnswerZero) {
  PluginHarness h;
  SPMessageData message{};
  EXPECT_EQ(h.host().send("SP Interface", "Something else", &message), kNoErr);
  EXPECT_EQ(h.host().send("Another Caller", "AI Go", &message), kNoErr);
  EXPECT_EQ(h.host().menuMessage("AI Update"), kNoErr);
  AIFilterMessage filterMessage{};
  EXPECT_EQ(h.host().send("AI Filter", "Something else", &filterMessage.d), kNoErr);
  EXPECT_TRUE(errorDialogs(h).empty());
  // Every call that acquired the suites released them all again.
  EXPECT_EQ(countOps(h, "acquire suite"), countOps(h, "release suite"));
}

TEST(Dispatch, MenuGoIsNotAValidSelection) {
  PluginHarness h;
  EXPECT_EQ(h.host().menuMessage("AI Go"), kBadSelectionErr);
  auto shown = errorDialogs(h);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first, "The selection is not valid for this filter.");
  EXPECT_EQ(shown[0].second, "!sel");
}

// Sends another message to the plug-in from inside its settings dialog, as a
// host does when it calls back during a modal run, then cancels.
class NestedCallSource : public easel::adm::EventSource {
 public:
  explicit NestedCallSource(PluginHarness& h) : h_(h) {}
  std::optional<easel::adm::Event> next(const easel::adm::Dialog&) override {
    if (!sent_) {
      sent_ = true;
      before_ = h_.trace().size();
      SPMessageData message{};
      nestedResult_ = h_.host().send("SP Interface", "Something else", &message);
      after_ = h_.trace().size();
    }
    return easel::adm::Event::end(2);
  }
  PluginHarness& h_;
  bool sent_ = false;
  std::size_t before_ = 0, after_ = 0;
  ASErr nestedResult_ = -1;
};

TEST(Dispatch, ANestedCallNeitherAcquiresNorReleases) {
  PluginHarness h;
  auto source = std::make_unique<NestedCallSource>(h);
  NestedCallSource* nested = source.get();
  h.dialogs().setEventSource(std::move(source));
  h.host().beginCommand("Contour...");
  EXPECT_EQ(h.host().getParameters(), kUserCanceledErr);
  h.host().endCommand();
  ASSERT_TRUE(nested->sent_);
  EXPECT_EQ(nested->nestedResult_, kNoErr);
  const auto& lines = h.trace();
  for (std::size_t i = nested->before_; i < nested->after_; ++i) {
    auto op = nlohmann::json::parse(lines[i]);
    EXPECT_NE(op["op"], "acquire suite") << lines[i];
    EXPECT_NE(op["op"], "release suite") << lines[i];
  }
  // After the outer call every suite is released: a new call acquires them all.
  h.clearTrace();
  EXPECT_EQ(h.host().about(), kNoErr);
  EXPECT_EQ(countOps(h, "acquire suite"), 26);
  EXPECT_EQ(countOps(h, "release suite"), 26);
  EXPECT_TRUE(h.session().misuses().empty());
}

}  // namespace
}  // namespace contour_test
