#ifndef CONTOUR_HOST_AIART_H
#define CONTOUR_HOST_AIART_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 9

/* Art type codes. */
enum {
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kTextArt = 4,
  kPlacedArt = 7,
  kMysteryPathArt = 8,
  kRasterArt = 9,
  kMeshArt = 11,
  kSymbolArt = 13
};

/* Paint order codes for duplicateArt: where the new art goes relative to the
   reference object. */
enum {
  kPlaceAbove = 1,          /* directly above the reference object */
  kPlaceBelow = 2,          /* directly below the reference object */
  kPlaceInsideOnTop = 3,    /* first child of the reference container */
  kPlaceInsideOnBottom = 4, /* last child of the reference container */
  kPlaceAboveAll = 5,       /* above all other art of the reference object's container */
  kPlaceBelowAll = 6        /* below all other art of the reference object's container */
};

/* User attribute bits. */
enum { kArtSelected = 1, kArtLocked = 2, kArtHidden = 4 };

/* Art objects of the current document. Art handles are the document's: valid
   until the art is disposed of or an undo takes back the change that made it.
   Every art handle is checked: a null, stale (disposed) or foreign handle gets
   kBadHandleErr. A null result pointer gets kBadParameterErr. Locked and
   hidden art can be read and changed like any other. Every function may be
   called during any message. */
typedef struct AIArtSuite {
  /* Remove the art (and its descendants) from the document. Its handle and
     those of its descendants are stale afterwards. */
  ASErr (*disposeArt)(AIArtHandle art);
  /* Copy `art` with all its descendants, styles and attributes, and place the
     copy by `paintOrder` (the codes above) relative to `prep`. The copy is
     new art owned by the document; like a pasted copy, it and its members are
     not selected; *newArt is its handle, owned by the document. `prep` is the
     reference object (the container for the inside codes). kBadHandleErr for
     a bad `art` or `prep`; -108 when the document's memory is full;
     kBadParameterErr for an unknown paint order;
     kWrongArtTypeErr when the place cannot hold the copy (inside art that is
     not a container, art other than a path inside a compound path, art other
     than a group beside the layers). */
  ASErr (*duplicateArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  /* The art type code of `art` (the codes above). */
  ASErr (*getArtType)(AIArtHandle art, int16_t* type);
  /* The first child of a group or compound path (the top of its stack); null,
     with kNoErr, when it has none or is not a container. */
  ASErr (*getArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  /* The next sibling in the same container (toward the bottom of the stack),
     or null (kNoErr) after the last. */
  ASErr (*getArtSibling)(AIArtHandle art, AIArtHandle* sibling);
  /* The container of the art, or null (kNoErr) for a layer's top-level group. */
  ASErr (*getArtParent)(AIArtHandle art, AIArtHandle* parent);
  /* The exact geometric bounds of the art without its stroke; a container's
     bounds are the union of its children's. Empty art gives an empty rectangle
     (all zero) and kNoErr. */
  ASErr (*getArtBounds)(AIArtHandle art, AIRealRect* bounds);
  /* The art's user attribute bits (kArtSelected, kArtLocked, kArtHidden)
     masked by `whichAttr`: *attr holds only the bits asked for. */
  ASErr (*getArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
} AIArtSuite;
#ifdef __cplusplus
}
#endif
#endif
