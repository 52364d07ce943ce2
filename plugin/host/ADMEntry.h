#ifndef CONTOUR_HOST_ADMENTRY_H
#define CONTOUR_HOST_ADMENTRY_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

/* Entries of a list. kBadHandleErr for a bad entry. */
typedef struct ADMEntrySuite {
  ASErr (*setID)(ADMEntryRef entry, int32_t entryId);
  ASErr (*getID)(ADMEntryRef entry, int32_t* entryId);
  /* Select (1) or deselect (0); a popup list has one selected entry, so
     selecting one deselects the others. */
  ASErr (*select)(ADMEntryRef entry, ASBoolean select);
  /* The text is copied. */
  ASErr (*setText)(ADMEntryRef entry, const char* text);
} ADMEntrySuite;
#ifdef __cplusplus
}
#endif
#endif
