// Where an artwork point that the user picks lies in document view 0: the
// tracker reports view coordinates, as the real host's does.
#ifndef EASEL_ADM_VIEWPOINT_H
#define EASEL_ADM_VIEWPOINT_H

#include "plugin/host/ADMTypes.h"

namespace easel::adm {

// Through the current session's view state.
ADMRealPoint artworkToViewPoint(float x, float y);

}  // namespace easel::adm

#endif
