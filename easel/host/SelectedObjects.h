// The objects a filter run works on: the selected leaf art, each compound
// path once with its members. A run's progress counts in these.
#ifndef EASEL_HOST_SELECTEDOBJECTS_H
#define EASEL_HOST_SELECTEDOBJECTS_H

#include <cstdint>
#include <vector>

#include "easel/core/Document.h"

namespace easel::host {

// Their ids, in the document's order.
std::vector<uintptr_t> selectedObjectIds(const easel::Document& document);

}  // namespace easel::host

#endif
