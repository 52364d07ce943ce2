// The record as `contour params` lists it: each field with its value, unit and
// range, and fields found by name without regard to case.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "easel/cli/CommandStatus.h"
#include "easel/cli/FieldListing.h"
#include "easel/host/ParamsJson.h"

using contour_cli::fieldListing;
using contour_cli::fieldUnitAndRange;

namespace {

// The listing's line for `name`, without the padding between its two halves.
std::string lineOf(const std::string& listing, const std::string& name) {
  std::size_t at = listing.find("\n" + name + " = ");
  if (at == std::string::npos) return "";
  std::string line = listing.substr(at + 1, listing.find('\n', at + 1) - at - 1);
  std::size_t gap = line.find("  ");
  return line.substr(0, gap) + " | " + line.substr(line.find_first_not_of(' ', gap));
}

TEST(FieldListing, GivesEachKindOfFieldItsValueUnitAndRange) {
  ContourParams p = easel::host::defaultContourParams();
  p.scaleH = 0.1f;
  p.shiftMode = 11;
  p.widthMode = 17;  // past the list's last entry
  const std::string listing = fieldListing(p);
  const struct {
    const char* name;
    const char* line;
  } rows[] = {
      {"scaleH", "scaleH = 0.1 | percent per contour, -50..50"},
      {"contourCount", "contourCount = 12 | contour steps, 1..200"},
      {"linkContourScale", "linkContourScale = 1 | flag, 0 or 1"},
      {"shiftMode", "shiftMode = 11 (Shift - Local) | Shift mode list entry, 0..11"},
      {"widthMode", "widthMode = 17 | Width mode list entry, 0..16"},
      {"fillSwatchIndex", "fillSwatchIndex = 2 | swatch number, 0..the number of swatches"},
      {"currentPage", "currentPage = 1 | dialog page, 1..6, kept by the plug-in"},
      {"reserved2", "reserved2 = 0 | reserved, any value, kept by the plug-in"},
  };
  for (const auto& row : rows) EXPECT_EQ(lineOf(listing, row.name), row.line);
  // The first line is previewOn's, and there is one line per field.
  EXPECT_EQ(listing.rfind("previewOn = 1", 0), 0u);
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 57);
}

TEST(FieldListing, OneFieldsHelpGivesItsUnitLimitsAndEntries) {
  EXPECT_EQ(contour_cli::fieldHelp("ROTATION"), "rotation: tenths of a degree per contour, -360..360\n");
  const std::string modes = contour_cli::fieldHelp("shiftMode");
  EXPECT_EQ(modes.rfind("shiftMode: Shift mode list entry, 0..11\n   0  Shift - As is\n", 0), 0u) << modes;
  EXPECT_NE(modes.find("\n  11  Shift - Local\n"), std::string::npos);
  try {
    contour_cli::fieldHelp("rotaton");
    ADD_FAILURE();
  } catch (const contour_cli::UsageError& e) {
    EXPECT_STREQ(e.what(), "\"rotaton\" is not a field; did you mean 'rotation'? (`contour params` lists them)");
  }
}

TEST(FieldListing, FindsFieldsWithoutRegardToCase) {
  for (const char* name : {"scaleH", "SCALEH", "scaleh"}) {
    const ParamField* field = findParamField(name);
    ASSERT_NE(field, nullptr) << name;
    EXPECT_STREQ(field->name, "scaleH");
    EXPECT_EQ(fieldUnitAndRange(*field), "percent per contour, -50..50");
  }
  EXPECT_EQ(findParamField("scale"), nullptr);
  EXPECT_EQ(findParamField(""), nullptr);
  // The JSON keeps its exact names.
  EXPECT_THROW(easel::host::paramsFromJsonText(R"({"SCALEH": 5})"), easel::host::ParamsJsonError);
}

}  // namespace
