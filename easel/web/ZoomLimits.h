// How far the editor's view zooms out and in, in percent; the page holds its
// own zoom to the same numbers (view.js).
#ifndef EASEL_WEB_ZOOMLIMITS_H
#define EASEL_WEB_ZOOMLIMITS_H

namespace easel::web {

inline constexpr int kLeastZoomPercent = 1;
inline constexpr int kMostZoomPercent = 25600;

}  // namespace easel::web

#endif
