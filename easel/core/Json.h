// A small JSON writer for trace lines and reports: the easel core uses the
// standard library only, so it cannot use a JSON package.
#ifndef EASEL_CORE_JSON_H
#define EASEL_CORE_JSON_H

#include <cstdint>
#include <string>
#include <string_view>

namespace easel {

// Appends JSON values to a string. Objects and arrays are opened and closed by
// the caller; commas are inserted automatically.
class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view k);
  JsonWriter& value(std::string_view s);
  JsonWriter& value(const char* s) { return s ? value(std::string_view(s)) : null(); }
  JsonWriter& value(int64_t n);
  JsonWriter& value(int32_t n) { return value(static_cast<int64_t>(n)); }
  JsonWriter& value(uint32_t n) { return value(static_cast<int64_t>(n)); }
  JsonWriter& value(uint64_t n);
  // Reals are written in the shortest form that reads back to the same float;
  // NaN and infinities, which JSON lacks, are written as strings.
  JsonWriter& value(float x);
  JsonWriter& value(double x);
  JsonWriter& value(bool b);
  JsonWriter& null();
  // Appends already formatted JSON as one value.
  JsonWriter& raw(std::string_view json);

  const std::string& str() const { return out_; }
  std::string take() { return std::move(out_); }
  void clear() {
    out_.clear();
    needComma_ = false;
  }

 private:
  void separate();
  std::string out_;
  bool needComma_ = false;
};

}  // namespace easel

#endif
