// Unsaved work that outlives the editor: when the editor is ended with changes
// that were not saved, the drawing goes to a recovery copy beside it
// (NAME.contour-recovery.svg), and the next editor of that drawing offers the
// copy while it is newer than the drawing.
#ifndef EASEL_WEB_RECOVERY_H
#define EASEL_WEB_RECOVERY_H

#include <filesystem>
#include <optional>
#include <string>

namespace easel::web {

std::filesystem::path recoveryPathFor(const std::filesystem::path& drawing);

// What to tell the user when the drawing has a recovery copy newer than itself.
std::optional<std::string> recoveryOffer(const std::filesystem::path& drawing);

}  // namespace easel::web

#endif
