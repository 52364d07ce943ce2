#include "easel/core/resources/DialogTemplate.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "easel/core/resources/ByteReader.h"

namespace easel {
namespace {

// The predefined window classes that templates name by ordinal.
constexpr std::array<const char*, 6> kPredefinedClasses = {"BUTTON",  "EDIT",      "STATIC",
                                                           "LISTBOX", "SCROLLBAR", "COMBOBOX"};
constexpr uint16_t kFirstClassOrdinal = 0x80;
constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint16_t kNoId = 0xFFFF;

struct KindByStyle {
  uint32_t type;
  const char* kind;
};

// Buttons: the low four style bits choose the kind.
constexpr KindByStyle kButtonKinds[] = {
    {0x0, "push button"},
    {0x1, "default push button"},
    {0x2, "check box"},
    {0x3, "check box"},
    {0x4, "radio button"},
    {0x5, "three-state check box"},
    {0x6, "three-state check box"},
    {0x7, "group box"},
    {0x9, "radio button"},
    {0xB, "owner-drawn button"},
};

// Statics: the low five style bits choose the kind.
constexpr KindByStyle kStaticKinds[] = {
    {0x0, "static text"},     {0x1, "static text"},    {0x2, "static text"},     {0x3, "icon"},
    {0x4, "black rectangle"}, {0x5, "gray rectangle"}, {0x6, "white rectangle"}, {0x7, "black frame"},
    {0x8, "gray frame"},      {0x9, "white frame"},    {0xB, "static text"},     {0xC, "static text"},
    {0xE, "bitmap"},
};

template <size_t N>
std::string kindByStyle(const KindByStyle (&table)[N], uint32_t type, const char* otherwise) {
  for (const auto& entry : table)
    if (entry.type == type) return entry.kind;
  return otherwise;
}

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Menu, class and texts: an ordinal becomes "#n", no name becomes "".
std::string nameOrOrdinal(ByteReader& reader) { return readResId(reader).toString(); }

// An item's class ordinal names a predefined class.
std::string windowClass(ByteReader& reader) {
  ResId id = readResId(reader);
  if (!id.isOrdinal()) return id.toString();
  size_t index = id.ordinal() - size_t{kFirstClassOrdinal};
  return id.ordinal() >= kFirstClassOrdinal && index < kPredefinedClasses.size() ? kPredefinedClasses[index]
                                                                                 : id.toString();
}

void readRectangle(ByteReader& reader, int& x, int& y, int& cx, int& cy) {
  x = reader.i16();
  y = reader.i16();
  cx = reader.i16();
  cy = reader.i16();
}

DialogItem readItem(ByteReader& reader) {
  reader.alignTo(4);
  DialogItem item;
  item.style = reader.u32();
  item.exStyle = reader.u32();
  readRectangle(reader, item.x, item.y, item.cx, item.cy);
  uint16_t id = reader.u16();
  item.id = id == kNoId ? -1 : id;
  item.windowClass = windowClass(reader);
  item.text = nameOrOrdinal(reader);
  // The creation data's size word counts itself.
  uint16_t creationSize = reader.u16();
  if (creationSize > 2) {
    auto data = reader.bytes(creationSize - 2u);
    item.creationData.assign(data.begin(), data.end());
  }
  item.kind = controlKind(item.windowClass, item.style);
  return item;
}

}  // namespace

std::string controlKind(const std::string& windowClass, uint32_t style) {
  std::string name = upper(windowClass);
  if (name == "BUTTON") return kindByStyle(kButtonKinds, style & 0xF, "button");
  if (name == "STATIC") return kindByStyle(kStaticKinds, style & 0x1F, "static");
  if (name == "EDIT") return "edit text";
  if (name == "LISTBOX") return "list box";
  if (name == "SCROLLBAR") return "scroll bar";
  if (name == "COMBOBOX") return "combo box";
  return "custom control";
}

Parsed<DialogTemplate> decodeDialog(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  if (bytes.size() >= 4 && ByteReader(bytes.subspan(2)).u16() == kExtendedSignature)
    return parseError("extended dialog templates are not supported");

  DialogTemplate dialog;
  dialog.style = reader.u32();
  dialog.exStyle = reader.u32();
  uint16_t itemCount = reader.u16();
  readRectangle(reader, dialog.x, dialog.y, dialog.cx, dialog.cy);
  dialog.menu = nameOrOrdinal(reader);
  dialog.windowClass = nameOrOrdinal(reader);
  dialog.title = nameOrOrdinal(reader);
  if (dialog.style & ws::SetFont) {
    dialog.fontSize = reader.u16();
    dialog.font = nameOrOrdinal(reader);
  }
  if (!reader.ok()) return parseError("the dialog header is truncated");

  for (uint16_t i = 0; i < itemCount; ++i) {
    dialog.items.push_back(readItem(reader));
    if (!reader.ok()) return parseError("item " + std::to_string(i + 1) + " is truncated");
  }
  return dialog;
}

Parsed<DialogTemplate> loadDialog(const ResourceSource& source, uint16_t id) {
  return loadResource<DialogTemplate>(source, rt::Dialog, id, "dialog", decodeDialog);
}

}  // namespace easel
