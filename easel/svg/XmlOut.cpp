#include "XmlOut.h"

#include <algorithm>
#include <array>

namespace easel::svg {

namespace {

// Pieces of this size go to the sink: large enough that the stream is
// called rarely, small enough that the output is never held whole.
constexpr std::size_t kFlushSize = std::size_t{1} << 16;

bool usesPrefix(pugi::xml_node node, std::string_view prefix) {
  if (std::string_view(node.name()).starts_with(prefix)) return true;
  for (pugi::xml_attribute a : node.attributes()) {
    if (std::string_view(a.name()).starts_with(prefix)) return true;
  }
  for (pugi::xml_node c : node.children()) {
    if (c.type() == pugi::node_element && usesPrefix(c, prefix)) return true;
  }
  return false;
}

}  // namespace

XmlAttributes XmlAttributes::of(pugi::xml_node node) {
  XmlAttributes out;
  for (pugi::xml_attribute a : node.attributes()) out.append(a.name(), std::string_view(a.value()));
  return out;
}

XmlAttributes::Attribute* XmlAttributes::find(std::string_view name) {
  const auto found = std::find_if(list_.begin(), list_.end(), [&](const Attribute& a) { return a.name == name; });
  return found == list_.end() ? nullptr : &*found;
}

void XmlAttributes::append(std::string name, std::string_view fileValue) {
  list_.push_back({std::move(name), fileValue, {}, false});
}

void XmlAttributes::append(std::string name, std::string value) {
  list_.push_back({std::move(name), {}, std::move(value), true});
}

void XmlAttributes::appendPlain(std::string name, std::string value) {
  list_.push_back({std::move(name), {}, std::move(value), true, true});
}

void XmlAttributes::prepend(std::string name, std::string value) {
  list_.insert(list_.begin(), {std::move(name), {}, std::move(value), true});
}

void XmlAttributes::set(Attribute& a, std::string value) {
  a.held = std::move(value);
  a.isHeld = true;
  a.plain = false;
}

void XmlAttributes::remove(std::string_view name) {
  const auto found = std::find_if(list_.begin(), list_.end(), [&](const Attribute& a) { return a.name == name; });
  if (found != list_.end()) list_.erase(found);
}

XmlOut::XmlOut(std::ostream* sink, Layout layout) : sink_(sink), layout_(layout) {
  if (sink_) buffer_.reserve(kFlushSize + 4096);
}

XmlOut XmlOut::probe(std::string prefix) {
  XmlOut out(nullptr, Layout::Raw);
  out.probing_ = true;
  out.prefix_ = std::move(prefix);
  return out;
}

void XmlOut::write(const void* data, size_t size) {
  if (probing_) return;
  buffer_.append(static_cast<const char*>(data), size);
  written_ += size;
  if (sink_ && buffer_.size() >= kFlushSize) flush();
}

void XmlOut::flush() {
  if (!sink_ || buffer_.empty()) return;
  sink_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void XmlOut::text(std::string_view t) { write(t.data(), t.size()); }

void XmlOut::notePrefix(std::string_view name) {
  if (name.starts_with(prefix_)) sawPrefix_ = true;
}

void XmlOut::closeStartTag() {
  if (!startTagOpen_) return;
  startTagOpen_ = false;
  text(layout_ == Layout::Raw ? ">" : ">\n");
}

// As pugixml escapes attribute values: &, <, " and the control characters
// (as two-digit character references); > and ' stay.
constexpr std::array<bool, 256> kEscapedInAttributes = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 32; ++c) table[static_cast<std::size_t>(c)] = true;
  table['&'] = table['<'] = table['"'] = true;
  return table;
}();

void XmlOut::escapedAttribute(std::string_view value) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    if (!kEscapedInAttributes[c]) continue;
    text(value.substr(from, i - from));
    if (c == '&') {
      text("&amp;");
    } else if (c == '<') {
      text("&lt;");
    } else if (c == '"') {
      text("&quot;");
    } else {
      const char reference[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10), ';'};
      text({reference, sizeof reference});
    }
    from = i + 1;
  }
  text(value.substr(from));
}

void XmlOut::startElement(std::string_view name, const XmlAttributes& attributes) {
  if (probing_) {
    notePrefix(name);
    for (const auto& a : attributes.list()) notePrefix(a.name);
    return;
  }
  closeStartTag();
  text("<");
  text(name);
  for (const auto& a : attributes.list()) {
    text(" ");
    text(a.name);
    text("=\"");
    if (a.plain) {
      text(a.value());
    } else {
      escapedAttribute(a.value());
    }
    text("\"");
  }
  startTagOpen_ = true;
}

void XmlOut::endElement(std::string_view name) {
  if (probing_) return;
  if (startTagOpen_) {
    startTagOpen_ = false;
    text(layout_ == Layout::Raw ? "/>" : " />\n");
    return;
  }
  text("</");
  text(name);
  text(layout_ == Layout::Raw ? ">" : ">\n");
}

void XmlOut::node(pugi::xml_node n) {
  if (probing_) {
    if (n.type() == pugi::node_element && usesPrefix(n, prefix_)) sawPrefix_ = true;
    return;
  }
  closeStartTag();
  if (layout_ == Layout::Raw) {
    n.print(*this, "", pugi::format_raw, pugi::encoding_utf8);
  } else {
    n.print(*this, "", pugi::format_indent, pugi::encoding_utf8, 1);
  }
}

}  // namespace easel::svg
