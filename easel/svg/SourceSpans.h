// Where the nodes of a parsed file lie in its text (SourceText.h). pugixml
// parses in place, so the name of every element and attribute is where the
// file has it: that gives an element's start; the rest (the ends, the spaces
// and quotes of a start tag) is read from the text. An element that is not
// where its name says (the text is not the one parsed) is an error, never
// bytes copied from the wrong place.
#ifndef EASEL_SVG_SOURCESPANS_H
#define EASEL_SVG_SOURCESPANS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "SourceText.h"

namespace easel::svg {

struct AttributeSpan {
  std::size_t start;     // the space before the name
  std::size_t name;      // the name's first byte
  std::size_t value;     // after the opening quote
  std::size_t valueEnd;  // the closing quote
  char quote;
};

struct StartTag {
  std::size_t start = 0;    // '<'
  std::size_t nameEnd = 0;  // after the name
  std::vector<AttributeSpan> attributes;
  std::size_t tail = 0;  // after the last attribute (or the name): the space and '>' or "/>"
  std::size_t end = 0;   // after '>' or "/>"
  bool selfClosing = false;
};

class SourceSpans {
 public:
  // `buffer`: the parsed text, which the XML's names point into; `fileName`
  // for messages.
  SourceSpans(std::string_view buffer, TextReader& text, std::string fileName)
      : buffer_(buffer), text_(text), fileName_(std::move(fileName)) {}

  TextReader& text() { return text_; }
  std::size_t start(pugi::xml_node node);
  // After the node (an element: after its end tag).
  std::size_t end(pugi::xml_node node);
  // The element's start tag, valid until the next call.
  const StartTag& tag(pugi::xml_node element);
  // Where an element's content ends: its end tag's '<' (its tag's end when
  // it closes itself).
  std::size_t contentEnd(pugi::xml_node element);

  // The space before an element when it has a line or a place of its own: a
  // text of white space right before it; null otherwise.
  static pugi::xml_node leadOf(pugi::xml_node element);
  static bool isWhiteSpace(pugi::xml_node node);

 private:
  std::size_t offsetOf(const char* p) const;
  // The start of a node that its pointers give; npos for text that is not
  // in the parsed buffer any more.
  std::size_t knownStart(pugi::xml_node node) const;
  std::size_t scanEnd(pugi::xml_node node);
  [[noreturn]] void mismatch(std::size_t at) const;

  std::string_view buffer_;
  TextReader& text_;
  std::string fileName_;
  pugi::xml_node tagNode_;  // the element whose start tag tag_ holds
  StartTag tag_;
};

}  // namespace easel::svg

#endif
