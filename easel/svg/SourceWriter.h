// Writes the nodes of the file back through an XmlOut: what did not change is
// copied from the file's text, byte for byte; an element whose attributes
// changed gets a start tag made of its own: every attribute that stays keeps
// its bytes and the space before it, a changed one its name and quotes, a new
// one the space and quote of its neighbours, a removed one takes its space
// with it.
#ifndef EASEL_SVG_SOURCEWRITER_H
#define EASEL_SVG_SOURCEWRITER_H

#include <optional>
#include <string>
#include <string_view>

#include "SourceSpans.h"
#include "SourceText.h"
#include "SvgSource.h"
#include "XmlOut.h"

namespace easel::svg {

class SourceWriter {
 public:
  SourceWriter(XmlOut& out, const SvgSource& source);

  SourceSpans& spans() { return spans_; }
  XmlOut& out() { return out_; }
  // A node of the file as it is.
  void kept(pugi::xml_node node);
  // Bytes [from, to) of the file.
  void copy(std::size_t from, std::size_t to);
  // `element` named `name` with `attributes` (XmlAttributes::of(element),
  // edited), then its content and end tag as the file has them.
  void element(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes);
  // The same in two halves, for content that the caller writes between.
  void open(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes);
  void close(pugi::xml_node element, std::string_view name);
  // The quote character of the file's attributes, for new elements.
  char quote() const { return quote_; }

  // The layout of new elements, as the file's neighbours have it: the white
  // space before `element` ("" for none); before the last element child of
  // `container` that has some (where a new child goes); and one level
  // deeper than `lead`, by the file's own step ("" stays "").
  std::string leadText(pugi::xml_node element);
  std::string childLead(pugi::xml_node container);
  std::string rootChildLead() { return childLead(root_); }
  std::string deeper(const std::string& lead);

 private:
  void startTag(pugi::xml_node element, std::string_view name, const XmlAttributes& attributes);
  std::string textOf(pugi::xml_node node);
  std::string indentStep();

  XmlOut& out_;
  TextReader text_;
  SourceSpans spans_;
  char quote_ = '"';
  pugi::xml_node root_;
  std::optional<std::string> step_;
};

}  // namespace easel::svg

#endif
