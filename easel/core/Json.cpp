#include "Json.h"

#include <cmath>

#include "NumberText.h"

namespace easel {

void JsonWriter::separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::beginObject() {
  separate();
  out_ += '{';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::endObject() {
  out_ += '}';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  separate();
  out_ += '[';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  out_ += ']';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view k) {
  value(k);
  out_ += ':';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view s) {
  separate();
  out_ += '"';
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          static const char* hex = "0123456789abcdef";
          out_ += "\\u00";
          out_ += hex[c >> 4];
          out_ += hex[c & 15];
        } else {
          out_ += ch;
        }
    }
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::value(int64_t n) {
  separate();
  out_ += std::to_string(n);
  return *this;
}

JsonWriter& JsonWriter::value(uint64_t n) {
  separate();
  out_ += std::to_string(n);
  return *this;
}

JsonWriter& JsonWriter::value(float x) {
  if (!std::isfinite(x)) return value(std::string_view(std::isnan(x) ? "NaN" : (x > 0 ? "Infinity" : "-Infinity")));
  separate();
  char buffer[kShortestRoom];
  out_.append(buffer, writeShortest(buffer, x));
  return *this;
}

JsonWriter& JsonWriter::value(double x) {
  if (!std::isfinite(x)) return value(std::string_view(std::isnan(x) ? "NaN" : (x > 0 ? "Infinity" : "-Infinity")));
  separate();
  char buffer[kShortestRoom];
  out_.append(buffer, writeShortest(buffer, x));
  return *this;
}

JsonWriter& JsonWriter::value(bool b) {
  separate();
  out_ += b ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json) {
  separate();
  out_ += json;
  return *this;
}

}  // namespace easel
