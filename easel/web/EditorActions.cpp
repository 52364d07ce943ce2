// What the page's menus and tools do to the document, on the host thread.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <filesystem>

#include "CanvasSelection.h"
#include "EditorHost.h"
#include "FolderTarget.h"
#include "ZoomLimits.h"
#include "easel/host/HostSetup.h"
#include "easel/host/KeptPaints.h"
#include "easel/host/KeptRecord.h"
#include "easel/host/PluginHost.h"
#include "easel/host/RunRecording.h"
#include "easel/host/SelectedObjects.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/Random.h"
#include "easel/core/ViewState.h"
#include "easel/svg/Gzip.h"
#include "easel/svg/SvgExport.h"
#include "plugin/params/ContourParams.h"
#include "plugin/params/ItemIds.h"

namespace easel::web {

namespace {

using Json = nlohmann::json;

AIReal real(const Json& value) {
  const double number = value.get<double>();
  if (!std::isfinite(number)) throw BadRequest("a coordinate is not a finite number");
  return static_cast<AIReal>(number);
}

AIRealPoint point(const Json& pair) {
  if (!pair.is_array() || pair.size() != 2) throw BadRequest("a point is [x, y]");
  return {real(pair[0]), real(pair[1])};
}

bool flagOf(const Json& body, const char* key) { return body.contains(key) && body[key].get<bool>(); }

// A click's "pick": "top" (the default), "deepest", "cycle" or "enter".
Pick pickOf(const Json& body) {
  if (!body.contains("pick")) return Pick::Top;
  const std::string name = body["pick"].get<std::string>();
  for (auto [text, pick] : {std::pair{"top", Pick::Top}, std::pair{"deepest", Pick::Deepest},
                            std::pair{"cycle", Pick::Cycle}, std::pair{"enter", Pick::Enter}})
    if (name == text) return pick;
  throw BadRequest("a pick is \"top\", \"deepest\", \"cycle\" or \"enter\"");
}

}  // namespace

EditorHost::Outcome EditorHost::select(const Json& body) {
  Document& document = easel_->session.document();
  const bool add = flagOf(body, "add");
  if (flagOf(body, "all")) {
    selectionTool_.selectAll(document);
  } else if (flagOf(body, "none")) {
    document.deselectAll();
  } else if (flagOf(body, "leave")) {
    selectionTool_.leave(document);
  } else if (body.contains("at")) {
    const AIReal tolerance = body.contains("tolerance") ? real(body["tolerance"]) : 2;
    selectionTool_.click(document, point(body["at"]), tolerance, pickOf(body), add);
  } else if (body.contains("rect")) {
    const Json& r = body["rect"];
    if (!r.is_array() || r.size() != 4) return {400, "a marquee is [left, top, right, bottom]"};
    selectionTool_.marquee(document, {real(r[0]), real(r[1]), real(r[2]), real(r[3])}, add);
  } else {
    return {400, "select what? Give \"at\", \"rect\", \"all\", \"none\" or \"leave\""};
  }
  return {};
}

EditorHost::Outcome EditorHost::runFilter(bool withDialog) {
  if (easel_->session.plugins().filters().empty()) return {409, "the plug-in registered no filter"};
  if (!withDialog && easel_->host.parameterBlock() == nullptr)
    return {409, "there is no last filter to repeat: use Contour... first"};
  const uint64_t bornAfter = lastBirth(easel_->session.document());
  const easel::host::KeptPaints nonFlat = nonFlatPaintsSelected();
  // The dialog's first preview may be stopped, and the dialog is shown as it starts.
  busy_.setStoppable(withDialog);
  openingDialog_ = withDialog;
  startBudgetWatch();
  const ASErr result = easel_->host.runFilter(withDialog, [this](ASErr made) { return wholeOrNothing(made); });
  openingDialog_ = false;
  if (result == kUserCanceledErr) note("cancelled: the document is as it was");
  if (result == kOutOfMemoryErr) return overBudget();
  if (result == kNoErr) recordRun(bornAfter, nonFlat);
  return {};
}

// The plug-in ends a run that the memory budget cut short as if it were
// done, and OK keeps the last preview as the result: the command's result
// went past the budget if that preview did, or the final run. While the
// dialog is open, a request that changed the document without a refusal
// made a preview that fits.
void EditorHost::startBudgetWatch() {
  const Document& document = easel_->session.document();
  budgetWatch_ = {document.memoryRefusals(), document.changeCount(), false};
}

void EditorHost::previewMade(bool sayCut) {
  const Document& document = easel_->session.document();
  if (document.memoryRefusals() != budgetWatch_.refusals) {
    budgetWatch_.previewCut = true;
    if (sayCut) note(easel::host::overBudgetText(document.memoryBudget()) + ": the preview shows those that fit");
  } else if (document.changeCount() != budgetWatch_.changes) {
    budgetWatch_.previewCut = false;
  }
  budgetWatch_.refusals = document.memoryRefusals();
  budgetWatch_.changes = document.changeCount();
}

// With the command still open: a result past the budget is taken back whole.
ASErr EditorHost::wholeOrNothing(ASErr result) {
  Document& document = easel_->session.document();
  if (result != kNoErr || (!budgetWatch_.previewCut && document.memoryRefusals() == budgetWatch_.refusals))
    return result;
  document.undoChanges();
  return kOutOfMemoryErr;
}

EditorHost::Outcome EditorHost::overBudget() const {
  return {409, easel::host::overBudgetText(easel_->session.document().memoryBudget()) + ": the document is as it was"};
}

easel::host::KeptPaints EditorHost::nonFlatPaintsSelected() const {
  const Document& document = easel_->session.document();
  return easel::host::nonFlatPaints(document, easel::host::selectedObjectIds(document));
}

void EditorHost::recordRun(uint64_t bornAfter, const easel::host::KeptPaints& nonFlat) {
  const std::optional<ContourParams> used = easel::host::keptRecord(easel_->host);
  if (!used) return;
  if (const std::string kept = easel::host::keptPaintsText(easel::host::keptBy(nonFlat, *used)); !kept.empty())
    note(kept);
  const Random& random = easel_->session.random();
  runs_.recordRun(easel_->session.document(), bornAfter, *used,
                  easel::host::seedToRecord({random.seed(), options_.seed.has_value()}, random));
}

// The run opens the settings dialog with the record and the seed of the run
// chosen, on its sources, so that accepting it unchanged makes the same
// contours; the old contours go once the new ones are made, in the same
// command, so that one undo gives them back. A cancel puts back the
// selection, the kept parameter block and the random numbers as they were.
EditorHost::Outcome EditorHost::editContour() {
  if (easel_->session.plugins().filters().empty()) return {409, "the plug-in registered no filter"};
  Document& document = easel_->session.document();
  const std::optional<EditorRuns::Run> run = runs_.selectedRun(document);
  if (!run) return {409, "Edit Contour... needs a selected contour, or the source of one, that the drawing records"};
  easel::host::PluginHost& host = easel_->host;
  std::vector<ArtRef> selected;
  for (ArtRef a = document.firstLayer(); a; a = document.nextInOrder(a))
    if (document.content(a).attributes & kArtSelected) selected.push_back(a);
  const std::optional<std::string> block =
      host.parameterBlock()
          ? std::optional(std::string(static_cast<const char*>(host.parameterBlock()), host.parameterBlockSize()))
          : std::nullopt;
  const Random random = easel_->session.random();

  document.deselectAll();
  // Sources that the run deleted come back from their kept copies for it:
  // before the command, as each preview takes the command back to its start.
  for (ArtRef a : run->sources) {
    svg::showKept(document, a, true);
    document.setSelected(a, true);
  }
  const easel::host::KeptPaints nonFlat = nonFlatPaintsSelected();
  easel::host::keepRecord(host, run->params);
  if (run->seed) easel::host::seedRepeat(easel_->session.random(), *run->seed);
  const uint64_t bornAfter = lastBirth(document);
  host.beginCommand("Edit Contour");
  startBudgetWatch();
  busy_.setStoppable(true);
  openingDialog_ = true;
  ASErr result = host.getParameters();
  openingDialog_ = false;
  if (result == kNoErr) result = wholeOrNothing(host.go());
  if (result == kNoErr) {
    for (ArtRef a : run->contours)
      if (document.valid(a)) document.dispose(a);
  }
  host.endCommand();
  if (result != kNoErr) {
    for (ArtRef a : run->sources)
      if (document.valid(a)) svg::showKept(document, a, false);
  }
  if (result == kNoErr) {
    recordRun(bornAfter, nonFlat);
    return {};
  }
  document.deselectAll();
  for (ArtRef a : selected)
    if (document.valid(a)) document.setSelected(a, true);
  if (block) host.setParameterBlock(block->data(), block->size());
  else
    host.clearParameterBlock();
  easel_->session.random() = random;
  if (result == kUserCanceledErr) note("cancelled: the document is as it was");
  return result == kOutOfMemoryErr ? overBudget() : Outcome{};
}

// While the settings dialog runs, its preview uses the steps its count item
// shows (the plug-in reads its items into the record before each preview);
// otherwise the run uses the record the host keeps.
uint64_t EditorHost::expectedContours() {
  double steps = -1;
  if (const adm::Dialog* dialog = openSettingsDialog(easel_->dialogs)) {
    if (const adm::Item* count = dialog->findItem(kContoursEdit)) steps = std::round(count->value);
  } else if (const std::optional<ContourParams> kept = easel::host::keptRecord(easel_->host)) {
    steps = kept->contourCount;
  }
  if (!(steps >= 0)) return 0;
  const uint64_t perObject = static_cast<uint64_t>(steps) + 1;
  return perObject * easel::host::selectedObjectIds(easel_->session.document()).size();
}

EditorHost::Outcome EditorHost::undoOrRedo(bool redo) {
  Document& document = easel_->session.document();
  const std::string name = redo ? document.redoName() : document.undoName();
  if (!(redo ? document.userRedo() : document.userUndo())) return {409, redo ? "nothing to redo" : "nothing to undo"};
  runs_.hideKeptSources(document);
  note((redo ? "redone: " : "undone: ") + name);
  return {};
}

// Save writes the file the editor read or last saved, and asks first when
// someone changed it since (another editor, another program): their work
// would be gone. Save As writes a new name in the drawing's folder, and
// replaces a file there only when told to.
EditorHost::Outcome EditorHost::save(const Json& body, bool saveAs) {
  std::filesystem::path path = options_.drawingPath;
  if (saveAs) {
    if (!(body.contains("path") && body["path"].is_string())) throw BadRequest("Save As needs a file name");
    const std::string name = body["path"].get<std::string>();
    const auto normal = [](const std::filesystem::path& p) { return std::filesystem::absolute(p).lexically_normal(); };
    saveAs = normal(drawingFolder_ / name) != normal(path);  // Save As under its own name is Save
    if (saveAs) path = saveAsTarget(name, drawingFolder_);
  }
  const bool overwrite = flagOf(body, "overwrite");
  std::error_code ignored;
  if (saveAs && !overwrite &&
      std::filesystem::symlink_status(path, ignored).type() != std::filesystem::file_type::not_found)
    return {409, path.filename().string() + " exists: replace it (\"overwrite\": true) or choose another name",
            "exists"};
  if (!saveAs && !overwrite && changedOnDisk(diskStamp_, path.string(), true))
    return {409, std::string(kChangedOnDisk), "changed"};
  const Document& document = easel_->session.document();
  const std::string svg = reporter_.svgText(document, runs_.edits(document));
  const std::string bytes = svg::namesGzip(path.string()) ? svg::gzip(svg) : svg;
  try {
    writeWhole(path.string(), bytes);  // a temporary file renamed into place
  } catch (const FileError& e) {
    return {500, e.what()};
  }
  options_.drawingPath = path.string();
  diskStamp_ = stampWith(path.string(), bytes);
  reporter_.look(easel_->session.document());
  savedFingerprint_ = reporter_.committedFingerprint();
  note("saved " + path.string());
  return {};
}

EditorHost::Outcome EditorHost::setZoom(const Json& body) {
  if (!body.contains("zoom") || !body["zoom"].is_number()) return {400, "the view needs a \"zoom\" number"};
  // The page holds its zoom between 1 % and 25,600 %; so does the view it sets.
  const AIReal zoom = real(body["zoom"]);
  if (!(zoom > 0)) return {400, "the zoom is a number above 0"};
  easel_->session.view().setZoom(std::clamp(zoom, kLeastZoomPercent / AIReal{100}, kMostZoomPercent / AIReal{100}));
  return {};
}

// The plug-in keeps the dialog's bounds in its record at its next change of
// a value, and opens the dialog there again: the page's place for it is told
// to the dialog manager as the user would move a window, with no plug-in call.
EditorHost::Outcome EditorHost::placeDialog(const Json& body) {
  adm::Dialog* dialog = openSettingsDialog(easel_->dialogs);
  if (dialog == nullptr) return {409, "no dialog is open"};
  const auto coordinate = [&](const char* key) {
    if (!body.contains(key) || !body[key].is_number()) throw BadRequest("a dialog's place is \"left\" and \"top\"");
    const double value = body[key].get<double>();
    if (!(std::fabs(value) < 1e6)) throw BadRequest("a dialog's place is within a screen");
    return static_cast<int32_t>(std::lround(value));
  };
  const int32_t left = coordinate("left"), top = coordinate("top");
  ADMRect& bounds = dialog->bounds;
  bounds = {left, top, left + (bounds.right - bounds.left), top + (bounds.bottom - bounds.top)};
  return {};
}

EditorHost::Outcome EditorHost::about() {
  easel_->host.about();
  return {};
}

// A host in the page has no disk that outlives it: the page keeps the copy.
EditorHost::Outcome EditorHost::recovery() {
  Outcome outcome;
  const std::optional<std::string> text = unsavedText();
  outcome.more = {{"recovery", text ? Json(*text) : Json()}};
  return outcome;
}

}  // namespace easel::web
