// Gathering the selection when the dialog opens takes time in proportion to
// the art: a compound path of many members is gathered in about as many steps
// as it has members, not in their square.
#include <ctime>

#include "easel/core/Document.h"
#include "tests/dialog/DialogFixture.h"

namespace contour_test {
namespace {

using easel::ArtRef;
using easel::ArtType;
using easel::Place;

TEST_F(DialogTest, GatheringAManyMemberedCompoundPathTakesTimeInProportionToIt) {
  ContourParams params = defaultParams();
  params.previewOn = 0;  // the opening gathers and shows, nothing more
  doc().setSelected(square, false);
  // Processor seconds to open and cancel the dialog on a compound path of
  // `members` squares, each its own selected member.
  auto openOn = [&](int members) {
    const ArtRef compound = doc().createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
    for (int i = 0; i < members; ++i) {
      const ArtRef member = doc().createArt(ArtType::Path, compound, Place::InsideOnBottom);
      const AIReal x = static_cast<AIReal>(i % 200) * 3, y = static_cast<AIReal>(i / 200) * 3;
      doc().setSegments(member,
                        {{{x, y}, {x, y}, {x, y}, false},
                         {{x + 2, y}, {x + 2, y}, {x + 2, y}, false},
                         {{x + 2, y + 2}, {x + 2, y + 2}, {x + 2, y + 2}, false}},
                        true);
    }
    doc().setSelected(compound, true);
    harness.setParams(params);
    const std::clock_t start = std::clock();
    EXPECT_EQ(open({Event::end(2)}), kUserCanceledErr);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    close();
    doc().setSelected(compound, false);
    return seconds;
  };
  openOn(500);  // the module and the host warmed up
  const double small = openOn(5000), large = openOn(40000);
  // Eight times the members: about eight times the time; a scan of every
  // gathered entry for each member would take 64 times as long.
  EXPECT_LT(large, 20 * small + 0.05) << small << " s for 5,000 members, " << large << " s for 40,000";
}

}  // namespace
}  // namespace contour_test
