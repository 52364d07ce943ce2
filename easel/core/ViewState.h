// The document's one view (view 0): a zoom and a scroll origin. The origin is
// the artwork point shown at the view's top-left corner; view points are
// pixels from there, y down:
//   view = ((x - origin.h) * zoom, (origin.v - y) * zoom)
// The default origin is the top-left corner of a default page, zoom 1 (100 %).
#ifndef EASEL_CORE_VIEWSTATE_H
#define EASEL_CORE_VIEWSTATE_H

#include <cstdint>

#include "plugin/host/HostTypes.h"
#include "Handles.h"

namespace easel {

class ViewState {
 public:
  ViewState();

  // The handle of view n; null for any n but 0 (there is one view).
  AIDocumentViewHandle handle(int32_t n) const;
  HandleCheck check(AIDocumentViewHandle view) const;

  AIReal zoom() const { return zoom_; }
  // False (and no change) for a zoom that is not finite or not above 0.
  bool setZoom(AIReal zoom);
  AIRealPoint origin() const { return origin_; }
  // False (and no change) for a point that is not finite.
  bool setOrigin(AIRealPoint origin);

  AIRealPoint viewToArtwork(AIRealPoint view) const;
  AIRealPoint artworkToView(AIRealPoint artwork) const;

 private:
  uint32_t tag_;
  AIReal zoom_ = 1;
  AIRealPoint origin_;
};

}  // namespace easel

#endif
