#ifndef CONTOUR_HOST_AIPATHSTYLE_H
#define CONTOUR_HOST_AIPATHSTYLE_H
#include "AIColor.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 5

enum { kMaxDashComponents = 6 };

typedef struct AIFillStyle {
  AIColor color;
  ASBoolean overprint;
} AIFillStyle;

typedef struct AIStrokeStyle {
  AIColor color;
  ASBoolean overprint;
  AIReal width; /* points */
  AIReal dashOffset;
  int32_t dashCount; /* 0 for a solid line; at most kMaxDashComponents */
  AIReal dashes[kMaxDashComponents];
  int32_t cap;  /* 0 butt, 1 round, 2 projecting */
  int32_t join; /* 0 miter, 1 round, 2 bevel */
  AIReal miterLimit;
} AIStrokeStyle;

/* The paint of path art: read and written whole. */
typedef struct AIPathStyle {
  ASBoolean fillPaint; /* 1 when the path is filled */
  AIFillStyle fill;
  ASBoolean strokePaint; /* 1 when the path is stroked */
  AIStrokeStyle stroke;
  ASBoolean evenOdd; /* fill rule: 1 even-odd, 0 non-zero */
} AIPathStyle;

/* Styles of path art. A compound path reads as its first member path and
   writes to every member. Other art gets kWrongArtTypeErr; a bad handle
   kBadHandleErr; a null pointer kBadParameterErr. Every function may be called
   during any message. */
typedef struct AIPathStyleSuite {
  /* The style of path or compound path art, copied whole into the caller's
     record. */
  ASErr (*getPathStyle)(AIArtHandle art, AIPathStyle* style);
  /* Replace the art's style with a copy of the caller's record.
     kBadParameterErr when the stroke width is negative or not finite, the
     dash count is out of range or the miter limit is not finite; the art is
     then left as it was. */
  ASErr (*setPathStyle)(AIArtHandle art, const AIPathStyle* style);
  /* Combine two styles: fraction 1 gives `a` exactly, fraction 0 gives `b`
     exactly. In between, widths, dash values, miter limits and the components
     of colours of the same kind are b + (a - b) * fraction; colours of
     different kinds, paint flags and the other fields are taken from `a` when
     fraction >= 0.5, else from `b`. Colours by reference (pattern, custom,
     gradient) are of the same kind only when their references are equal.
     `result` may be `a` or `b`. Touches no art. kBadParameterErr for a null
     pointer or a fraction that is not finite. */
  ASErr (*interpolatePathStyles)(const AIPathStyle* a, const AIPathStyle* b, AIPathStyle* result, AIReal fraction);
} AIPathStyleSuite;
#ifdef __cplusplus
}
#endif
#endif
