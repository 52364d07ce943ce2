#ifndef CONTOUR_HOST_ADMLIST_H
#define CONTOUR_HOST_ADMLIST_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

/* Entry lists of popup list items (ADMItem: getList). List handles are the
   host's, valid while their dialog runs. kBadHandleErr for a null, stale or
   foreign list; kBadParameterErr for a null result pointer. Every function
   may be called while the list's dialog runs (see ADMDialog.h). */
typedef struct ADMListSuite {
  /* A new empty entry (id 0, no text, not selected) at position `index` (0 to
     the number of entries); *entry is its handle (see ADMEntry.h).
     kBadParameterErr for an index out of that range. */
  ASErr (*insertEntry)(ADMListRef list, int32_t index, ADMEntryRef* entry);
  /* The first entry whose id is `entryId`; null (and kBadParameterErr) when none. */
  ASErr (*findEntry)(ADMListRef list, int32_t entryId, ADMEntryRef* entry);
  /* The selected entry, or null (kNoErr) when none is selected. */
  ASErr (*getActiveEntry)(ADMListRef list, ADMEntryRef* entry);
  /* The number of entries. */
  ASErr (*numberOfEntries)(ADMListRef list, int32_t* count);
} ADMListSuite;
#ifdef __cplusplus
}
#endif
#endif
