#ifndef CONTOUR_HOST_AIUNDO_H
#define CONTOUR_HOST_AIUNDO_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

typedef struct AIUndoSuite {
  /* Take the document back to where the current filter command began (its
     "AI Get Parameters" and "AI Go" messages are one command). Nothing to undo
     is not an error. Art made since then goes stale; art disposed of since
     then comes back under its old handle. When: any message of a filter
     command, from its dialog's procedures too (a preview takes itself back so);
     outside one there is nothing to take back. */
  ASErr (*undoChanges)(void);
} AIUndoSuite;
#ifdef __cplusplus
}
#endif
#endif
