#include "easel/cli/ArtSelection.h"

#include <sstream>
#include <stdexcept>

#include "easel/cli/CommandStatus.h"

namespace contour_cli {

namespace {

using easel::ArtRef;
using easel::ArtType;

bool takenBySelectAll(const easel::Document& document, ArtRef art) {
  return (document.content(art).attributes & (kArtHidden | kArtLocked)) == 0;
}

// Whether every object in the subtree can be taken.
bool wholeSubtreeTaken(const easel::Document& document, ArtRef art) {
  if (!takenBySelectAll(document, art)) return false;
  for (ArtRef child = document.firstChild(art); child; child = document.nextSibling(child))
    if (!wholeSubtreeTaken(document, child)) return false;
  return true;
}

// A container whose members are all taken is selected whole, so the filter
// sees the group as the user would have selected it; otherwise its members
// are taken one by one.
void selectVisibleUnlocked(easel::Document& document, ArtRef art) {
  if (!takenBySelectAll(document, art)) return;
  if (document.type(art) == ArtType::CompoundPath || wholeSubtreeTaken(document, art)) {
    document.setSelected(art, true);
    return;
  }
  for (ArtRef child = document.firstChild(art); child; child = document.nextSibling(child))
    selectVisibleUnlocked(document, child);
}

}  // namespace

void selectArt(easel::Document& document, const std::string& what, bool includeHidden, const std::string& file) {
  document.deselectAll();
  if (what.empty()) throw UsageError("--select: give \"all\" or ids separated by commas");
  if (what == "all") {
    for (ArtRef layer = document.firstLayer(); layer; layer = document.nextSibling(layer)) {
      if (includeHidden) document.setSelected(layer, true);
      else
        selectVisibleUnlocked(document, layer);
    }
    return;
  }
  std::vector<std::string> ids;
  std::stringstream list(what);
  for (std::string id; std::getline(list, id, ',');) {
    if (id.empty()) throw UsageError("--select: an empty id in \"" + what + "\"");
    ids.push_back(id);
  }
  selectIds(document, ids, file);
}

void selectIds(easel::Document& document, const std::vector<std::string>& ids, const std::string& file) {
  document.deselectAll();
  if (ids.empty()) throw UsageError("--select-from: the file names no id");
  for (const std::string& id : ids)
    if (document.selectByName(id) == 0) throw std::runtime_error(file + ": no art with the id '" + id + "' to select");
}

std::vector<std::string> idLines(const std::string& text) {
  std::vector<std::string> ids;
  std::stringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) ids.push_back(line);
  }
  return ids;
}

}  // namespace contour_cli
