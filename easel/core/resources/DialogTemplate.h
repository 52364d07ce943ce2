// Classic dialog templates (DIALOG, not the extended form): the window and
// its items with their rectangles in dialog units.
#ifndef EASEL_CORE_RESOURCES_DIALOGTEMPLATE_H
#define EASEL_CORE_RESOURCES_DIALOGTEMPLATE_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

// Window style bits that the easel looks at.
namespace ws {
constexpr uint32_t SetFont = 0x40;  // the template names a font
}

struct DialogItem {
  int id = 0;  // -1 for "no id" (0xFFFF)
  uint32_t style = 0;
  uint32_t exStyle = 0;
  std::string windowClass;  // "BUTTON", "EDIT", "STATIC", ... or the template's own class name
  std::string kind;         // what the user sees: "default push button", "static text", "black frame", ...
  std::string text;         // "#n" when the template gives a resource ordinal
  int x = 0, y = 0, cx = 0, cy = 0;
  std::vector<uint8_t> creationData;
};

struct DialogTemplate {
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string menu;         // empty for none
  std::string windowClass;  // empty for the standard dialog class
  std::string title;
  std::string font;  // empty without ws::SetFont
  int fontSize = 0;  // points
  std::vector<DialogItem> items;
};

Parsed<DialogTemplate> decodeDialog(std::span<const uint8_t> bytes);
Parsed<DialogTemplate> loadDialog(const ResourceSource& source, uint16_t id);

// The kind of control that a class and style make (see DialogItem::kind).
std::string controlKind(const std::string& windowClass, uint32_t style);

}  // namespace easel

#endif
