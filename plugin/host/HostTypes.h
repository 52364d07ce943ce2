// Basic types shared by the plug-in and its host: error codes, reals, points,
// rectangles, matrices, opaque handles. Everything here has the same layout on
// every platform the plug-in is built for.
#ifndef CONTOUR_HOST_HOSTTYPES_H
#define CONTOUR_HOST_HOSTTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every host function returns an error code; 0 is success.

   How the comments of the suites read:
   - Arguments. What a pointer argument points to is read or written during
     the call only: the host copies what it keeps (texts, records) and never
     holds on to a plug-in pointer, except the procedures and user data it is
     handed to call back. Results go to storage of the caller. A null pointer
     where the function needs one gets kBadParameterErr unless said otherwise.
   - Ownership. Handles and references the host hands out name objects of the
     host: the host owns them and says how long they stay valid, unless the
     comment says "the caller owns". Every handle is checked when it comes
     back; a null, stale or foreign one gets the code named, never a crash.
   - Codes. kNoErr for success. Besides the codes a function names, any
     function may return kSuiteReleasedErr when its suite is not held (used
     before the acquire or after the release), kOutOfMemoryErr when the host
     runs out of memory, and kBadParameterErr when no host is running. After
     a failure the outputs hold nothing useful unless the comment says what
     they hold. The host may also fail any call with a code of its own (its
     tests inject faults), so every code must be checked.
   - When. "Any message" means during any call of PluginMain, between the
     acquire of the suite and its release, on the thread of that call,
     including from the init, notify and track procedures that the host calls
     back during it: host functions may be called re-entrantly from those
     procedures unless the comment says otherwise. Stricter limits are given
     per function ("while its dialog runs"). */
typedef int32_t ASErr;
typedef uint8_t ASBoolean;
typedef float AIReal;

typedef struct AIRealPoint {
  AIReal h, v;
} AIRealPoint;

/* Artwork rectangle; y grows upwards, so top >= bottom for a normal rectangle. */
typedef struct AIRealRect {
  AIReal left, top, right, bottom;
} AIRealRect;

/* Affine matrix: x' = a*x + c*y + tx, y' = b*x + d*y + ty. */
typedef struct AIRealMatrix {
  AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

/* Opaque handles. The host checks every handle it receives; a stale or foreign
   handle gets an error code, never a crash. */
typedef struct SPPluginOpaque* SPPluginRef;
typedef struct AIArtOpaque* AIArtHandle;
typedef struct AIMdMemoryOpaque* AIMdMemoryHandle;
typedef struct AIFilterOpaque* AIFilterHandle;
typedef struct AIMenuItemOpaque* AIMenuItemHandle;
typedef struct AIDocumentViewOpaque* AIDocumentViewHandle;
typedef struct AISwatchListOpaque* AISwatchListRef;
typedef struct AISwatchOpaque* AISwatchRef;

#ifdef __cplusplus
}

/* Four-character codes are read with the first character as the most
   significant byte: "STOP" is 0x53544F50. */
constexpr ASErr fourCharCode(const char (&code)[5]) {
  return static_cast<ASErr>((static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24) |
                            (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16) |
                            (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8) |
                            static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}

constexpr ASErr kNoErr = 0;
constexpr ASErr kUserCanceledErr = fourCharCode("STOP");     /* the user cancelled */
constexpr ASErr kSuiteNotFoundErr = fourCharCode("S!Fd");    /* no suite of that name and version */
constexpr ASErr kBadSelectionErr = fourCharCode("!sel");     /* the selection is not valid */
constexpr ASErr kNoParameterBlockErr = fourCharCode("!MEM"); /* no parameter block */
constexpr ASErr kOutOfMemoryErr = -108;                      /* the host ran out of memory */
constexpr ASErr kBadParameterErr = fourCharCode("PARM");     /* an argument is null or out of range */
constexpr ASErr kBadHandleErr = fourCharCode("HNDL");        /* a null, stale or foreign handle */
constexpr ASErr kWrongArtTypeErr = fourCharCode("TYP?");     /* the operation does not apply to this art */
constexpr ASErr kTooManySegmentsErr = fourCharCode("NESS");  /* a path has too many anchor points */
constexpr ASErr kLockedErr = fourCharCode("SEGM");           /* a layer is locked or invisible */
constexpr ASErr kSuiteReleasedErr = fourCharCode("REL!");    /* the suite was used after its release */
constexpr ASErr kNotImplementedErr = fourCharCode("NIMP");   /* the host does not offer this */
#endif

#endif
