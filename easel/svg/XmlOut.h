// XML written as it is produced: into a buffer that goes to a stream in
// pieces (or is kept whole, for a caller that wants the text), so that no
// tree of the output is ever built and the output is never held whole. What
// the file had comes as text (SourceWriter.h copies it); what is new is
// written here, element by element.
#ifndef EASEL_SVG_XMLOUT_H
#define EASEL_SVG_XMLOUT_H

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace easel::svg {

// The attributes of one element about to be written, in order. Values read
// from the file are viewed, not copied: the file outlives the writing. Each
// of the file's attributes knows its place in the element, so that one whose
// value stays keeps its bytes.
class XmlAttributes {
 public:
  struct Attribute {
    std::string name;
    std::string_view viewed;
    std::string held;
    bool isHeld = false;
    bool plain = false;  // nothing in it needs escaping
    int from = -1;       // the file element's attribute it is (its index); -1 for a new one
    std::string_view value() const { return isHeld ? std::string_view(held) : viewed; }
  };

  // Every attribute of a file's element.
  static XmlAttributes of(pugi::xml_node node);

  Attribute* find(std::string_view name);
  template <class Predicate>
  Attribute* findIf(Predicate p) {
    for (Attribute& a : list_) {
      if (p(a)) return &a;
    }
    return nullptr;
  }
  void append(std::string name, std::string_view fileValue);  // viewed
  void append(std::string name, std::string value);           // held
  // A value known to hold nothing that needs escaping (numbers, path data).
  void appendPlain(std::string name, std::string value);
  void prepend(std::string name, std::string value);
  // A new value; one equal to the file's leaves the attribute as the file has it.
  void set(Attribute& a, std::string value);
  void remove(std::string_view name);
  // Removes the attributes `p` names, asking it of each in order.
  template <class Predicate>
  void removeIf(Predicate p) {
    std::vector<Attribute> kept;
    kept.reserve(list_.size());
    for (Attribute& a : list_) {
      if (!p(std::as_const(a))) kept.push_back(std::move(a));
    }
    list_ = std::move(kept);
  }
  // `a` under `name` with a value known to need no escaping: the file's
  // attribute still (its place and quotes) when the name stays.
  void replace(Attribute& a, std::string name, std::string value);
  const std::vector<Attribute>& list() const { return list_; }

 private:
  std::vector<Attribute> list_;
};

class XmlOut {
 public:
  // For new elements: Raw, nothing between the tags but what the writer
  // puts there; Indented, every tag on a line of its own.
  enum class Layout { Raw, Indented };

  // Writes to `sink` in pieces; with no sink, keeps the whole text for take().
  XmlOut(std::ostream* sink, Layout layout);
  // A writer that writes nothing and notes whether any element or
  // attribute name starts with `prefix`.
  static XmlOut probe(std::string prefix);

  bool probing() const { return probing_; }
  bool sawPrefix() const { return sawPrefix_; }
  void notePrefix(std::string_view name);
  // Notes the names of a node of the file and of everything in it.
  void noteNode(pugi::xml_node node);

  // What follows is content: a new element's start tag left open closes.
  void content();
  // A new element's start tag (closed by what follows) and its end.
  void startElement(std::string_view name, const XmlAttributes& attributes, char quote = '"');
  void endElement(std::string_view name);
  // ` name="value"`, after `space` (the space before the name).
  void attribute(std::string_view space, std::string_view name, std::string_view value, char quote, bool plain);
  // A value between `quote`s, escaped as it needs.
  void escaped(std::string_view value, char quote);
  void text(std::string_view t);
  // The rest of the buffer to the sink.
  void flush();
  std::string take() { return std::move(buffer_); }
  std::size_t written() const { return written_; }

 private:
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
