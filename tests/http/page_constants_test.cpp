// The page's copies of numbers the host defines: each must say what the
// host's C++ says, since a page that disagrees reads every answer wrongly.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <string_view>

#include "easel/http/Assets.h"
#include "easel/web/DrawingGeometry.h"
#include "easel/web/ZoomLimits.h"
#include "plugin/host/ADMDialog.h"

namespace {

// The value of `NAME = <integer>` on a `const` line of the page's file; -1 for none.
long pageConstant(std::string_view file, std::string_view name) {
  const easel::http::EmbeddedFile* asset = easel::http::findAsset(file);
  const std::string_view text = asset != nullptr ? asset->data : std::string_view();
  const std::string needle = " " + std::string(name) + " = ";
  for (std::size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1)) {
    long value = -1;
    const char* first = text.data() + at + needle.size();
    if (text.substr(text.rfind('\n', at) + 1, 6) == "const " &&
        std::from_chars(first, text.data() + text.size(), value).ec == std::errc())
      return value;
  }
  return -1;
}

TEST(PageConstants, AreTheHostsNumbers) {
  using namespace easel::web;
  const struct {
    const char* file;
    const char* name;
    long host;
  } constants[] = {
      {"/js/app.js", "ACCEPT_ITEM", kADMDefaultItemID},
      {"/js/app.js", "CANCEL_ITEM", kADMCancelItemID},
      {"/js/geometry.js", "AT_ID", kRecordId},
      {"/js/geometry.js", "AT_CONTAINER", kRecordContainer},
      {"/js/geometry.js", "AT_ABOVE", kRecordAbove},
      {"/js/geometry.js", "AT_SIZE", kRecordSize},
      {"/js/geometry.js", "AT_PAINT", kRecordPaint},
      {"/js/geometry.js", "AT_FLAGS", kRecordFlags},
      {"/js/geometry.js", "AT_BOX", kRecordBox},
      {"/js/geometry.js", "AT_SUBPATHS", kRecordSubpaths},
      {"/js/geometry.js", "AT_SOURCE", kRecordSource},
      {"/js/geometry.js", "REPEATED_SIZE", kRepeatedSize},
      {"/js/geometry.js", "HIDDEN", kGeometryHidden},
      {"/js/geometry.js", "CURVED", kGeometryCurved},
      {"/js/view.js", "LEAST_ZOOM_PERCENT", kLeastZoomPercent},
      {"/js/view.js", "MOST_ZOOM_PERCENT", kMostZoomPercent},
  };
  for (const auto& c : constants) EXPECT_EQ(pageConstant(c.file, c.name), c.host) << c.file << " " << c.name;
}

}  // namespace
