#include "Entities.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace easel::svg {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isNameStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalpha(u) || c == '_' || c == ':' || u >= 0x80;
}
bool isNameChar(char c) {
  return isNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
}

void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// A reference at text[at] ('&'): "&#65;", "&#x41;" or "&name;".
struct Reference {
  std::size_t length = 0;  // 0: not a reference
  std::string_view name;   // empty for a character reference
  uint32_t codePoint = 0;
};

Reference referenceAt(std::string_view text, std::size_t at) {
  Reference r;
  std::size_t i = at + 1;
  if (i < text.size() && text[i] == '#') {
    const bool hex = i + 1 < text.size() && text[i + 1] == 'x';
    i += hex ? 2 : 1;
    const std::size_t digits = i;
    uint64_t v = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
      const char c = text[i];
      if (!hex && !std::isdigit(static_cast<unsigned char>(c))) break;
      v = v * (hex ? 16 : 10) +
          static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10);
      if (v > 0x10FFFF) return r;
    }
    if (i == digits || i >= text.size() || text[i] != ';' || v == 0 || (v >= 0xD800 && v < 0xE000)) return r;
    r.codePoint = static_cast<uint32_t>(v);
    r.length = i + 1 - at;
    return r;
  }
  if (i >= text.size() || !isNameStart(text[i])) return r;
  const std::size_t start = i;
  while (i < text.size() && isNameChar(text[i])) ++i;
  if (i >= text.size() || text[i] != ';') return r;
  r.name = text.substr(start, i - start);
  r.length = i + 1 - at;
  return r;
}

char predefined(std::string_view name) {
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "amp") return '&';
  if (name == "apos") return '\'';
  if (name == "quot") return '"';
  return 0;
}

// Reads the DOCTYPE's internal subset: entity declarations, and the rest
// passed over.
class SubsetReader {
 public:
  SubsetReader(std::string_view text, std::size_t at) : text_(text), at_(at) {}

  EntityTable read() {
    EntityTable table;
    // <!DOCTYPE name external-id? [subset]? >: up to the subset, if any.
    for (;;) {
      if (atEnd()) fail("the DOCTYPE does not end");
      const char c = text_[at_];
      if (c == '>') return table;
      if (c == '"' || c == '\'') {
        literal();
        continue;
      }
      ++at_;
      if (c == '[') break;
    }
    for (;;) {
      skipSpace();
      if (atEnd()) fail("the DOCTYPE's internal subset does not end");
      if (startsWith("]")) return table;
      if (startsWith("%")) fail("a parameter entity reference, which is not read (what it declares is not known)");
      if (startsWith("<!--")) {
        skipPast("-->");
      } else if (startsWith("<?")) {
        skipPast("?>");
      } else if (startsWith("<!ENTITY")) {
        at_ += 8;
        entity(table);
      } else if (startsWith("<!")) {
        declaration();
      } else {
        fail("unexpected text in the DOCTYPE");
      }
    }
  }

 private:
  bool atEnd() const { return at_ >= text_.size(); }
  bool startsWith(std::string_view s) const { return text_.substr(at_, s.size()) == s; }
  [[noreturn]] void fail(const std::string& message) const { throw ValueError(message, at_); }
  void skipSpace() {
    while (!atEnd() && isSpace(text_[at_])) ++at_;
  }
  void skipPast(std::string_view end) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) fail("a comment or instruction in the DOCTYPE does not end");
    at_ = found + end.size();
  }
  // A quoted literal; the text between the quotes.
  std::string_view literal() {
    const char quote = text_[at_];
    const std::size_t close = text_.find(quote, at_ + 1);
    if (close == std::string_view::npos) fail("a quoted value in the DOCTYPE does not end");
    const std::string_view inside = text_.substr(at_ + 1, close - at_ - 1);
    at_ = close + 1;
    return inside;
  }
  std::string_view name() {
    const std::size_t start = at_;
    if (atEnd() || !isNameStart(text_[at_])) fail("expected a name in the DOCTYPE");
    while (!atEnd() && isNameChar(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }
  // Any other declaration, up to its '>' (quoted values may hold one).
  void declaration() {
    while (!atEnd() && text_[at_] != '>') {
      if (text_[at_] == '"' || text_[at_] == '\'') {
        literal();
      } else {
        ++at_;
      }
    }
    if (atEnd()) fail("a declaration in the DOCTYPE does not end");
    ++at_;
  }
  void entity(EntityTable& table) {
    skipSpace();
    if (startsWith("%")) {  // a parameter entity: never referred to, since a reference is refused
      declaration();
      return;
    }
    const std::string key(name());
    skipSpace();
    Entity e;
    if (!atEnd() && (text_[at_] == '"' || text_[at_] == '\'')) {
      const std::size_t start = at_ + 1;
      e.text = replacementText(literal(), start);
    } else if (startsWith("SYSTEM") || startsWith("PUBLIC")) {
      const bool isPublic = startsWith("PUBLIC");
      at_ += 6;
      skipSpace();
      if (atEnd() || (text_[at_] != '"' && text_[at_] != '\'')) fail("expected a quoted name after SYSTEM or PUBLIC");
      e.external = std::string(literal());
      if (isPublic) {  // the public name, then the file
        skipSpace();
        if (!atEnd() && (text_[at_] == '"' || text_[at_] == '\'')) e.external = std::string(literal());
      }
    } else {
      fail("expected the entity's value");
    }
    declaration();                     // NDATA and the closing '>'
    table.emplace(key, std::move(e));  // the first declaration of a name binds it
  }
  // The text of an entity's literal with its character references replaced;
  // references to other entities stay, to be expanded where it is used.
  std::string replacementText(std::string_view literal, std::size_t start) const {
    std::string out;
    for (std::size_t i = 0; i < literal.size(); ++i) {
      if (literal[i] == '%') {
        throw ValueError(referenceAt(literal, i).length > 0 ? "a parameter entity reference, which is not read"
                                                            : "a '%' in an entity's value, which XML does not allow",
                         start + i);
      }
      const Reference r = literal[i] == '&' ? referenceAt(literal, i) : Reference{};
      if (r.length > 0 && r.name.empty()) {
        appendUtf8(out, r.codePoint);
        i += r.length - 1;
      } else {
        out += literal[i];
      }
    }
    return out;
  }

  std::string_view text_;
  std::size_t at_;
};

}  // namespace

EntityTable declaredEntities(std::string_view text) {
  std::size_t at = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  for (;;) {
    while (at < text.size() && isSpace(text[at])) ++at;
    const std::string_view rest = text.substr(at);
    const auto past = [&](std::string_view end) {
      const std::size_t found = rest.find(end);
      return found == std::string_view::npos ? text.size() : at + found + end.size();
    };
    if (rest.substr(0, 2) == "<?") {
      at = past("?>");
    } else if (rest.substr(0, 4) == "<!--") {
      at = past("-->");
    } else if (rest.substr(0, 9) == "<!DOCTYPE") {
      return SubsetReader(text, at + 9).read();
    } else {
      return {};
    }
  }
}

void EntityExpander::spend(std::size_t bytes) {
  if (bytes > left_) throw EntityBudgetError("the entities expand past their budget");
  left_ -= bytes;
}

std::string EntityExpander::decode(std::string_view value, bool attribute) {
  std::string out;
  out.reserve(value.size());
  expand(value, attribute, 0, 0, out);
  return out;
}

void EntityExpander::expand(std::string_view text, bool attribute, std::size_t depth, std::size_t at,
                            std::string& out) {
  const auto place = [&](std::size_t i) { return depth == 0 ? i : at; };
  const auto put = [&](std::string_view piece) {
    if (depth > 0) spend(piece.size());
    const std::size_t from = out.size();
    out += piece;
    // An entity's line breaks and tabs in an attribute are spaces, as the
    // value's own are.
    if (depth > 0 && attribute)
      std::replace_if(out.begin() + static_cast<std::ptrdiff_t>(from), out.end(), isSpace, ' ');
  };
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t amp = text.find('&', i);
    put(text.substr(i, amp == std::string_view::npos ? std::string_view::npos : amp - i));
    if (amp == std::string_view::npos) return;
    const Reference r = referenceAt(text, amp);
    i = amp + std::max<std::size_t>(r.length, 1);
    if (r.length == 0) {
      put("&");
    } else if (r.name.empty()) {
      std::string c;
      appendUtf8(c, r.codePoint);
      if (depth > 0) spend(c.size());
      out += c;
    } else if (const char p = predefined(r.name)) {
      if (depth > 0) spend(1);
      out += p;
    } else if (const auto found = entities_.find(r.name); found == entities_.end()) {
      throw ValueError("not an SVG file: the entity &" + std::string(r.name) + "; is not declared", place(amp));
    } else {
      const std::string name = "&" + std::string(r.name) + ";";
      const Entity& e = found->second;
      if (e.external)
        throw ValueError("the entity " + name + " names a file (\"" + *e.external + "\"), which is never read",
                         place(amp));
      if (std::find(active_.begin(), active_.end(), r.name) != active_.end())
        throw ValueError("the entity " + name + " refers to itself", place(amp));
      if (e.text.find('<') != std::string::npos) {
        throw ValueError(attribute ? "the entity " + name + " puts '<' in an attribute, which XML does not allow"
                                   : "the entity " + name + " holds markup, which this reader does not expand",
                         place(amp));
      }
      active_.push_back(r.name);
      expand(e.text, attribute, depth + 1, place(amp), out);
      active_.pop_back();
    }
  }
}

}  // namespace easel::svg
