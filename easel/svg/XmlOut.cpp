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
  int i = 0;
  for (pugi::xml_attribute a : node.attributes()) {
    out.append(a.name(), std::string_view(a.value()));
    out.list_.back().from = i++;
  }
  return out;
}

XmlAttributes::Attribute* XmlAttributes::find(std::string_view name) {
  const auto found = std::find_if(list_.begin(), list_.end(), [&](const Attribute& a) { return a.name == name; });
  return found == list_.end() ? nullptr : &*found;
}

void XmlAttributes::append(std::string name, std::string_view fileValue) {
  list_.push_back({std::move(name), fileValue, {}, false, false, -1});
}

void XmlAttributes::append(std::string name, std::string value) {
  list_.push_back({std::move(name), {}, std::move(value), true, false, -1});
}

void XmlAttributes::appendPlain(std::string name, std::string value) {
  list_.push_back({std::move(name), {}, std::move(value), true, true, -1});
}

void XmlAttributes::prepend(std::string name, std::string value) {
  list_.insert(list_.begin(), {std::move(name), {}, std::move(value), true, false, -1});
}

void XmlAttributes::set(Attribute& a, std::string value) {
  if (!a.isHeld && a.viewed == value) return;
  a.held = std::move(value);
  a.isHeld = true;
  a.plain = false;
}

void XmlAttributes::replace(Attribute& a, std::string name, std::string value) {
  if (a.name != name) a.from = -1;
  a.name = std::move(name);
  a.held = std::move(value);
  a.isHeld = true;
  a.plain = true;
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

void XmlOut::text(std::string_view t) {
  if (probing_) return;
  written_ += t.size();
  if (sink_ && t.size() >= kFlushSize) {
    // A large piece (of the file's text) goes straight through.
    flush();
    sink_->write(t.data(), static_cast<std::streamsize>(t.size()));
    return;
  }
  buffer_.append(t);
  if (sink_ && buffer_.size() >= kFlushSize) flush();
}

void XmlOut::flush() {
  if (!sink_ || buffer_.empty()) return;
  sink_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void XmlOut::notePrefix(std::string_view name) {
  if (name.starts_with(prefix_)) sawPrefix_ = true;
}

void XmlOut::noteNode(pugi::xml_node node) {
  if (probing_ && node.type() == pugi::node_element && usesPrefix(node, prefix_)) sawPrefix_ = true;
}

void XmlOut::content() {
  if (!startTagOpen_) return;
  startTagOpen_ = false;
  text(layout_ == Layout::Raw ? ">" : ">\n");
}

namespace {

// What a value between quotes escapes: &, < and the quote, and the control
// characters (as character references, which keep line breaks and tabs that
// the reading would otherwise turn into spaces); > and the other quote stay.
struct Escapes {
  std::array<bool, 256> table{};
  explicit constexpr Escapes(char quote) {
    for (int c = 0; c < 32; ++c) table[static_cast<std::size_t>(c)] = true;
    table['&'] = table['<'] = true;
    table[static_cast<unsigned char>(quote)] = true;
  }
};
constexpr Escapes kInDoubleQuotes('"'), kInSingleQuotes('\'');

}  // namespace

void XmlOut::escaped(std::string_view value, char quote) {
  const auto& escapes = quote == '\'' ? kInSingleQuotes.table : kInDoubleQuotes.table;
  std::size_t from = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    if (!escapes[c]) continue;
    text(value.substr(from, i - from));
    if (c == '&') {
      text("&amp;");
    } else if (c == '<') {
      text("&lt;");
    } else if (c == '"') {
      text("&quot;");
    } else if (c == '\'') {
      text("&apos;");
    } else {
      const char reference[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10), ';'};
      text({reference, sizeof reference});
    }
    from = i + 1;
  }
  text(value.substr(from));
}

void XmlOut::attribute(std::string_view space, std::string_view name, std::string_view value, char quote, bool plain) {
  if (probing_) {
    notePrefix(name);
    return;
  }
  text(space);
  text(name);
  const char open[] = {'=', quote};
  text({open, 2});
  if (plain) {
    text(value);
  } else {
    escaped(value, quote);
  }
  text({&quote, 1});
}

void XmlOut::startElement(std::string_view name, const XmlAttributes& attributes, char quote) {
  if (probing_) {
    notePrefix(name);
    for (const auto& a : attributes.list()) notePrefix(a.name);
    return;
  }
  content();
  text("<");
  text(name);
  for (const auto& a : attributes.list()) attribute(" ", a.name, a.value(), quote, a.plain);
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

}  // namespace easel::svg
