// For the commands that remove recorded contours (`strip`, `apply --again`):
// the drawing is read first without them (easel::svg::ReadOptions::
// leaveRunContours), which spares building the art that is removed anyway.
// When one of them was to stay after all, or that reading fails, the
// drawing is read again whole, so that the result, the failure and the
// warnings are those of reading it whole. Standard input and pipes, which
// cannot be read twice, are read whole at once.
#ifndef EASEL_CLI_UNREADCONTOURS_H
#define EASEL_CLI_UNREADCONTOURS_H

#include <exception>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

namespace contour_cli {

// `read(leaveRunContours, warnings)` reads the drawing `input` and removes
// what the command removes, saying its warnings on the stream; what it
// gives has `runs`, the run book (easel::svg::RunBook) it removed with.
template <typename Read>
auto readRemovingRunContours(const std::string& input, Read read) {
  std::error_code error;
  if (input != "-" && std::filesystem::is_regular_file(input, error)) {
    std::ostringstream warnings;
    try {
      auto drawing = read(true, warnings);
      if (!drawing.runs->leftUnread()) {
        std::cerr << warnings.str();
        return drawing;
      }
    } catch (const std::exception&) {
      // Said by the whole reading.
    }
  }
  return read(false, std::cerr);
}

}  // namespace contour_cli

#endif
