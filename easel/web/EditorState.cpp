#include "EditorState.h"

#include "CanvasSelection.h"
#include "SelectionText.h"
#include "easel/host/DialogScriptJson.h"
#include "easel/core/Document.h"
#include "easel/core/PluginRegistry.h"
#include "easel/core/ViewState.h"
#include "easel/svg/SvgExport.h"
#include "plugin/params/DialogItems.h"

namespace easel::web {

namespace {

using Json = nlohmann::json;

Json rectJson(const AIRealRect& r) { return Json::array({r.left, r.top, r.right, r.bottom}); }

Json filterJson(easel::host::PluginHost& host, Session& session) {
  const auto& filters = session.plugins().filters();
  if (filters.empty()) return nullptr;
  return {{"category", filters.front().category},
          {"title", filters.front().title},
          {"repeat", host.parameterBlock() != nullptr}};
}

Json nameOrNull(const std::string& name) { return name.empty() ? Json(nullptr) : Json(name); }

}  // namespace

adm::Dialog* openSettingsDialog(const adm::DialogManager& dialogs) {
  for (adm::Dialog* dialog : dialogs.running())
    if (dialog->name == kSettingsDialogName && !dialog->ended) return dialog;
  return nullptr;
}

std::string StateReporter::svgText(const Document& document, const svg::RunEdits& runs) const {
  return svg::exportSvg(document, view_.source(), {.runs = &runs});
}

Json StateReporter::newlyShown(const adm::DialogManager& dialogs) {
  Json shown = Json::array();
  const auto& all = dialogs.shownDialogs();
  for (std::size_t i = shownReported_; i < all.size(); ++i)
    if (all[i].name != kSettingsDialogName) shown.push_back(Json(easel::host::dialogStateToJson(all[i])));
  shownReported_ = all.size();
  return shown;
}

void StateReporter::look(const Document& document) {
  if (lookedAtDocument_ == &document && lookedAt_ == document.changeCount()) return;
  view_.look(document);
  // One walk of the document for the boxes and the words.
  shown_ = shownSelection(document);
  selection_ = Json::array();
  for (ArtRef art : shown_)
    if (document.hasBounds(art)) selection_.push_back(rectJson(document.bounds(art)));
  lookedAtDocument_ = &document;
  lookedAt_ = document.changeCount();
}

Json StateReporter::report(const EditorParts& parts, uint64_t pageRevision, std::string* geometry) {
  Document& document = parts.session.document();
  look(document);
  Json state;
  state["revision"] = view_.revision();
  state["drawing"] = view_.forPage(document, pageRevision, geometry);
  state["page"] = {document.pageWidth(), document.pageHeight()};
  state["selection"] = selection_;
  if (!textKnown_ || textAt_ != lookedAt_ || textScope_ != parts.scope) {
    textKnown_ = true;
    selectionText_ = describeSelection(document, shown_, parts.scope);
    textScope_ = parts.scope;
    textAt_ = lookedAt_;
  }
  state["selectionText"] = selectionText_;
  // The group entered, by its bounds, so that the page can show where clicks pick.
  state["scope"] =
      parts.scope && document.hasBounds(parts.scope) ? rectJson(document.bounds(parts.scope)) : Json(nullptr);
  state["view"] = {{"zoom", parts.session.view().zoom()}};
  state["undo"] = {{"undo", nameOrNull(document.canUndo() ? document.undoName() : "")},
                   {"redo", nameOrNull(document.canRedo() ? document.redoName() : "")}};
  state["filter"] = filterJson(parts.host, parts.session);
  const adm::Dialog* dialog = openSettingsDialog(parts.dialogs);
  state["dialog"] = dialog != nullptr ? dialogModel_.of(*dialog) : Json(nullptr);
  state["shown"] = newlyShown(parts.dialogs);
  const auto& alerts = parts.dialogs.alerts();
  state["alerts"] = Json(std::vector<std::string>(
      alerts.begin() + static_cast<std::ptrdiff_t>(std::min(alertsReported_, alerts.size())), alerts.end()));
  alertsReported_ = alerts.size();
  return state;
}

}  // namespace easel::web
