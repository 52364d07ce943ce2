#include "StyleSheet.h"

#include <cctype>

#include "PropertyValues.h"
#include "Scanner.h"
#include "ValueError.h"
#include "easel/core/Trimmed.h"

namespace easel::svg {

namespace {

bool isNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '-' || c == '_' || u >= 0x80;
}

// Where the block that opens at `open` ('{') closes, past nested blocks and
// quoted text; the end of the text when it never does.
std::size_t blockEnd(std::string_view text, std::size_t open) {
  int depth = 0;
  char quote = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (quote) {
      if (c == '\\') ++i;
      else if (c == quote)
        quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}' && --depth == 0) {
      return i;
    }
  }
  return text.size();
}

// One compound selector, or nothing when it holds more than this reader knows.
bool parseSimple(std::string_view text, SimpleSelector& out) {
  std::size_t i = 0;
  const auto name = [&] {
    const std::size_t start = i;
    while (i < text.size() && isNameChar(text[i])) ++i;
    return std::string(text.substr(start, i - start));
  };
  if (i < text.size() && text[i] == '*') {
    ++i;
  } else {
    out.type = name();
  }
  while (i < text.size()) {
    const char c = text[i++];
    const std::string part = name();
    if (part.empty()) return false;
    if (c == '.') {
      out.classes.push_back(part);
    } else if (c == '#' && out.id.empty()) {
      out.id = part;
    } else {
      return false;
    }
  }
  return !text.empty();
}

}  // namespace

int SimpleSelector::specificity() const {
  return (id.empty() ? 0 : 10000) + static_cast<int>(classes.size()) * 100 + (type.empty() ? 0 : 1);
}

bool SimpleSelector::matches(pugi::xml_node element) const {
  if (!type.empty()) {
    const std::string_view name = element.name();
    const std::size_t colon = name.find(':');
    if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) != type) return false;
  }
  if (!id.empty() && id != element.attribute("id").value()) return false;
  if (classes.empty()) return true;
  // The class attribute is a list separated by white space.
  std::vector<std::string_view> has;
  const std::string_view list = element.attribute("class").value();
  for (std::size_t i = 0; i < list.size();) {
    while (i < list.size() && isSvgSpace(list[i])) ++i;
    const std::size_t start = i;
    while (i < list.size() && !isSvgSpace(list[i])) ++i;
    if (i > start) has.push_back(list.substr(start, i - start));
  }
  for (const std::string& c : classes) {
    bool found = false;
    for (std::string_view h : has) found |= h == c;
    if (!found) return false;
  }
  return true;
}

std::vector<SimpleSelector> parseSelectors(std::string_view text) {
  std::vector<SimpleSelector> out;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    SimpleSelector s;
    if (parseSimple(trimmed(text.substr(start, comma - start), kSvgWhiteSpace), s)) out.push_back(std::move(s));
    start = comma + 1;
  }
  return out;
}

void StyleSheet::add(std::string_view original, std::size_t offset, const Ignored& ignored) {
  std::string text(original);
  blankComments(text);
  const std::string_view all = text;
  std::size_t at = 0;
  while (at < all.size()) {
    const std::size_t open = all.find('{', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = blockEnd(all, open);
    std::string_view prelude = trimmed(all.substr(at, open - at), kSvgWhiteSpace);
    // A statement at-rule (@import ...;) before the prelude ends at its ';'.
    while (!prelude.empty() && prelude.front() == '@' && prelude.find(';') != std::string_view::npos) {
      prelude = trimmed(prelude.substr(prelude.find(';') + 1), kSvgWhiteSpace);
    }
    at = close + 1;
    if (prelude.empty() || prelude.front() == '@') continue;  // a block at-rule: skipped whole
    Rule rule;
    rule.selectors = parseSelectors(prelude);
    if (rule.selectors.empty()) continue;
    const std::size_t blockStart = open + 1;
    std::vector<ValueError> problems;
    for (Declaration& d : parseStyle(all.substr(blockStart, close - blockStart), &problems)) {
      d.valueOffset += offset + blockStart;
      const std::optional<Property> p = propertyNamed(d.property);
      const std::string_view value = plainValue(d.value);
      const bool keyword = isKeyword(value, "inherit") || isKeyword(value, "initial") || isKeyword(value, "unset");
      if (const auto reason = p && !keyword ? invalidValue(*p, value) : std::nullopt) {
        if (ignored) ignored(d.valueOffset, ignoredText(d.property, value, *reason));
      } else {
        rule.declarations.push_back(std::move(d));
      }
    }
    for (const ValueError& e : problems) {
      if (ignored) ignored(offset + blockStart + e.offset(), std::string("ignored ") + e.what() + " in a style sheet");
    }
    rule.firstOrder = declarationCount_;
    declarationCount_ += rule.declarations.size();
    rules_.push_back(std::move(rule));
  }
}

std::vector<SheetMatch> StyleSheet::matching(pugi::xml_node element) const {
  std::vector<SheetMatch> out;
  for (const Rule& rule : rules_) {
    // Of a group, the most specific selector that matches counts.
    const SimpleSelector* best = nullptr;
    for (const SimpleSelector& s : rule.selectors) {
      if (s.matches(element) && (!best || s.specificity() > best->specificity())) best = &s;
    }
    if (!best) continue;
    for (std::size_t i = 0; i < rule.declarations.size(); ++i) {
      const Declaration& d = rule.declarations[i];
      out.push_back({&d, best->specificity(), rule.firstOrder + i, isImportant(d.value), !best->id.empty()});
    }
  }
  return out;
}

}  // namespace easel::svg
