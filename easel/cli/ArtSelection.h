// What `contour apply --select` takes: "all" as an editor's Select All does
// (visible, unlocked art; hidden or locked containers keep their members out
// too), everything with --include-hidden, or the art with the ids named.
#ifndef EASEL_CLI_ARTSELECTION_H
#define EASEL_CLI_ARTSELECTION_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/host/SelectedObjects.h"  // selectedObjectIds

namespace contour_cli {

// Selects; throws UsageError for an empty list or an empty id, and
// std::runtime_error naming `file` for an id no art has.
void selectArt(easel::Document& document, const std::string& what, bool includeHidden, const std::string& file);

}  // namespace contour_cli

#endif
