// Errors and warnings of the SVG importer: one line naming the file, line and column.
#include "SvgImporter.h"

#include <cstdint>

#include "Gzip.h"
#include "easel/core/FileIo.h"
#include "easel/core/Trimmed.h"

namespace easel::svg::detail {

std::string Importer::textAsWritten() const {
  // Where the text as read is kept (a string, standard input, a compressed file).
  if (const std::string* kept = source_->text.kept()) return *kept;
  // The parse changed the buffer in place: places are counted in the file.
  try {
    return inflatedIfGzip(readLimited(path_, budget_), budget_);
  } catch (const std::exception&) {
    return source_->buffer;  // the file went: near enough
  }
}

void Importer::failAt(std::size_t offset, const std::string& message) const {
  if (offset == std::string::npos) throw SvgError(errorText(source_->fileName, 0, 0, message));
  const TextPosition p = positionOf(textAsWritten(), offset);
  throw SvgError(errorText(source_->fileName, p.line, p.column, message));
}

void Importer::failNode(pugi::xml_node node, const std::string& message) const {
  const std::ptrdiff_t at = node.offset_debug();
  // offset_debug points after the '<' of an element.
  failAt(at > 0 ? static_cast<std::size_t>(at - 1) : std::string::npos, message);
}

void Importer::warnNode(pugi::xml_node node, std::string message) {
  const std::ptrdiff_t at = node.offset_debug();
  ignored(at > 0 ? static_cast<std::size_t>(at - 1) : std::string::npos, std::move(message));
}

std::size_t Importer::offsetOf(const char* p) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto begin = reinterpret_cast<std::uintptr_t>(source_->buffer.data());
  if (at >= begin && at <= begin + source_->buffer.size()) return at - begin;
  const auto moved = moved_.find(p);
  return moved == moved_.end() ? std::string::npos : moved->second;
}

double Importer::length(pugi::xml_node node, const char* name, double percentBase, const LengthContext& lengths,
                        double fallback, bool nonNegative) {
  pugi::xml_attribute a = node.attribute(name);
  // "auto" is a size for the viewer to choose, which it does as for none given.
  if (!a || isKeyword(trimmed(std::string_view(a.value()), kSvgWhiteSpace), "auto")) return fallback;
  const double v = readOr(a, fallback, [&](std::string_view t) { return parseUserLength(t, percentBase, lengths); });
  if (nonNegative && v < 0) {
    ignored(offsetOf(a.value()), ignoredText(name, a.value(), "negative"));
    return fallback;
  }
  return v;
}

}  // namespace easel::svg::detail
