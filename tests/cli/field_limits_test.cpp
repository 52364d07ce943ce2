// A settings file a person wrote, read as the dialog takes values: numbers
// rounded and held to the item's limits with one warning each, list entries
// and flags that the dialog has, and nothing said about values already fine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "easel/cli/DialogChoices.h"
#include "easel/host/FieldLimits.h"

namespace {

using easel::host::paramsWithinLimits;

struct Case {
  const char* json;
  const char* field;
  double used;
  const char* warning;  // "" for none
};

double valueOf(const ContourParams& params, const char* name) {
  const ParamField& field = *findParamField(name);
  return field.isReal() ? params.*field.field.real : params.*field.field.integer;
}

TEST(FieldLimits, ValuesAreHeldAndRoundedWithOneWarningEach) {
  const Case cases[] = {
      {R"({"contourCount": 300})", "contourCount", 200, "contourCount: 300 is outside 1..200; 200 is used"},
      {R"({"contourCount": -3})", "contourCount", 1, "contourCount: -3 is outside 1..200; 1 is used"},
      {R"({"contourCount": 5.5})", "contourCount", 6, "contourCount: 5.5 is not a whole number; 6 is used"},
      {R"({"contourCount": 1e12})", "contourCount", 200, "contourCount: 1000000000000 is outside 1..200; 200 is used"},
      {R"({"skipCount": 40.5})", "skipCount", 40,
       "skipCount: 40.5 is outside 0..40 and not a whole number; 40 is used"},
      {R"({"scaleH": 1e9})", "scaleH", 50, "scaleH: 1000000000 is outside -50..50; 50 is used"},
      {R"({"rotation": -4000})", "rotation", -360, "rotation: -4000 is outside -360..360; -360 is used"},
      {R"({"fillSwatchIndex": 99})", "fillSwatchIndex", 12, "fillSwatchIndex: 99 is outside 0..12; 12 is used"},
      {R"({"scaleH": 2.5, "contourCount": 12})", "scaleH", 2.5, ""},
      {R"({"shiftMode": "Random"})", "shiftMode", 6, ""},
      {R"({"shiftMode": 3})", "shiftMode", 3, ""},
      {R"({"pathDelete": true})", "pathDelete", 1, ""},
      // Fields no item shows are the plug-in's and kept as they are.
      {R"({"dialogBoundsLeft": -12345, "currentPage": 9})", "currentPage", 9, ""},
  };
  for (const Case& c : cases) {
    const auto read = paramsWithinLimits(c.json, contour_cli::personalParamsNaming(), 12);
    EXPECT_EQ(valueOf(read.params, c.field), c.used) << c.json;
    const std::vector<std::string> expected =
        *c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{};
    EXPECT_EQ(read.warnings, expected) << c.json;
  }
}

TEST(FieldLimits, WhatTheDialogHasNoPlaceForIsRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"pathDelete": 2})", "field \"pathDelete\": 2 is not 0 or 1"},
      {R"({"shiftMode": 12})", "shiftMode: \"12\" is not an entry (`contour modes` lists them)"},
      {R"({"shiftMode": 1.5})", "shiftMode: \"1.5\" is not an entry"},
      {R"({"contourCount": "many"})", "field \"contourCount\": expected an integer, got string"},
  };
  for (const auto& [json, message] : cases) {
    try {
      paramsWithinLimits(json, contour_cli::personalParamsNaming(), 12);
      ADD_FAILURE() << json << " was accepted";
    } catch (const easel::host::ParamsJsonError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

TEST(FieldLimits, ASwatchNumberIsNotHeldWithoutADocument) {
  const auto read = paramsWithinLimits(R"({"fillSwatchIndex": 99})", contour_cli::personalParamsNaming(), {});
  EXPECT_EQ(read.params.fillSwatchIndex, 99);
  EXPECT_TRUE(read.warnings.empty());
  EXPECT_EQ(easel::host::limitsText(*findParamField("fillSwatchIndex"), {}), "0..the number of swatches");
}

}  // namespace
