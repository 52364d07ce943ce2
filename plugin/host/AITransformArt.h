#ifndef CONTOUR_HOST_AITRANSFORMART_H
#define CONTOUR_HOST_AITRANSFORMART_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1

/* What transformArt changes. */
enum {
  kTransformObjects = 1, /* the art's own geometry */
  kTransformFillGradients = 2,
  kTransformFillPatterns = 4,
  kTransformStrokePatterns = 8,
  kScaleLines = 16 /* multiply stroke widths by the line scale */
};

typedef struct AITransformArtSuite {
  /* Transform the art (a container: all its descendants) by the matrix.
     kScaleLines multiplies stroke widths by |lineScale|. kBadParameterErr for
     a matrix or line scale that is not finite, or a result that would not be;
     the art is then left as it was. `matrix` is read only; `flags` is a sum
     of the bits above. kBadHandleErr for a bad art handle; kBadParameterErr
     for a null matrix. When: any message. */
  ASErr (*transformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags);
} AITransformArtSuite;
#ifdef __cplusplus
}
#endif
#endif
