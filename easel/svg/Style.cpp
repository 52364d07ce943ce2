#include "Style.h"

#include "AsciiCase.h"
#include "Scanner.h"
#include "easel/core/Trimmed.h"

namespace easel::svg {

void blankComments(std::string& text) {
  for (std::size_t at = text.find("/*"); at != std::string::npos; at = text.find("/*", at)) {
    const std::size_t end = text.find("*/", at + 2);
    const std::size_t stop = end == std::string::npos ? text.size() : end + 2;
    for (std::size_t i = at; i < stop; ++i) text[i] = ' ';
  }
}

std::vector<Declaration> parseStyle(std::string_view text, std::vector<ValueError>* problems) {
  std::string plain(text);
  blankComments(plain);
  std::vector<Declaration> out;
  std::size_t start = 0;
  while (start <= plain.size()) {
    // A ';' inside quotes or parentheses does not end the declaration.
    std::size_t end = start;
    char quote = 0;
    int depth = 0;
    for (; end < plain.size(); ++end) {
      const char c = plain[end];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '(') {
        ++depth;
      } else if (c == ')') {
        if (depth > 0) --depth;
      } else if (c == ';' && depth == 0) {
        break;
      }
    }
    const std::string_view item = trimmed(std::string_view(plain).substr(start, end - start), kSvgWhiteSpace);
    const std::size_t colon = item.find(':');
    const auto drop = [&](const char* why) {
      if (problems) problems->emplace_back(why, static_cast<std::size_t>(item.data() - plain.data()));
    };
    if (item.empty()) {
      // Nothing between two semicolons.
    } else if (colon == std::string_view::npos) {
      drop("a declaration without ':'");
    } else if (trimmed(item.substr(0, colon), kSvgWhiteSpace).empty()) {
      drop("a declaration without a property");
    } else {
      Declaration d;
      for (char c : trimmed(item.substr(0, colon), kSvgWhiteSpace)) d.property += asciiLower(c);
      const std::string_view value = trimmed(item.substr(colon + 1), kSvgWhiteSpace);
      d.value = std::string(value);
      d.valueOffset = static_cast<std::size_t>(value.data() - plain.data());
      out.push_back(std::move(d));
    }
    start = end + 1;
  }
  return out;
}

std::string writeStyle(const std::vector<Declaration>& declarations) {
  std::string out;
  for (const Declaration& d : declarations) {
    if (!out.empty()) out += ';';
    out += d.property;
    out += ':';
    out += d.value;
  }
  return out;
}

std::string_view plainValue(std::string_view value) {
  value = trimmed(value, kSvgWhiteSpace);
  const std::size_t bang = value.rfind('!');
  if (bang != std::string_view::npos && trimmed(value.substr(bang + 1), kSvgWhiteSpace) == "important") {
    value = trimmed(value.substr(0, bang), kSvgWhiteSpace);
  }
  return value;
}

bool isImportant(std::string_view value) { return plainValue(value).size() != trimmed(value, kSvgWhiteSpace).size(); }

}  // namespace easel::svg
