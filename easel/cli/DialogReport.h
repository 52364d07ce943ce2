// What the settings dialog did to the values the user gave (--set, or the
// fields of a --params file): one warning for each value its limits changed,
// and for each value it ignores with the chosen settings (an item it
// disables, such as the vertical scale while the scales are linked).
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
  double value = 0;   // the number it asks for
  std::string where;  // "--set", or the file
};

// The values given: the fields of the --params file (its JSON text; empty
// for none) and then each --set FIELD=VALUE, a later one for the same field
// replacing the earlier. Values that are no number (list entries by name)
// are left out of the limits but not of the disabled items.
std::vector<GivenValue> givenValues(const std::string& paramsPath, const std::string& paramsText,
                                    const std::vector<std::string>& sets);

// One line each ("scaleH: 1e9 given, 50 used (the dialog allows -50 to 50)").
std::vector<std::string> dialogChanges(const std::vector<GivenValue>& given, const easel::adm::ShownDialog& dialog,
                                       const ContourParams& used);

}  // namespace contour_cli

#endif
