// The page's selection tool on the document: a click selects the object under
// the pointer, a shift-click adds or removes it, a marquee selects what it
// touches, and what is selected is shown by its bounds. As in the real host,
// a click selects the whole object as it sits in its layer (a group or a
// compound path with all its members), and hidden or locked art cannot be
// selected. Points are artwork points (y up).
#ifndef EASEL_WEB_CANVASSELECTION_H
#define EASEL_WEB_CANVASSELECTION_H

#include <vector>

#include "easel/core/Document.h"

namespace easel::web {

// The object of a layer (a direct child) whose art lies under `point`: filled
// areas by the fill rule, outlines within `tolerance` points plus half the
// stroke width, other art by its bounds. The topmost wins; null for none.
ArtRef objectAt(const Document& document, AIRealPoint point, AIReal tolerance);

// The objects of the layers whose bounds meet the rectangle (in any corner order).
std::vector<ArtRef> objectsInRect(const Document& document, AIRealRect rect);

// A click: without `add` the object becomes the selection (nothing under the
// pointer: nothing is selected); with it the object's selection is turned over.
void clickSelect(Document& document, ArtRef object, bool add);
// A marquee: the objects become the selection, or join it with `add`.
void marqueeSelect(Document& document, const std::vector<ArtRef>& objects, bool add);
// Every object of every layer.
void selectAll(Document& document);

// The bounds of what the user sees selected: each selected object whose
// container is not wholly selected (a selected layer shows its objects).
std::vector<AIRealRect> selectionBounds(const Document& document);

}  // namespace easel::web

#endif
