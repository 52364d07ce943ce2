// The parameter record as JSON: names and order, integer and real fields,
// defaults for missing fields, and errors that name the field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "easel/host/ParamsJson.h"

using easel::host::paramsFromJson;
using easel::host::paramsFromJsonText;
using easel::host::ParamsJsonError;
using easel::host::paramsToJson;
using nlohmann::json;

namespace {

// The message of the error that reading `text` raises ("" when none).
std::string errorOf(const std::string& text) {
  try {
    paramsFromJsonText(text);
  } catch (const ParamsJsonError& error) {
    return error.what();
  }
  return "";
}

bool sameBytes(const ContourParams& a, const ContourParams& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(ParamsJsonNames, FollowTheRecordInOrder) {
  const auto fields = easel::host::paramsFields();
  ASSERT_EQ(fields.size(), 57u);
  EXPECT_STREQ(fields[0].name, "previewOn");
  EXPECT_STREQ(fields[15].name, "contourCount");
  EXPECT_STREQ(fields[25].name, "viewZoom");
  EXPECT_STREQ(fields[56].name, "dialogBoundsSaved");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i].offset, i * 4) << fields[i].name;
    // Fields 26 to 39 (1-based) are the record's reals, and only they.
    EXPECT_EQ(fields[i].isReal(), i >= 25 && i <= 38) << fields[i].name;
  }
  const auto written = paramsToJson(easel::host::defaultContourParams());
  std::size_t i = 0;
  for (const auto& [name, value] : written.items()) EXPECT_EQ(name, fields[i++].name);
}

TEST(ParamsJsonDefaults, AreTheNewBlockOfTheFilter) {
  const auto written = paramsToJson(easel::host::defaultContourParams());
  EXPECT_EQ(written["previewOn"], 1);
  EXPECT_EQ(written["contourCount"], 12);
  EXPECT_EQ(written["createCount"], 1);
  EXPECT_EQ(written["rotationPathNumber"], 1);
  EXPECT_EQ(written["fillSwatchIndex"], 2);
  EXPECT_EQ(written["finalRun"], 0);  // no default: the zeroed block's value
  EXPECT_TRUE(written["scaleH"].is_number_float());
  EXPECT_EQ(written["scaleH"].get<double>(), 4.0);
  EXPECT_EQ(written["viewZoom"].get<double>(), 100.0);
  EXPECT_TRUE(written["contourCount"].is_number_integer());
  // An empty object reads as the defaults.
  EXPECT_TRUE(sameBytes(paramsFromJsonText("{}"), easel::host::defaultContourParams()));
}

TEST(ParamsJsonRoundTrip, KeepsEveryBitOfEveryField) {
  ContourParams p = easel::host::defaultContourParams();
  p.contourCount = -7;
  p.reserved3 = std::numeric_limits<int32_t>::min();
  p.dialogBoundsRight = std::numeric_limits<int32_t>::max();
  p.scaleH = 0.1f;
  p.shiftV = -1234.5678f;
  p.rotation = std::numeric_limits<float>::denorm_min();
  p.centerX = std::numeric_limits<float>::max();
  const ContourParams back = paramsFromJsonText(easel::host::paramsToJsonText(p));
  EXPECT_TRUE(sameBytes(back, p));
  // Reals are written in their shortest form.
  EXPECT_NE(easel::host::paramsToJsonText(p).find("\"scaleH\": 0.1,"), std::string::npos);
}

TEST(ParamsJsonRoundTrip, NonFiniteRealsAreWrittenAsStringsAndRefusedOnReading) {
  ContourParams p = easel::host::defaultContourParams();
  p.scaleH = std::numeric_limits<float>::quiet_NaN();
  p.shiftH = std::numeric_limits<float>::infinity();
  p.shiftV = -std::numeric_limits<float>::infinity();
  const auto written = paramsToJson(p);
  EXPECT_EQ(written["scaleH"], "NaN");
  EXPECT_EQ(written["shiftH"], "Infinity");
  EXPECT_EQ(written["shiftV"], "-Infinity");
  for (const char* field : {"scaleH", "shiftH", "rotation", "centerX"}) {
    for (const char* name : {"NaN", "Infinity", "-Infinity"}) {
      const std::string text = std::string("{\"") + field + "\": \"" + name + "\"}";
      EXPECT_EQ(errorOf(text), std::string("field \"") + field + "\": " + name + " is not a finite real");
    }
  }
}

TEST(ParamsJsonReading, RefusesNestingDeeperThanTheLimitNamingLineAndDepth) {
  std::string deep = "{\"contourCount\":\n" + std::string(100000, '[') + std::string(100000, ']') + "}";
  EXPECT_EQ(errorOf(deep), "line 2: nested 65 deep, deeper than the limit of 64");
  // Brackets inside strings do not count.
  EXPECT_NE(errorOf("{\"a\": \"" + std::string(100, '[') + "\"}").find("unknown field"), std::string::npos);
}

TEST(ParamsJsonReading, MissingFieldsTakeTheirDefaults) {
  const ContourParams p = paramsFromJsonText(R"({"contourCount": 3, "scaleH": 10})");
  EXPECT_EQ(p.contourCount, 3);
  EXPECT_EQ(p.scaleH, 10.0f);  // an integer is a fine real
  EXPECT_EQ(p.scaleV, 4.0f);
  EXPECT_EQ(p.placeAbove, 1);
  EXPECT_EQ(p.interpolateStyle, 100.0f);
}

TEST(ParamsJsonReading, IntegerLimitsAreThoseOf32Bits) {
  EXPECT_EQ(paramsFromJsonText(R"({"contourCount": 2147483647})").contourCount, 2147483647);
  EXPECT_EQ(paramsFromJsonText(R"({"contourCount": -2147483648})").contourCount, std::numeric_limits<int32_t>::min());
  EXPECT_NE(errorOf(R"({"contourCount": 2147483648})").find("\"contourCount\""), std::string::npos);
  EXPECT_NE(errorOf(R"({"skipCount": -2147483649})").find("\"skipCount\""), std::string::npos);
  EXPECT_NE(errorOf(R"({"skipCount": 18446744073709551615})").find("does not fit"), std::string::npos);
}

TEST(ParamsJsonReading, ErrorsNameTheField) {
  struct Case {
    const char* text;
    const char* field;
  };
  const Case cases[] = {
      {R"({"contourCount": 12.0})", "\"contourCount\""},  // a real where an integer belongs
      {R"({"contourCount": "12"})", "\"contourCount\""},  // a string
      {R"({"previewOn": true})", "\"previewOn\""},        // flags are integers
      {R"({"scaleH": "big"})", "\"scaleH\""},             // not one of the non-finite names
      {R"({"scaleH": null})", "\"scaleH\""},
      {R"({"scaleH": 1e39})", "\"scaleH\""},            // beyond the largest float
      {R"({"scaleH": -3.4028236e38})", "\"scaleH\""},   // rounds to an infinity
      {R"({"contourcount": 12})", "\"contourcount\""},  // names are case-sensitive
      {R"({"colour": 1})", "unknown field \"colour\""},
  };
  for (const Case& c : cases)
    EXPECT_NE(errorOf(c.text).find(c.field), std::string::npos) << c.text << " -> " << errorOf(c.text);
}

TEST(ParamsJsonReading, RejectsWhatIsNotAnObject) {
  EXPECT_NE(errorOf("[1, 2]"), "");
  EXPECT_NE(errorOf("{\"contourCount\": "), "");                                   // not JSON at all
  EXPECT_NE(errorOf(R"({"scaleH": 1e999})").find("not JSON"), std::string::npos);  // too large to read
}

TEST(ParamsJsonSetField, TakesCommandLineText) {
  ContourParams p = easel::host::defaultContourParams();
  easel::host::setParamsFieldText(p, "contourCount", "40");
  easel::host::setParamsFieldText(p, "rotation", "-12.5");
  EXPECT_EQ(p.contourCount, 40);
  EXPECT_EQ(p.rotation, -12.5f);
  EXPECT_THROW(easel::host::setParamsFieldText(p, "shiftH", "NaN"), ParamsJsonError);
  EXPECT_THROW(easel::host::setParamsFieldText(p, "contourCount", "many"), ParamsJsonError);
  EXPECT_THROW(easel::host::setParamsFieldText(p, "noSuchField", "1"), ParamsJsonError);
}
