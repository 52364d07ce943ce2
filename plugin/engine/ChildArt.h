// Walking the children of a container (a compound path's member paths).
#ifndef CONTOUR_ENGINE_CHILDART_H
#define CONTOUR_ENGINE_CHILDART_H

#include "plugin/globals/SuiteSlots.h"
#include "plugin/host/AllSuites.h"

// Calls visit(child) for each child in order; stops at the first error, of the
// host or of visit, and returns it.
template <class Visit>
ASErr forEachChild(AIArtHandle parent, Visit&& visit) {
  AIArtHandle child = nullptr;
  ASErr err = sAIArt->getArtFirstChild(parent, &child);
  while (err == kNoErr && child != nullptr) {
    err = visit(child);
    if (err != kNoErr) return err;
    err = sAIArt->getArtSibling(child, &child);
  }
  return err;
}

#endif
