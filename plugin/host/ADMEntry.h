#ifndef CONTOUR_HOST_ADMENTRY_H
#define CONTOUR_HOST_ADMENTRY_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

/* Entries of a list. Entry handles are the host's, valid while their dialog
   runs. kBadHandleErr for a null, stale or foreign entry; kBadParameterErr for
   a null pointer. Every function may be called while the entry's dialog runs
   (see ADMDialog.h). */
typedef struct ADMEntrySuite {
  /* Set the entry's id, the number findEntry looks for (ids need not be
     unique: findEntry finds the first). */
  ASErr (*setID)(ADMEntryRef entry, int32_t entryId);
  /* The entry's id (0 until set). */
  ASErr (*getID)(ADMEntryRef entry, int32_t* entryId);
  /* Select (1) or deselect (0); a popup list has one selected entry, so
     selecting one deselects the others. Sends no notification. */
  ASErr (*select)(ADMEntryRef entry, ASBoolean select);
  /* Set the entry's text (zero-terminated, copied). */
  ASErr (*setText)(ADMEntryRef entry, const char* text);
} ADMEntrySuite;
#ifdef __cplusplus
}
#endif
#endif
