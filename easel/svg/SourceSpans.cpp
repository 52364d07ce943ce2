#include "SourceSpans.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "SvgError.h"

namespace easel::svg {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::size_t SourceSpans::offsetOf(const char* p) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer_.data());
  return at >= begin && at < begin + buffer_.size() ? at - begin : TextReader::npos;
}

void SourceSpans::mismatch(std::size_t at) const {
  throw SvgError(fileName_ + ": the text at byte " + std::to_string(at) +
                 " is not the text that was read; nothing was written");
}

std::size_t SourceSpans::knownStart(pugi::xml_node node) const {
  const auto before = [](std::size_t at, std::size_t by) { return at == TextReader::npos ? at : at - by; };
  switch (node.type()) {
    case pugi::node_element: return before(offsetOf(node.name()), 1);  // "<"
    case pugi::node_pi:
    case pugi::node_declaration: return before(offsetOf(node.name()), 2);  // "<?"
    case pugi::node_pcdata: return offsetOf(node.value());
    case pugi::node_comment: return before(offsetOf(node.value()), 4);  // "<!--"
    case pugi::node_cdata: return before(offsetOf(node.value()), 9);    // "<![CDATA["
    default: return TextReader::npos;
  }
}

std::size_t SourceSpans::start(pugi::xml_node node) {
  const std::size_t known = knownStart(node);
  if (known != TextReader::npos) return known;
  // A text whose value was replaced after the parse starts where the node
  // before it ends.
  if (pugi::xml_node previous = node.previous_sibling()) return end(previous);
  pugi::xml_node parent = node.parent();
  if (parent.type() != pugi::node_element) mismatch(0);
  return tag(parent).end;
}

std::size_t SourceSpans::end(pugi::xml_node node) {
  // Inside an element, one node ends where the next begins.
  if (node.parent().type() == pugi::node_element) {
    if (pugi::xml_node next = node.next_sibling()) {
      const std::size_t known = knownStart(next);
      if (known != TextReader::npos) return known;
    }
  }
  return scanEnd(node);
}

std::size_t SourceSpans::contentEnd(pugi::xml_node element) {
  const StartTag& t = tag(element);
  if (t.selfClosing) return t.end;
  const std::size_t tagEnd = t.end;  // tag() is cached: keep what it said
  pugi::xml_node last = element.last_child();
  return last ? end(last) : tagEnd;
}

std::size_t SourceSpans::scanEnd(pugi::xml_node node) {
  const auto after = [&](std::string_view closing, std::size_t from) {
    const std::size_t at = text_.find(closing, from);
    if (at == TextReader::npos) mismatch(from);
    return at + closing.size();
  };
  const std::size_t from = start(node);
  switch (node.type()) {
    case pugi::node_element: {
      if (tag(node).selfClosing) return tag(node).end;
      const std::size_t endTag = contentEnd(node);
      if (text_.at(endTag) != '<' || text_.at(endTag + 1) != '/') mismatch(endTag);
      return after(">", endTag);
    }
    case pugi::node_pcdata: {
      const std::size_t at = text_.find('<', from);
      return at == TextReader::npos ? text_.size() : at;
    }
    case pugi::node_comment: return after("-->", from + 4);
    case pugi::node_cdata: return after("]]>", from + 9);
    case pugi::node_pi:
    case pugi::node_declaration: return after("?>", from + 2);
    default: mismatch(from);
  }
}

const StartTag& SourceSpans::tag(pugi::xml_node element) {
  if (element == tagNode_) return tag_;
  StartTag& t = tag_;
  tagNode_ = pugi::xml_node();
  t.attributes.clear();
  t.start = knownStart(element);
  const std::string_view name = element.name();
  if (t.start == TextReader::npos || text_.at(t.start) != '<' ||
      text_.view(t.start + 1, t.start + 1 + name.size()) != name) {
    mismatch(t.start == TextReader::npos ? 0 : t.start);
  }
  t.nameEnd = t.start + 1 + name.size();
  std::size_t at = t.nameEnd;
  for (pugi::xml_attribute a : element.attributes()) {
    AttributeSpan s{};
    s.start = at;
    const std::size_t nameAt = offsetOf(a.name());
    const std::size_t nameSize = std::strlen(a.name());
    if (nameAt == TextReader::npos || nameAt < at || text_.view(nameAt, nameAt + nameSize) != a.name()) mismatch(at);
    s.name = nameAt;
    at = nameAt + nameSize;
    while (isSpace(text_.at(at))) ++at;
    if (text_.at(at) != '=') mismatch(at);
    ++at;
    while (isSpace(text_.at(at))) ++at;
    s.quote = text_.at(at);
    if (s.quote != '"' && s.quote != '\'') mismatch(at);
    s.value = at + 1;
    s.valueEnd = text_.find(s.quote, s.value);
    if (s.valueEnd == TextReader::npos) mismatch(s.value);
    at = s.valueEnd + 1;
    t.attributes.push_back(s);
  }
  t.tail = at;
  while (at < text_.size() && isSpace(text_.at(at))) ++at;
  t.selfClosing = text_.at(at) == '/';
  t.end = at + (t.selfClosing ? 2 : 1);
  tagNode_ = element;
  return t;
}

bool SourceSpans::isWhiteSpace(pugi::xml_node node) {
  if (node.type() != pugi::node_pcdata) return false;
  for (const char* c = node.value(); *c; ++c) {
    if (!isSpace(*c)) return false;
  }
  return true;
}

pugi::xml_node SourceSpans::leadOf(pugi::xml_node element) {
  pugi::xml_node previous = element.previous_sibling();
  return isWhiteSpace(previous) ? previous : pugi::xml_node();
}

}  // namespace easel::svg
