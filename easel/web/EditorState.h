// What the page is told after every request: the drawing (as the SVG that
// saving would write, and only when it changed since the revision the page
// has), the page size, the selection's bounds, the view's zoom, what undo and
// redo would do, the filter's menu texts, the settings dialog while it is
// open (the dialog manager's own model), and the dialogs and alerts the
// plug-in showed since the last answer (About box, error dialog).
#ifndef EASEL_WEB_EDITORSTATE_H
#define EASEL_WEB_EDITORSTATE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "easel/adm/DialogManager.h"
#include "easel/host/PluginHost.h"
#include "easel/core/Session.h"
#include "easel/svg/SvgSource.h"

namespace easel::web {

struct EditorParts {
  Session& session;
  adm::DialogManager& dialogs;
  PluginHost& host;
};

class StateReporter {
 public:
  explicit StateReporter(std::shared_ptr<const svg::SvgSource> source) : source_(std::move(source)) {}

  // The drawing as SVG; the revision goes up whenever the text changes.
  const std::string& drawing(const Document& document);
  uint64_t revision() const { return revision_; }

  // The whole state; "svg" only when the page's revision is not the current one.
  nlohmann::json report(const EditorParts& parts, uint64_t pageRevision);

  // What the drawing was read from (saving writes back through it).
  const svg::SvgSource* source() const { return source_.get(); }

 private:
  nlohmann::json newlyShown(const adm::DialogManager& dialogs);

  std::shared_ptr<const svg::SvgSource> source_;
  std::string svg_;
  uint64_t revision_ = 0;
  std::size_t shownReported_ = 0;
  std::size_t alertsReported_ = 0;
};

}  // namespace easel::web

#endif
