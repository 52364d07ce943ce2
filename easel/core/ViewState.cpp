#include "ViewState.h"

#include <cmath>

#include "Document.h"

namespace easel {

ViewState::ViewState() : tag_(newOwnerTag()), origin_{0, Document::kDefaultPageHeight} {}

AIDocumentViewHandle ViewState::handle(int32_t n) const {
  if (n != 0) return nullptr;
  return reinterpret_cast<AIDocumentViewHandle>(packHandle({tag_, 0, 0}));
}

HandleCheck ViewState::check(AIDocumentViewHandle view) const {
  if (view == nullptr) return HandleCheck::Null;
  return view == handle(0) ? HandleCheck::Ok : HandleCheck::Foreign;
}

bool ViewState::setZoom(AIReal zoom) {
  if (!(std::isfinite(zoom) && zoom > 0)) return false;
  zoom_ = zoom;
  return true;
}

bool ViewState::setOrigin(AIRealPoint origin) {
  if (!(std::isfinite(origin.h) && std::isfinite(origin.v))) return false;
  origin_ = origin;
  return true;
}

AIRealPoint ViewState::viewToArtwork(AIRealPoint view) const {
  const double z = zoom_;
  return {static_cast<AIReal>(view.h / z + origin_.h), static_cast<AIReal>(origin_.v - view.v / z)};
}

AIRealPoint ViewState::artworkToView(AIRealPoint artwork) const {
  const double z = zoom_;
  return {static_cast<AIReal>((static_cast<double>(artwork.h) - origin_.h) * z),
          static_cast<AIReal>((static_cast<double>(origin_.v) - artwork.v) * z)};
}

}  // namespace easel
