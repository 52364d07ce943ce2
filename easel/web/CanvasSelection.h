// What the page's selection tool finds in the document: the object under the
// pointer, what a marquee touches, the deepest art under the pointer, and
// what is shown selected. Objects are picked among the members of a scope:
// the layers' objects (a null scope), or the members of a group the user
// entered. A pick takes the whole object as it sits in its scope (a group or
// a compound path with all its members); hidden or locked art cannot be
// selected. Points are artwork points (y up).
#ifndef EASEL_WEB_CANVASSELECTION_H
#define EASEL_WEB_CANVASSELECTION_H

#include <vector>

#include "easel/core/Document.h"

namespace easel::web {

// The object of the scope (a direct member) whose art lies under `point`:
// filled areas by the fill rule, outlines within `tolerance` points plus half
// the stroke width, other art by its bounds. The topmost wins; null for none.
ArtRef objectAt(const Document& document, AIRealPoint point, AIReal tolerance, ArtRef scope = {});

// The objects of the scope whose bounds meet the rectangle (in any corner order).
std::vector<ArtRef> objectsInRect(const Document& document, AIRealRect rect, ArtRef scope = {});

// All art under `point` that has no members to pick one by one (paths,
// compound paths, text, images: anything but groups), at any depth, top first.
std::vector<ArtRef> deepestAt(const Document& document, AIRealPoint point, AIReal tolerance);

// A click: without `add` the object becomes the selection (nothing under the
// pointer: nothing is selected); with it the object's selection is turned over.
void clickSelect(Document& document, ArtRef object, bool add);
// A marquee: the objects become the selection, or join it with `add`.
void marqueeSelect(Document& document, const std::vector<ArtRef>& objects, bool add);
// Every object of the scope.
void selectAll(Document& document, ArtRef scope = {});

// What the user sees selected: each selected object whose container is not
// wholly selected (a selected layer shows its objects), in document order.
std::vector<ArtRef> shownSelection(const Document& document);
// Their bounds (those that have any).
std::vector<AIRealRect> selectionBounds(const Document& document);

}  // namespace easel::web

#endif
