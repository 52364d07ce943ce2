#ifndef CONTOUR_HOST_AIMENU_H
#define CONTOUR_HOST_AIMENU_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 7

typedef struct AIMenuSuite {
  /* Let the host enable or disable the menu item by itself: `action` and the
     six conditions are flag words that only the host interprets; the host
     keeps them. kBadHandleErr for a menu item that is not one of a filter of
     this host (see AIFilter.h). When: any message, usually "Startup". */
  ASErr (*updateMenuItemAutomatically)(AIMenuItemHandle item, int32_t action, int32_t ifObjectIsInArtwork,
                                       int32_t ifObjectIsNotInArtwork, int32_t ifObjectIsSelected,
                                       int32_t ifObjectIsNotSelected, int32_t ifIsTrue, int32_t ifIsNotTrue);
} AIMenuSuite;
#ifdef __cplusplus
}
#endif
#endif
