// XML written as it is produced: into a buffer that goes to a stream in
// pieces (or is kept whole, for a caller that wants the text), with the
// elements of a parsed file written by pugixml itself, so that they come out
// exactly as pugixml writes them and no tree of the output is ever built.
#ifndef EASEL_SVG_XMLOUT_H
#define EASEL_SVG_XMLOUT_H

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace easel::svg {

// The attributes of one element about to be written, in order. Values read
// from the file are viewed, not copied: the file outlives the writing.
class XmlAttributes {
 public:
  struct Attribute {
    std::string name;
    std::string_view viewed;
    std::string held;
    bool isHeld = false;
    bool plain = false;  // nothing in it needs escaping
    std::string_view value() const { return isHeld ? std::string_view(held) : viewed; }
  };

  // Every attribute of a file's element.
  static XmlAttributes of(pugi::xml_node node);

  Attribute* find(std::string_view name);
  void append(std::string name, std::string_view fileValue);  // viewed
  void append(std::string name, std::string value);           // held
  // A value known to hold nothing that needs escaping (numbers, path data).
  void appendPlain(std::string name, std::string value);
  void prepend(std::string name, std::string value);
  void set(Attribute& a, std::string value);
  void remove(std::string_view name);
  const std::vector<Attribute>& list() const { return list_; }

 private:
  std::vector<Attribute> list_;
};

class XmlOut : public pugi::xml_writer {
 public:
  // Raw: nothing between the tags but what the file had (pugixml's
  // format_raw). Indented: every tag on a line of its own (format_indent
  // with an empty indent).
  enum class Layout { Raw, Indented };

  // Writes to `sink` in pieces; with no sink, keeps the whole text for take().
  XmlOut(std::ostream* sink, Layout layout);
  // A writer that writes nothing and notes whether any element or
  // attribute name starts with `prefix`.
  static XmlOut probe(std::string prefix);

  bool probing() const { return probing_; }
  bool sawPrefix() const { return sawPrefix_; }

  void startElement(std::string_view name, const XmlAttributes& attributes);
  void endElement(std::string_view name);
  // A node of a parsed file, whole.
  void node(pugi::xml_node n);
  // Text as it is (between the nodes around the root).
  void text(std::string_view t);
  // The rest of the buffer to the sink.
  void flush();
  std::string take() { return std::move(buffer_); }
  std::size_t written() const { return written_; }

  void write(const void* data, size_t size) override;

 private:
  void closeStartTag();
  void escapedAttribute(std::string_view value);
  void notePrefix(std::string_view name);

  std::ostream* sink_ = nullptr;
  Layout layout_ = Layout::Raw;
  std::string buffer_;
  std::size_t written_ = 0;    // to the sink and in the buffer
  bool startTagOpen_ = false;  // a start tag waits for its '>' or '/>'
  bool probing_ = false;
  std::string prefix_;
  bool sawPrefix_ = false;
};

}  // namespace easel::svg

#endif
