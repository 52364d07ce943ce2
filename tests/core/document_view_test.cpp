#include <limits>

#include "SuiteFixture.h"
#include "easel/core/ViewState.h"

namespace easel::test {
namespace {

class DocumentViewTest : public SuiteTest {
 protected:
  const AIDocumentViewSuite& views = *suites::documentView();
  const AIDocumentSuite& document = *suites::document();
};

TEST_F(DocumentViewTest, ViewPointsAreZoomedFromTheOriginWithYDown) {
  AIDocumentViewHandle view = nullptr;
  ASSERT_EQ(views.getNthDocumentView(0, &view), kNoErr);
  ASSERT_EQ(views.setDocumentViewZoom(view, 2), kNoErr);
  session.view().setOrigin({100, 500});
  const AIRealPoint viewPoint{40, 60};
  AIRealPoint art{};
  ASSERT_EQ(views.viewPointToArtworkPoint(view, &viewPoint, &art), kNoErr);
  // 40 pixels right at 200 % is 20 points; 60 pixels down is 30 points down.
  EXPECT_EQ(art.h, 120);
  EXPECT_EQ(art.v, 470);
  AIRealPoint back{};
  ASSERT_EQ(views.artworkPointToViewPoint(view, &art, &back), kNoErr);
  EXPECT_EQ(back.h, 40);
  EXPECT_EQ(back.v, 60);
}

TEST_F(DocumentViewTest, ThereIsOneViewAndBadZoomsAreRefused) {
  AIDocumentViewHandle view = nullptr;
  EXPECT_EQ(views.getNthDocumentView(1, &view), kBadParameterErr);
  EXPECT_EQ(view, nullptr);
  ASSERT_EQ(views.getNthDocumentView(0, &view), kNoErr);
  for (AIReal zoom : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()})
    EXPECT_EQ(views.setDocumentViewZoom(view, zoom), kBadParameterErr);
  AIReal zoom = 0;
  ASSERT_EQ(views.getDocumentViewZoom(view, &zoom), kNoErr);
  EXPECT_EQ(zoom, 1);
  EXPECT_EQ(views.setDocumentViewZoom(reinterpret_cast<AIDocumentViewHandle>(h(layer)), 2), kBadHandleErr);
}

TEST_F(DocumentViewTest, SetupGivesThePageSizeFirstAndRedrawsAreCounted) {
  doc().setPageSize(800, 600);
  AIDocumentSetup setup{};
  ASSERT_EQ(document.getDocumentSetup(&setup), kNoErr);
  EXPECT_EQ(setup.width, 800);
  EXPECT_EQ(setup.height, 600);
  ASSERT_EQ(document.redrawDocument(), kNoErr);
  EXPECT_EQ(doc().redrawCount(), 1u);
  EXPECT_EQ(document.getDocumentSetup(nullptr), kBadParameterErr);
}

}  // namespace
}  // namespace easel::test
