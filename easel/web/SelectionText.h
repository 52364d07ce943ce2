// The status bar's words for what is selected: "3 paths in group g12",
// "1 compound path of 4 members", "5 objects (3 paths, 2 groups) in layer
// Layer 1", "Nothing selected in group g12".
#ifndef EASEL_WEB_SELECTIONTEXT_H
#define EASEL_WEB_SELECTIONTEXT_H

#include <string>
#include <vector>

#include "easel/core/Document.h"

namespace easel::web {

// `shown`: what is shown selected (shownSelection()); `scope`: the group the
// user entered (null for none), named when nothing is selected.
std::string describeSelection(const Document& document, const std::vector<ArtRef>& shown, ArtRef scope);

}  // namespace easel::web

#endif
