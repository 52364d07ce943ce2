#include "Recovery.h"

#include <system_error>

namespace easel::web {

std::filesystem::path recoveryPathFor(const std::filesystem::path& drawing) {
  std::filesystem::path copy = drawing;
  copy.replace_filename(drawing.stem().string() + ".contour-recovery.svg");
  return copy;
}

std::optional<std::string> recoveryOffer(const std::filesystem::path& drawing) {
  const std::filesystem::path copy = recoveryPathFor(drawing);
  std::error_code error;
  const auto copyTime = std::filesystem::last_write_time(copy, error);
  if (error) return std::nullopt;
  const auto drawingTime = std::filesystem::last_write_time(drawing, error);
  if (!error && copyTime <= drawingTime) return std::nullopt;
  return copy.string() + " holds unsaved changes from an earlier session, newer than " + drawing.filename().string() +
         ": to go on from them, edit that file (contour edit " + copy.string() + ")";
}

}  // namespace easel::web
