// Icon and cursor groups: a group lists the images of one icon or cursor
// (size, colours, bytes, image resource id); each image is a device-independent
// bitmap whose height counts both the colour bits and the mask, and a cursor
// image starts with its hot spot.
#ifndef EASEL_CORE_RESOURCES_ICONGROUPS_H
#define EASEL_CORE_RESOURCES_ICONGROUPS_H

#include <cstdint>
#include <span>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

struct GroupImage {
  int width = 0;
  int height = 0;       // as the group stores it (a cursor group counts the mask too)
  int colourCount = 0;  // icons only; 0 means 256 or more
  int planes = 0;
  int bitCount = 0;
  uint32_t byteCount = 0;
  uint16_t imageId = 0;  // of the RT_ICON or RT_CURSOR resource
};

struct ResourceGroup {
  std::vector<GroupImage> images;
};

struct BitmapHeader {
  int width = 0;
  int height = 0;  // of the picture, without the mask
  int planes = 0;
  int bitCount = 0;
};

struct CursorImage {
  int hotSpotX = 0;  // from the left
  int hotSpotY = 0;  // from the top
  BitmapHeader bitmap;
};

Parsed<ResourceGroup> decodeIconGroup(std::span<const uint8_t> bytes);
Parsed<ResourceGroup> decodeCursorGroup(std::span<const uint8_t> bytes);
Parsed<BitmapHeader> decodeIconImage(std::span<const uint8_t> bytes);
Parsed<CursorImage> decodeCursorImage(std::span<const uint8_t> bytes);

Parsed<ResourceGroup> loadIconGroup(const ResourceSource& source, uint16_t id);
Parsed<ResourceGroup> loadCursorGroup(const ResourceSource& source, uint16_t id);
Parsed<BitmapHeader> loadIconImage(const ResourceSource& source, uint16_t imageId);
Parsed<CursorImage> loadCursorImage(const ResourceSource& source, uint16_t imageId);

}  // namespace easel

#endif
