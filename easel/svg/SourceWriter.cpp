#include "SourceWriter.h"

namespace easel::svg {

SourceWriter::SourceWriter(XmlOut& out, const SvgSource& source)
    : out_(out), text_(source.text), spans_(source.buffer, text_, source.fileName), root_(source.root) {
  if (source.root && source.root.first_attribute()) quote_ = spans_.tag(source.root).attributes.front().quote;
}

void SourceWriter::copy(std::size_t from, std::size_t to) {
  if (out_.probing()) return;
  out_.content();
  text_.copy(from, to, [&](std::string_view piece) { out_.text(piece); });
}

void SourceWriter::kept(pugi::xml_node node) {
  if (out_.probing()) {
    out_.noteNode(node);
    return;
  }
  copy(spans_.start(node), spans_.end(node));
}

void SourceWriter::startTag(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes) {
  if (out_.probing()) {
    out_.notePrefix(name);
    for (const auto& a : attributes.list()) out_.notePrefix(a.name);
    return;
  }
  out_.content();
  const StartTag& t = spans_.tag(element);
  if (name == element.name()) {
    copy(t.start, t.nameEnd);
  } else {
    out_.text("<");
    out_.text(name);
  }
  const auto& list = attributes.list();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const XmlAttributes::Attribute& a = list[i];
    if (a.from >= 0) {
      const AttributeSpan& s = t.attributes[static_cast<std::size_t>(a.from)];
      if (!a.isHeld) {
        copy(s.start, s.valueEnd + 1);
      } else {
        copy(s.start, s.value);
        if (a.plain) {
          out_.text(a.value());
        } else {
          out_.escaped(a.value(), s.quote);
        }
        out_.text({&s.quote, 1});
      }
      continue;
    }
    // A new attribute: the space and quote of the file's attribute nearest
    // before it (or after it), as the element's other attributes have them.
    const AttributeSpan* near = nullptr;
    for (std::size_t j = i; j-- > 0 && !near;) {
      if (list[j].from >= 0) near = &t.attributes[static_cast<std::size_t>(list[j].from)];
    }
    for (std::size_t j = i + 1; j < list.size() && !near; ++j) {
      if (list[j].from >= 0) near = &t.attributes[static_cast<std::size_t>(list[j].from)];
    }
    if (near) {
      out_.attribute(text_.view(near->start, near->name), a.name, a.value(), near->quote, a.plain);
    } else {
      out_.attribute(" ", a.name, a.value(), quote_, a.plain);
    }
  }
}

void SourceWriter::element(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes) {
  startTag(element, name, attributes);
  if (out_.probing()) {
    for (pugi::xml_node c : element.children()) out_.noteNode(c);
    return;
  }
  const StartTag& t = spans_.tag(element);
  if (name == element.name() || t.selfClosing) {
    const std::size_t tail = t.tail;
    copy(tail, spans_.end(element));
    return;
  }
  const std::size_t tail = t.tail;
  copy(tail, spans_.contentEnd(element));
  out_.text("</");
  out_.text(name);
  out_.text(">");
}

void SourceWriter::open(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes) {
  startTag(element, name, attributes);
  if (out_.probing()) return;
  const StartTag& t = spans_.tag(element);
  if (t.selfClosing) {
    // Content where the file had none: the tag closes with '>' instead of "/>".
    copy(t.tail, t.end - 2);
    out_.text(">");
  } else {
    copy(t.tail, t.end);
  }
}

void SourceWriter::close(pugi::xml_node element, std::string_view name) {
  if (out_.probing()) return;
  const StartTag& t = spans_.tag(element);
  if (t.selfClosing || name != element.name()) {
    out_.text("</");
    out_.text(name);
    out_.text(">");
    return;
  }
  const std::size_t from = spans_.contentEnd(element);
  copy(from, spans_.end(element));
}

std::string SourceWriter::textOf(pugi::xml_node node) {
  if (!node) return {};
  const std::size_t from = spans_.start(node);
  return std::string(text_.view(from, spans_.end(node)));
}

std::string SourceWriter::leadText(pugi::xml_node element) { return textOf(SourceSpans::leadOf(element)); }

std::string SourceWriter::childLead(pugi::xml_node container) {
  for (pugi::xml_node c = container.last_child(); c; c = c.previous_sibling()) {
    if (c.type() != pugi::node_element) continue;
    if (pugi::xml_node lead = SourceSpans::leadOf(c)) return textOf(lead);
  }
  return {};
}

std::string SourceWriter::deeper(const std::string& lead) { return lead.empty() ? lead : lead + indentStep(); }

// What a level adds: the root's children's white space beyond that before
// its end tag, or a child's children's beyond the child's own.
std::string SourceWriter::indentStep() {
  if (step_) return *step_;
  const auto beyond = [](const std::string& inner, const std::string& outer) {
    return inner.size() > outer.size() && inner.starts_with(outer) ? inner.substr(outer.size()) : std::string();
  };
  const pugi::xml_node last = root_.last_child();
  std::string step = beyond(childLead(root_), SourceSpans::isWhiteSpace(last) ? textOf(last) : std::string());
  int looked = 0;
  for (pugi::xml_node c = root_.first_child(); c && step.empty() && looked < 64; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    ++looked;
    step = beyond(childLead(c), leadText(c));
  }
  step_ = step;
  return step;
}

}  // namespace easel::svg
