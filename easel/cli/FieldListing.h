// The parameter record as people read it: each field with its value, its unit
// and the range its dialog item allows, from the plug-in's field table.
#ifndef EASEL_CLI_FIELDLISTING_H
#define EASEL_CLI_FIELDLISTING_H

#include <string>

#include "plugin/params/ParamFields.h"

namespace contour_cli {

// "percent per contour, -50 to 50"; a list field also names its entries'
// count, a field without an item says who writes it.
std::string fieldUnitAndRange(const ParamField& field);

// One line per field, in the record's order: "scaleH = 4  percent per
// contour, -50 to 50"; a list field's value is followed by its entry's text.
std::string fieldListing(const ContourParams& params);

}  // namespace contour_cli

#endif
