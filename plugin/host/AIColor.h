#ifndef CONTOUR_HOST_AICOLOR_H
#define CONTOUR_HOST_AICOLOR_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif

/* Colour kinds. */
enum {
  kGrayColor = 0,   /* gray: amount of black, 0 white to 1 black */
  kFourColor = 1,   /* cyan, magenta, yellow, black ink amounts */
  kPattern = 2,     /* a pattern of the document, by reference */
  kCustomColor = 3, /* a spot or custom colour, by reference, with a tint */
  kGradient = 4,    /* a gradient of the document, by reference */
  kThreeColor = 5,  /* red, green, blue */
  kNoneColor = 6    /* no paint */
};

typedef struct AIGrayColorStyle {
  AIReal gray;
} AIGrayColorStyle;
typedef struct AIFourColorStyle {
  AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;
typedef struct AIThreeColorStyle {
  AIReal red, green, blue;
} AIThreeColorStyle;
/* Pattern, custom and gradient colours refer to document resources by a
   32-bit reference number that only the host interprets. */
typedef struct AIReferenceColorStyle {
  int32_t reference;
  AIReal tint;
  AIReal params[14];
} AIReferenceColorStyle;

/* A colour: the kind, then 64 bytes of components. Components are stored as
   given, never clamped. 68 bytes. */
typedef struct AIColor {
  int32_t kind;
  union {
    AIGrayColorStyle g;
    AIFourColorStyle f;
    AIThreeColorStyle rgb;
    AIReferenceColorStyle ref;
    AIReal components[16];
  } c;
} AIColor;

#ifdef __cplusplus
}
static_assert(sizeof(AIColor) == 68, "a colour record is 68 bytes");
#endif
#endif
