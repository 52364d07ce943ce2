// The page's selection tool, as designers know it from vector editors: a
// click selects the object under the pointer as it sits in the group the
// user is in (the layers' objects when in none), a deep click the deepest
// art under the pointer, and a cycling click the art under the one selected,
// in turn. A double-click on a group enters it, so that clicks and marquees
// pick its members; a click outside it, or leave(), goes out again. The tool
// remembers only which group was entered: a group since deleted, hidden or
// locked (an undo, a run) counts as none.
#ifndef EASEL_WEB_SELECTIONTOOL_H
#define EASEL_WEB_SELECTIONTOOL_H

#include "easel/core/Document.h"

namespace easel::web {

enum class Pick {
  Top,      // the object under the pointer, in the group entered
  Deepest,  // the topmost art under the pointer that is not a group
  Cycle,    // of the art under the pointer, the one below the selected one
  Enter,    // a double-click: into the group under the pointer
};

class SelectionTool {
 public:
  // The group entered; null for none.
  ArtRef scope(const Document& document) const;

  // A click at `point`; with `add` (Shift) the object picked is added or
  // taken away, else it becomes the selection (none on nothing).
  void click(Document& document, AIRealPoint point, AIReal tolerance, Pick pick, bool add);
  // The members of the group entered (or the layers' objects) that the rectangle touches.
  void marquee(Document& document, AIRealRect rect, bool add);
  void selectAll(Document& document);
  // Escape: out of the group entered, which becomes the selection; when in
  // none, nothing is selected.
  void leave(Document& document);

 private:
  // The scope a click at `point` picks in: the group entered, or the first
  // of its containers that has art there (the layers at most).
  ArtRef scopeAt(const Document& document, AIRealPoint point, AIReal tolerance);

  ArtRef entered_;
};

}  // namespace easel::web

#endif
