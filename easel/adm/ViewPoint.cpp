#include "ViewPoint.h"

#include "easel/core/Session.h"
#include "easel/core/ViewState.h"

namespace easel::adm {

ADMRealPoint artworkToViewPoint(float x, float y) {
  Session* session = Session::current();
  if (session == nullptr) return ADMRealPoint{x, y};  // no document view: the point as given
  AIRealPoint view = session->view().artworkToView(AIRealPoint{x, y});
  return ADMRealPoint{view.h, view.v};
}

}  // namespace easel::adm
