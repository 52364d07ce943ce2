// Length-prefixed strings (a length byte, then at most 255 bytes), as the
// host's string lists and number conversions use them, converted in place.
#ifndef CONTOUR_SHELL_TEXTROUTINES_H
#define CONTOUR_SHELL_TEXTROUTINES_H

// Returns false, and leaves the text unchanged, when it is longer than 255 bytes.
// The buffer must have room for one byte more than the text and its terminator need.
bool toLengthPrefixed(char* text);
void toZeroTerminated(char* text);

#endif
