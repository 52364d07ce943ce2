// What the settings dialog did with the values the user gave (--set, or the
// fields of a --params file) beyond the limits, which the one rule of
// easel/host/FieldLimits.h reports: one warning for each value it ignores
// with the chosen settings (an item it disables, such as the vertical scale
// while the scales are linked), unless the value is the field's default.
#ifndef EASEL_CLI_DIALOGREPORT_H
#define EASEL_CLI_DIALOGREPORT_H

#include <string>
#include <vector>

#include "easel/adm/Model.h"
#include "plugin/params/ContourParams.h"

namespace contour_cli {

struct GivenValue {
  std::string field;  // as the record spells it
  std::string text;   // as the user wrote it
  std::string where;  // "--set", or the file
};

// The values given: the fields of the --params file (its JSON text; empty
// for none; none of a whole record's) and then each --set FIELD=VALUE, a
// later one for the same field replacing the earlier.
std::vector<GivenValue> givenValues(const std::string& paramsPath, const std::string& paramsText,
                                    const std::vector<std::string>& sets);

// One line each ("--set scaleV: 9 has no effect with these settings (the
// dialog disables it)").
std::vector<std::string> dialogChanges(const std::vector<GivenValue>& given, const easel::adm::ShownDialog& dialog,
                                       const ContourParams& used);

}  // namespace contour_cli

#endif
