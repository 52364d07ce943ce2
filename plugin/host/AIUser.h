#ifndef CONTOUR_HOST_AIUSER_H
#define CONTOUR_HOST_AIUSER_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 5

/* Number and text conversions on length-prefixed strings: a length byte, then
   that many bytes, no terminator. */
typedef struct AIUserSuite {
  /* Write `value` with `decimalPlaces` digits after the point (0 to 10) into
     `text`, a caller's buffer of 256 bytes, as a length-prefixed string; -108
     prints "-108". kBadParameterErr for a null buffer, a bad precision or a
     value that is not finite. When: any message. */
  ASErr (*numberToText)(AIReal value, int16_t decimalPlaces, unsigned char* text);
  /* Read a decimal number (optional sign, digits, optional fraction) from a
     length-prefixed string `text` (read only); *value is the number rounded
     to single precision. kBadParameterErr when the text is not such a number,
     and for a null pointer. When: any message. */
  ASErr (*textToNumber)(const unsigned char* text, AIReal* value);
} AIUserSuite;
#ifdef __cplusplus
}
#endif
#endif
