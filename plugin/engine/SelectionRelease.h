// Giving back the gathered selection list.
#ifndef CONTOUR_ENGINE_SELECTIONRELEASE_H
#define CONTOUR_ENGINE_SELECTIONRELEASE_H

// Disposes the selection list handle when one is held and marks the selection
// as not gathered (count -1). Used when the dialog is cancelled and by the engine.
void releaseSelection();

#endif
