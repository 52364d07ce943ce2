// A field of the parameter record: an integer (a flag, a count, a list entry
// id) or a real. The field table and the dialog's tables name fields this
// way so that one loop serves every kind.
#ifndef CONTOUR_PARAMS_FIELDREF_H
#define CONTOUR_PARAMS_FIELDREF_H

#include <cstdint>

#include "plugin/params/ContourParams.h"

struct FieldRef {
  int32_t ContourParams::*integer = nullptr;
  float ContourParams::*real = nullptr;

  constexpr FieldRef() = default;
  constexpr FieldRef(int32_t ContourParams::*field) : integer(field) {}
  constexpr FieldRef(float ContourParams::*field) : real(field) {}

  constexpr bool empty() const { return integer == nullptr && real == nullptr; }
  constexpr bool isReal() const { return real != nullptr; }
  constexpr bool operator==(const FieldRef& other) const { return integer == other.integer && real == other.real; }

  // Copies this field from one record to another.
  void copy(const ContourParams& from, ContourParams& to) const {
    if (integer != nullptr) to.*integer = from.*integer;
    if (real != nullptr) to.*real = from.*real;
  }
};

#endif
