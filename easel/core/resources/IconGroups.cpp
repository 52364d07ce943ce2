#include "easel/core/resources/IconGroups.h"

#include "easel/core/resources/ByteReader.h"

namespace easel {
namespace {

constexpr uint16_t kIconGroup = 1;
constexpr uint16_t kCursorGroup = 2;
constexpr uint32_t kBitmapHeaderSize = 40;

// Both groups: reserved, type, count, then 14-byte entries that differ only
// in how they store the size (bytes for icons, words for cursors).
Parsed<ResourceGroup> decodeGroup(std::span<const uint8_t> bytes, uint16_t expectedType) {
  ByteReader reader(bytes);
  reader.u16();
  uint16_t type = reader.u16();
  uint16_t count = reader.u16();
  if (!reader.ok()) return parseError("the group header is truncated");
  if (type != expectedType)
    return parseError("not " + std::string(expectedType == kIconGroup ? "an icon" : "a cursor") + " group");

  ResourceGroup group;
  for (uint16_t i = 0; i < count; ++i) {
    GroupImage image;
    if (type == kIconGroup) {
      image.width = reader.u8();
      image.height = reader.u8();
      image.colourCount = reader.u8();
      reader.u8();
    } else {
      image.width = reader.u16();
      image.height = reader.u16();
    }
    image.planes = reader.u16();
    image.bitCount = reader.u16();
    image.byteCount = reader.u32();
    image.imageId = reader.u16();
    if (!reader.ok()) return parseError("group entry " + std::to_string(i + 1) + " is truncated");
    group.images.push_back(image);
  }
  return group;
}

Parsed<BitmapHeader> readBitmapHeader(ByteReader& reader) {
  uint32_t size = reader.u32();
  BitmapHeader header;
  header.width = static_cast<int32_t>(reader.u32());
  header.height = static_cast<int32_t>(reader.u32()) / 2;
  header.planes = reader.u16();
  header.bitCount = reader.u16();
  if (!reader.ok() || size < kBitmapHeaderSize) return parseError("the bitmap header is truncated");
  return header;
}

}  // namespace

Parsed<ResourceGroup> decodeIconGroup(std::span<const uint8_t> bytes) { return decodeGroup(bytes, kIconGroup); }
Parsed<ResourceGroup> decodeCursorGroup(std::span<const uint8_t> bytes) { return decodeGroup(bytes, kCursorGroup); }

Parsed<BitmapHeader> decodeIconImage(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  return readBitmapHeader(reader);
}

Parsed<CursorImage> decodeCursorImage(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  CursorImage cursor;
  cursor.hotSpotX = reader.u16();
  cursor.hotSpotY = reader.u16();
  auto bitmap = readBitmapHeader(reader);
  if (!bitmap) return parseError(bitmap.error());
  cursor.bitmap = *bitmap;
  return cursor;
}

Parsed<ResourceGroup> loadIconGroup(const ResourceSource& source, uint16_t id) {
  return loadResource<ResourceGroup>(source, rt::GroupIcon, id, "icon group", decodeIconGroup);
}
Parsed<ResourceGroup> loadCursorGroup(const ResourceSource& source, uint16_t id) {
  return loadResource<ResourceGroup>(source, rt::GroupCursor, id, "cursor group", decodeCursorGroup);
}
Parsed<BitmapHeader> loadIconImage(const ResourceSource& source, uint16_t imageId) {
  return loadResource<BitmapHeader>(source, rt::Icon, imageId, "icon image", decodeIconImage);
}
Parsed<CursorImage> loadCursorImage(const ResourceSource& source, uint16_t imageId) {
  return loadResource<CursorImage>(source, rt::Cursor, imageId, "cursor image", decodeCursorImage);
}

}  // namespace easel
