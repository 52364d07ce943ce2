// Errors of the SVG importer: one line naming the file, line and column.
#include "SvgImporter.h"

#include <cstdint>

#include "easel/core/FileIo.h"

namespace easel::svg::detail {

void Importer::failAt(std::size_t offset, const std::string& message) const {
  if (offset == std::string::npos) throw SvgError(errorText(source_->fileName, 0, 0, message));
  TextPosition p;
  if (!path_.empty()) {
    // The parse changed the buffer in place: the place is counted in the file.
    try {
      p = positionOf(readLimited(path_, budget_), offset);
    } catch (const std::exception&) {
      p = positionOf(source_->buffer, offset);  // the file went: near enough
    }
  } else {
    p = positionOf(original_, offset);
  }
  throw SvgError(errorText(source_->fileName, p.line, p.column, message));
}

void Importer::failNode(pugi::xml_node node, const std::string& message) const {
  const std::ptrdiff_t at = node.offset_debug();
  // offset_debug points after the '<' of an element.
  failAt(at > 0 ? static_cast<std::size_t>(at - 1) : std::string::npos, message);
}

std::size_t Importer::offsetOf(const char* p) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto begin = reinterpret_cast<std::uintptr_t>(source_->buffer.data());
  return at >= begin && at <= begin + source_->buffer.size() ? at - begin : std::string::npos;
}

double Importer::length(pugi::xml_node node, const char* name, double percentBase, double fallback) {
  pugi::xml_attribute a = node.attribute(name);
  if (!a) return fallback;
  return read(a, [&](std::string_view t) { return parseUserLength(t, percentBase); });
}

}  // namespace easel::svg::detail
