// Opening another drawing of the folder, or one dropped on the page, on the
// host thread. The drawing shown is replaced only once the new one has been
// read whole: a file that cannot be read leaves it as it was.
#include <filesystem>
#include <system_error>

#include "EditorHost.h"
#include "FolderTarget.h"
#include "Recovery.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/core/Session.h"
#include "easel/host/HostSetup.h"
#include "easel/svg/Gzip.h"
#include "easel/svg/SvgError.h"

namespace easel::web {

namespace {

using Json = nlohmann::json;
namespace fs = std::filesystem;

bool flagOf(const Json& body, const char* key) { return body.contains(key) && body[key].get<bool>(); }

std::string textOf(const Json& body, const char* key, const char* what) {
  if (!body.contains(key) || !body[key].is_string()) throw BadRequest(std::string(what) + " needs a \"" + key + "\"");
  return body[key].get<std::string>();
}

}  // namespace

EditorHost::Outcome EditorHost::drawings() {
  Json list = Json::array();
  for (const DrawingFile& file : drawingsIn(drawingFolder_))
    list.push_back({{"name", file.name}, {"bytes", file.bytes}, {"modified", file.modified}});
  Outcome outcome;
  outcome.more = {{"folder", drawingFolder_.string()}, {"drawings", std::move(list)}};
  return outcome;
}

bool EditorHost::unsaved() const { return reporter_.committedFingerprint() != savedFingerprint_; }

EditorHost::Outcome EditorHost::openDrawing(const Json& body) {
  const std::string name = textOf(body, "path", "Open");
  const fs::path path = folderTarget(name, drawingFolder_, kOpen);
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return {404, "Open \"" + name + "\": the folder has no such drawing"};
  if (unsaved() && !flagOf(body, "discard")) return {409, std::string(kUnsavedChanges), "unsaved"};
  try {
    showDrawing(svg::importSvgFile(path.string(), options_.memoryBudget, {.keepText = true}), path);
  } catch (const std::exception& e) {  // SvgError, FileError, GzipError: they name the file
    return {400, e.what()};
  }
  return {};
}

// The file is read before anything is written: a file that is not a drawing
// leaves the folder and the drawing shown as they were. Its bytes go beside
// the first drawing under their own name; a file there already is replaced
// only when the user says so (unless it holds the same bytes).
EditorHost::Outcome EditorHost::dropDrawing(const HostRequest& request) {
  const std::string name = textOf(request.body, "name", "A dropped file");
  const fs::path path = folderTarget(name, drawingFolder_, kOpen);
  if (unsaved() && !flagOf(request.body, "discard")) return {409, std::string(kUnsavedChanges), "unsaved"};
  svg::ImportedSvg drawing;
  try {
    // Compressed or not, as the reader knows it by its bytes: a drawing that
    // inflates past the budget is refused as `contour apply` refuses it. Its
    // refusal and its warnings name the file as the user dropped it, not the
    // place the host keeps it (in the page, a folder in the worker's memory).
    drawing = svg::importSvg(request.upload, name, options_.memoryBudget);
  } catch (const std::exception& e) {  // SvgError, which names the file
    return {400, e.what()};
  }
  std::error_code error;
  const bool exists = fs::symlink_status(path, error).type() != fs::file_type::not_found;
  const bool same = exists && [&] {
    try {
      return readLimited(path.string(), request.upload.size() + 1) == request.upload;
    } catch (const std::exception&) {
      return false;
    }
  }();
  if (exists && !same && !flagOf(request.body, "overwrite"))
    return {409, name + " exists beside the drawing: replace it, or keep it and open nothing?", "exists"};
  try {
    if (!same) writeWhole(path.string(), request.upload);
  } catch (const FileError& e) {
    return {500, e.what()};
  }
  showDrawing(std::move(drawing), path);
  return {};
}

void EditorHost::showDrawing(svg::ImportedSvg drawing, const fs::path& path) {
  Document& document = *drawing.document;
  easel_->session.setDocument(std::move(drawing.document));
  runs_ = EditorRuns(document, drawing.source);
  reporter_.showDrawing(drawing.source);
  options_.drawingPath = path.string();
  diskStamp_ = stampOf(options_.drawingPath);
  reporter_.look(document);
  savedFingerprint_ = reporter_.committedFingerprint();
  note("opened " + path.string());
  for (std::string& warning : drawing.warnings) note(std::move(warning));
  for (const std::string& warning : runs_.warnings()) note(warning);
  if (auto offer = recoveryOffer(path)) note(*offer);
}

}  // namespace easel::web
