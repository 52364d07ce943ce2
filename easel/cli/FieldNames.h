// The names of the parameter record's fields as the command line knows them:
// the one place that --set, the field suggestions and the case-insensitive
// lookup take them from.
#ifndef EASEL_CLI_FIELDNAMES_H
#define EASEL_CLI_FIELDNAMES_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace contour_cli {

// Every field, in the record's order.
const std::vector<std::string>& recordFieldNames();

// The field's own spelling of a name given in any case, or none.
std::optional<std::string> recordFieldNamed(std::string_view name);

}  // namespace contour_cli

#endif
