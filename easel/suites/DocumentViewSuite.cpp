// The document's view: its zoom, and points between view and artwork.
#include "DocumentCall.h"
#include "Suites.h"
#include "easel/core/ViewState.h"

namespace easel::suites {
namespace {

constexpr SuiteId kView = SuiteId::AIDocumentView;

// The view state behind a handle; null (misuse recorded) for a bad one.
ViewState* viewOf(Call& c, AIDocumentViewHandle view) {
  ViewState& state = c.session().view();
  const HandleCheck check = state.check(view);
  if (check == HandleCheck::Ok) return &state;
  c.misuse(std::string(handleCheckText(check)) + " view handle");
  return nullptr;
}

ASErr getNthDocumentView(int32_t n, AIDocumentViewHandle* view) noexcept {
  return hostCall(kView, "get nth view", [&](Call& c) {
    c.in("n", n);
    if (view == nullptr) return nullArgument(c, "result pointer");
    *view = c.session().view().handle(n);
    c.out("view", *view);
    return *view == nullptr ? badArgument(c, "no such view") : kNoErr;
  });
}

ASErr setDocumentViewZoom(AIDocumentViewHandle view, AIReal zoom) noexcept {
  return hostCall(kView, "set zoom", [&](Call& c) {
    c.in("view", view).in("zoom", zoom);
    ViewState* state = viewOf(c, view);
    if (state == nullptr) return kBadHandleErr;
    return state->setZoom(zoom) ? kNoErr : badArgument(c, "zoom not finite or not above 0");
  });
}

ASErr getDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom) noexcept {
  return hostCall(kView, "get zoom", [&](Call& c) {
    c.in("view", view);
    ViewState* state = viewOf(c, view);
    if (state == nullptr) return kBadHandleErr;
    if (zoom == nullptr) return nullArgument(c, "result pointer");
    *zoom = state->zoom();
    c.out("zoom", *zoom);
    return kNoErr;
  });
}

// The two conversions differ only in their direction.
template <AIRealPoint (ViewState::*convert)(AIRealPoint) const>
ASErr convertPoint(const char* op, AIDocumentViewHandle view, const AIRealPoint* from, AIRealPoint* to) noexcept {
  return hostCall(kView, op, [&](Call& c) {
    c.in("view", view);
    if (from != nullptr) c.in("point", *from);
    ViewState* state = viewOf(c, view);
    if (state == nullptr) return kBadHandleErr;
    if (from == nullptr || to == nullptr) return nullArgument(c, "point pointer");
    *to = (state->*convert)(*from);
    c.out("point", *to);
    return kNoErr;
  });
}

ASErr viewPointToArtworkPoint(AIDocumentViewHandle view, const AIRealPoint* viewPoint,
                              AIRealPoint* artworkPoint) noexcept {
  return convertPoint<&ViewState::viewToArtwork>("view point to artwork point", view, viewPoint, artworkPoint);
}

ASErr artworkPointToViewPoint(AIDocumentViewHandle view, const AIRealPoint* artworkPoint,
                              AIRealPoint* viewPoint) noexcept {
  return convertPoint<&ViewState::artworkToView>("artwork point to view point", view, artworkPoint, viewPoint);
}

const AIDocumentViewSuite kSuite{getNthDocumentView, setDocumentViewZoom, getDocumentViewZoom, viewPointToArtworkPoint,
                                 artworkPointToViewPoint};

}  // namespace

const AIDocumentViewSuite* documentView() { return &kSuite; }

}  // namespace easel::suites
