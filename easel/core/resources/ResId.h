// ResId: how resources name their type and id: a 16-bit ordinal or a string.
#ifndef EASEL_CORE_RESOURCES_RESID_H
#define EASEL_CORE_RESOURCES_RESID_H

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace easel {

class ByteReader;

// Resource types that the easel reads.
namespace rt {
constexpr uint16_t Cursor = 1;
constexpr uint16_t Icon = 3;
constexpr uint16_t Dialog = 5;
constexpr uint16_t String = 6;
constexpr uint16_t GroupCursor = 12;
constexpr uint16_t GroupIcon = 14;
constexpr uint16_t Version = 16;
}  // namespace rt

class ResId {
 public:
  ResId(uint16_t ordinal) : value_(ordinal) {}
  ResId(std::u16string name) : value_(std::move(name)) {}
  ResId(const char* name);  // ASCII or UTF-8

  bool isOrdinal() const { return std::holds_alternative<uint16_t>(value_); }
  uint16_t ordinal() const { return isOrdinal() ? std::get<uint16_t>(value_) : 0; }
  // Empty for an ordinal.
  std::u16string name() const { return isOrdinal() ? std::u16string() : std::get<std::u16string>(value_); }
  // "PIPL", or "#5" for an ordinal, as Windows writes ordinals in text.
  std::string toString() const;

  // Names match regardless of ASCII case, as the Windows resource loader's do.
  friend bool operator==(const ResId& a, const ResId& b);

 private:
  std::variant<uint16_t, std::u16string> value_;
};

// Reads the name-or-ordinal form of resource headers and dialog templates:
// 0xFFFF then an ordinal, or zero-terminated UTF-16 (a lone 0 is the empty name).
ResId readResId(ByteReader& reader);

}  // namespace easel

#endif
