// The runs the editor knows: the one the selection asks for, and the runs
// made here, forgotten once none of their contours can come back.
#include <gtest/gtest.h>

#include <string>

#include "easel/host/ParamsJson.h"
#include "easel/svg/SvgImport.h"
#include "easel/web/EditorRuns.h"

namespace {

using namespace easel;

TEST(EditorRunsTest, TheSelectedRunFollowsTheDocumentAndUndoneRunsAreForgotten) {
  svg::ImportedSvg in = svg::importSvg(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100"><path id="sq" d="M1 1H9V9Z"/></svg>)",
      "d.svg");
  Document& doc = *in.document;
  web::EditorRuns runs(doc, in.source);
  const ArtRef source = doc.firstChild(doc.firstLayer());
  // What a filter run does: copies of the source in one command.
  auto contour = [&] {
    const uint64_t born = web::lastBirth(doc);
    doc.beginCommand("Contour");
    const ArtRef copy = doc.duplicate(source, source, Place::Above);
    doc.endCommand();
    runs.recordRun(doc, born, host::defaultContourParams(), std::nullopt);
    return copy;
  };
  const ArtRef first = contour();
  EXPECT_FALSE(runs.selectedRun(doc).has_value());  // nothing selected
  doc.setSelected(first, true);
  ASSERT_TRUE(runs.selectedRun(doc).has_value());
  EXPECT_EQ(runs.selectedRun(doc)->contours, std::vector<ArtRef>{first});
  EXPECT_EQ(runs.selectedRun(doc)->sources, std::vector<ArtRef>{source});
  ASSERT_TRUE(doc.userUndo());
  EXPECT_FALSE(runs.selectedRun(doc).has_value());  // its contour is out
  ASSERT_TRUE(doc.userRedo());
  EXPECT_TRUE(runs.selectedRun(doc).has_value());
  // Filter, OK, Undo over and over: only the run that may still be redone is kept.
  ASSERT_TRUE(doc.userUndo());
  for (int i = 0; i < 5; ++i) {
    contour();
    ASSERT_TRUE(doc.userUndo());
  }
  EXPECT_EQ(runs.madeRunCount(), 1u);
  doc.setSelected(source, true);
  EXPECT_FALSE(runs.selectedRun(doc).has_value());
  ASSERT_TRUE(doc.userRedo());
  EXPECT_TRUE(runs.selectedRun(doc).has_value());  // by its source
}

}  // namespace
