#ifndef CONTOUR_HOST_ADMLIST_H
#define CONTOUR_HOST_ADMLIST_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

/* Entry lists of popup list items. kBadHandleErr for a bad list. */
typedef struct ADMListSuite {
  /* A new empty entry at position `index` (0 to the number of entries). */
  ASErr (*insertEntry)(ADMListRef list, int32_t index, ADMEntryRef* entry);
  /* The first entry whose id is `entryId`; null (and kBadParameterErr) when none. */
  ASErr (*findEntry)(ADMListRef list, int32_t entryId, ADMEntryRef* entry);
  /* The selected entry, or null when none is selected. */
  ASErr (*getActiveEntry)(ADMListRef list, ADMEntryRef* entry);
  ASErr (*numberOfEntries)(ADMListRef list, int32_t* count);
} ADMListSuite;
#ifdef __cplusplus
}
#endif
#endif
