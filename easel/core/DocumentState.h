// What a Document holds, shared by the files that implement it.
#ifndef EASEL_CORE_DOCUMENTSTATE_H
#define EASEL_CORE_DOCUMENTSTATE_H

#include "ArtTree.h"
#include "Document.h"
#include "SwatchList.h"
#include "UndoLog.h"

namespace easel {

struct Document::State {
  ArtTree tree{kDefaultMemoryBudget};
  UndoLog log{tree};
  SwatchList swatches;
  AIReal pageWidth = kDefaultPageWidth;
  AIReal pageHeight = kDefaultPageHeight;
  uint64_t redraws = 0;
  uint64_t changes = 0;  // see Document::changeCount
  // New paths share the default style; art given a style shares the one
  // given last when it is the same (see setStyle).
  Shared<AIPathStyle> defaultStyle{defaultPathStyle()};
  Shared<AIPathStyle> lastStyle;
  // Reused by transform() so that it allocates nothing per call.
  std::vector<AIPathSegment> scratchSegments;
};

}  // namespace easel

#endif
