// Unsaved work that outlives the editor: when the editor is ended with changes
// that were not saved, the drawing goes to a recovery copy of this session's
// own beside it (NAME.contour-recovery-TIME.svg), and the next editor of that
// drawing names every copy newer than the drawing.
//
// A copy is always a new file: made where nothing is at its name, never
// through a link nor into a FIFO or device someone left there, so that two
// editors of one drawing, or a later session, never replace one another's
// copies, and ending the editor never waits on a reader that does not come.
#ifndef EASEL_WEB_RECOVERY_H
#define EASEL_WEB_RECOVERY_H

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace easel::web {

// Writes the copy beside the drawing, named for `when` (and a count when that
// name is taken), with the drawing's permissions; returns its name. Throws
// easel::FileError naming the copy and the reason when it cannot.
std::filesystem::path writeRecoveryCopy(const std::filesystem::path& drawing, std::string_view text,
                                        std::chrono::system_clock::time_point when);

// The drawing's recovery copies newer than it, oldest first (also those of
// the one name earlier versions wrote, NAME.contour-recovery.svg).
std::vector<std::filesystem::path> recoveryCopies(const std::filesystem::path& drawing);

// What to tell the user when the drawing has recovery copies newer than itself.
std::optional<std::string> recoveryOffer(const std::filesystem::path& drawing);

}  // namespace easel::web

#endif
