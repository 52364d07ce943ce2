// What the page is told after every request: the drawing (what changed
// since the revision the page has, DrawingView.h), the page size, the selection's bounds and its
// words for the status bar, the view's zoom, what undo
// and redo would do, the filter's menu texts, the settings dialog while it is open (the dialog manager's own model),
// and the dialogs and alerts the plug-in showed since the last answer (About box, error dialog).
#ifndef EASEL_WEB_EDITORSTATE_H
#define EASEL_WEB_EDITORSTATE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "easel/adm/DialogManager.h"
#include "easel/host/PluginHost.h"
#include "easel/core/Session.h"
#include "DialogModel.h"
#include "DrawingView.h"
#include "easel/svg/ContourRuns.h"
#include "easel/svg/SvgSource.h"

namespace easel::web {

struct EditorParts {
  Session& session;
  adm::DialogManager& dialogs;
  easel::host::PluginHost& host;
  ArtRef scope = {};  // the group the user entered with the selection tool, if any
};

// The settings dialog while it is open (its init procedure included), else null.
adm::Dialog* openSettingsDialog(const adm::DialogManager& dialogs);

class StateReporter {
 public:
  explicit StateReporter(std::shared_ptr<const svg::SvgSource> source) : view_(std::move(source)) {}
  // Another drawing is shown from now on: its revisions follow the last one
  // of the drawing before, so that no page takes one for the other's.
  void showDrawing(std::shared_ptr<const svg::SvgSource> source) {
    view_ = DrawingView(std::move(source), view_.revision());
    lookedAtDocument_ = nullptr;
  }

  // The drawing as saving writes it, with the contour runs' marks and records.
  std::string svgText(const Document& document, const svg::RunEdits& runs) const;
  // Looks at the document (again only once it changed); the revision goes
  // up whenever what it shows changes.
  void look(const Document& document);
  uint64_t revision() const { return view_.revision(); }
  const svg::SvgSource* source() const { return view_.source(); }
  uint64_t committedFingerprint() const { return view_.committedFingerprint(); }

  // The whole state; "drawing" only when the page's revision is not the current one.
  // With `geometry`, a page that draws plain art itself gets it as geometry there.
  nlohmann::json report(const EditorParts& parts, uint64_t pageRevision, std::string* geometry = nullptr);

 private:
  nlohmann::json newlyShown(const adm::DialogManager& dialogs);

  DrawingView view_;
  // What was worked out from the document at its change count `lookedAt_`.
  const Document* lookedAtDocument_ = nullptr;
  uint64_t lookedAt_ = 0;
  std::vector<ArtRef> shown_;  // what is shown selected
  nlohmann::json selection_;   // their bounds
  std::string selectionText_;
  ArtRef textScope_;
  uint64_t textAt_ = 0;  // the change count selectionText_ was written at
  bool textKnown_ = false;
  DialogModel dialogModel_;
  std::size_t shownReported_ = 0;
  std::size_t alertsReported_ = 0;
};

}  // namespace easel::web

#endif
