// What `contour apply --select` takes: "all" as an editor's Select All does
// (visible, unlocked art; hidden or locked containers keep their members out
// too), everything with --include-hidden, or the art with the ids named,
// separated by commas or, with --select-from, one a line of a file.
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

// Selects the art of each id as it is ("all" and ids with commas too); the
// same errors.
void selectIds(easel::Document& document, const std::vector<std::string>& ids, const std::string& file);

// The ids of --select-from's text, one a line (a line's end may be CR LF);
// blank lines are passed over.
std::vector<std::string> idLines(const std::string& text);

}  // namespace contour_cli

#endif
