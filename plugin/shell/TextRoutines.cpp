#include "TextRoutines.h"

#include <cstring>

bool toLengthPrefixed(char* text) {
  std::size_t length = std::strlen(text);
  if (length > 255) return false;
  std::memmove(text + 1, text, length);
  text[0] = static_cast<char>(static_cast<unsigned char>(length));
  return true;
}

void toZeroTerminated(char* text) {
  std::size_t length = static_cast<unsigned char>(text[0]);
  std::memmove(text, text + 1, length);
  text[length] = '\0';
}
