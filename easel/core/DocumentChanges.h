// What the files that change a document share: how a change is refused,
// which art has a path style, how room is made before art grows, and how a
// name is held.
#ifndef EASEL_CORE_DOCUMENTCHANGES_H
#define EASEL_CORE_DOCUMENTCHANGES_H

#include <cstddef>
#include <string>
#include <utility>

#include "ArtTree.h"
#include "DocumentTypes.h"
#include "UndoLog.h"

namespace easel {

[[noreturn]] inline void fail(ASErr code, const std::string& what) { throw DocumentError(code, what); }

inline bool hasStyle(ArtType type) { return hasSegments(type) || type == ArtType::CompoundPath; }

// Before new art or segments: when the budget is short, the redo history,
// which the change ends anyway once it is recorded, goes first.
inline void clearRoom(ArtTree& tree, UndoLog& log, std::size_t objects, std::size_t segments) {
  if (log.open() && log.canRedo() && !tree.fits(objects, segments)) log.dropRedo();
}

// A name as art holds it: none takes no memory.
inline Shared<std::string> heldName(std::string name) {
  return name.empty() ? Shared<std::string>() : Shared<std::string>(std::move(name));
}

}  // namespace easel

#endif
