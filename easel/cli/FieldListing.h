// The parameter record as people read it: each field with its value, its unit
// and the range its dialog item allows, from the plug-in's field table.
#ifndef EASEL_CLI_FIELDLISTING_H
#define EASEL_CLI_FIELDLISTING_H

#include <string>
#include <string_view>

#include "plugin/params/ModeLists.h"
#include "plugin/params/ParamFields.h"

namespace contour_cli {

// "percent per contour, -50..50"; a list field also names its entries'
// count, a field without an item says who writes it.
std::string fieldUnitAndRange(const ParamField& field);

// What `contour modes FIELD` and `apply --help-field FIELD` print: "rotation:
// tenths of a degree per contour, -360..360", and a list's entries with their
// numbers. A name that is no field's is a UsageError with the nearest.
std::string fieldHelp(std::string_view name);

// A list's entries, one a line with its number: "   6  Twist".
std::string entryLines(const ModeList& list);

// One line per field, in the record's order: "scaleH = 4  percent per
// contour, -50..50"; a list field's value is followed by its entry's text.
std::string fieldListing(const ContourParams& params);

}  // namespace contour_cli

#endif
