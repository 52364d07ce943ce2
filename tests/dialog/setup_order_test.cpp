// The init procedure's calls, read from the trace: each kind of item is set
// up with its calls in their order, and the lists get their procedures at
// their points.
#include <nlohmann/json.hpp>

#include "plugin/params/ItemIds.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

class SetupOrderTest : public DialogTest {
 protected:
  // The operations made on item `id` (on the item or its list) while the
  // dialog was built: up to the first notification, whose procedure starts
  // with the host's default handling.
  std::vector<std::string> setupOf(int32_t id) {
    std::vector<std::string> ops;
    for (const std::string& line : harness.trace()) {
      auto call = nlohmann::json::parse(line);
      if (call["op"] == "default notify") break;
      const auto& in = call["in"];
      if (in.contains("itemId") && in["itemId"] == id && call["op"] != "get item" && call["op"] != "get id")
        ops.push_back(call["op"]);
    }
    return ops;
  }
  using Ops = std::vector<std::string>;
};

TEST_F(SetupOrderTest, EachKindOfItemIsSetUpInItsOrder) {
  harness.clearTrace();
  ASSERT_EQ(open({}), kNoErr);
  EXPECT_EQ(setupOf(kScaleHEdit), (Ops{"create item", "set real value", "set minimum real", "set maximum real",
                                       "set units", "set precision", "set notify procedure"}));
  EXPECT_EQ(setupOf(kPathNumberEdit),
            (Ops{"create item", "set integer value", "set minimum integer", "set maximum integer", "set units",
                 "set notify procedure", "show or hide"}));
  EXPECT_EQ(setupOf(kZoomEdit), (Ops{"create item", "set units", "set minimum real", "set maximum real",
                                     "set precision", "set real value", "set notify procedure"}));
  EXPECT_EQ(setupOf(kFillSwatchEdit), (Ops{"create item", "set units", "set minimum integer", "set maximum integer",
                                           "set integer value", "set notify procedure", "show or hide"}));
  EXPECT_EQ(setupOf(kPathAlternateFlipCheck),
            (Ops{"create item", "set boolean value", "set notify procedure", "set text", "show or hide"}));
  EXPECT_EQ(setupOf(kRotationLabel), (Ops{"create item", "set text", "show or hide"}));
  EXPECT_EQ(setupOf(kCancelButton), (Ops{"create item", "set text"}));  // Cancel keeps the host's own handling
  EXPECT_EQ(setupOf(kRotationPick), (Ops{"create item", "set track procedure", "show or hide"}));
  EXPECT_EQ(setupOf(kStylePageButton), (Ops{"create item", "set notify procedure"}));
}

TEST_F(SetupOrderTest, ListsGetTheirProceduresAtTheirPoints) {
  harness.clearTrace();
  ASSERT_EQ(open({}), kNoErr);
  const std::string insert = "insert entry";
  auto filled = [&](Ops ops, int entries) {
    Ops all = {"get list"};
    for (int i = 0; i < entries; ++i) all.push_back(insert);
    all.insert(all.end(), ops.begin(), ops.end());
    return all;
  };
  // At creation: 140, 143 and 146.
  Ops atCreation = {"create item", "set notify procedure", "show or hide"};
  Ops rest146 = filled({"find entry by id"}, 11);
  atCreation.insert(atCreation.end(), rest146.begin(), rest146.end());
  EXPECT_EQ(setupOf(kPatternList), atCreation);
  // Before filling: 31, 34 and 35.
  Ops before = {"create item", "show or hide", "get list", "set notify procedure"};
  for (int i = 0; i < 11; ++i) before.push_back(insert);
  before.push_back("find entry by id");
  EXPECT_EQ(setupOf(kPointsVariationList), before);
  // After filling and choosing: 30, 32, 33 and 36.
  Ops after = {"create item", "show or hide"};
  Ops rest = filled({"find entry by id", "set notify procedure"}, 5);
  after.insert(after.end(), rest.begin(), rest.end());
  EXPECT_EQ(setupOf(kRotationCenterList), after);
}

}  // namespace
}  // namespace contour_test
