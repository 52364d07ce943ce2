#include "EditorHost.h"

#include <chrono>
#include <mutex>
#include <exception>
#include <filesystem>
#include <iostream>

#include "Recovery.h"
#include "WebEventSource.h"
#include "easel/host/HostSetup.h"
#include "easel/core/Document.h"
#include "easel/core/FileIo.h"
#include "easel/core/Random.h"
#include "easel/svg/SvgExport.h"

namespace easel::web {

namespace {

using Json = nlohmann::json;

void supersede(const HostRequestPtr& request) {
  request->deliver(Reply{200, Json{{"ok", true}, {"superseded", true}}});
}

// Actions that change nothing and call no plug-in code, so that they may run
// while the settings dialog is open.
bool allowedDuringDialog(Action action) {
  return action == Action::State || action == Action::View || action == Action::Dialog || action == Action::PlaceDialog;
}

}  // namespace

EditorHost::EditorHost(svg::ImportedSvg drawing, EditorOptions options)
    : document_(std::move(drawing.document)),
      runs_(*document_, drawing.source),
      options_(std::move(options)),
      drawingFolder_(std::filesystem::absolute(options_.drawingPath).parent_path()),
      readyFuture_(ready_.get_future()),
      reporter_(std::move(drawing.source)) {
  diskStamp_ = stampOf(options_.drawingPath);
  // What the reader passed over is said when the page first asks.
  for (std::string& warning : drawing.warnings) note(std::move(warning));
}

EditorHost::~EditorHost() = default;

std::optional<std::string> EditorHost::waitUntilReady() { return readyFuture_.get(); }

void EditorHost::post(const HostRequestPtr& request, bool first) {
  if (!(first ? queue_.pushFront(request) : queue_.push(request, coalescingKey(*request), request->order)))
    request->deliver(refusal(503, "the editor is closing"));
}

void EditorHost::cancelRun(const HostRequestPtr& request) {
  busy_.stop();
  post(request, true);
}

void EditorHost::stop() {
  busy_.stop();
  for (const HostRequestPtr& request : queue_.close()) request->deliver(refusal(503, "the editor is closing"));
}

void EditorHost::run() {
  auto easel = std::make_unique<easel::host::Easel>();
  try {
    easel->session.setDocument(std::move(document_));
    if (options_.seed) easel->session.random().setSeed(*options_.seed);
    else
      easel->session.random().seedFromClock();
    for (const auto& fault : options_.faults) easel->session.faults.failCall(fault.operation, fault.nth, fault.code);
    easel->dialogs.setEventSource(std::make_shared<WebEventSource>(*this));
    easel->start(options_.pluginPath);
    easel_ = easel.get();
    easel->session.watch.setListener([this](uintptr_t, uint64_t) { contourMade(); });
    busy_.attach(&easel->session.watch);
    reporter_.look(easel->session.document());
    // The file on disk is the drawing as loaded, unless what was loaded holds changes the file lacks.
    savedFingerprint_ = reporter_.committedFingerprint() ^ (options_.openedUnsaved ? ~uint64_t{0} : 0);
  } catch (const std::exception& e) {
    ready_.set_value(std::string(e.what()));
    return;
  }
  if (auto offer = recoveryOffer(options_.drawingPath)) note(*offer);
  for (const std::string& warning : runs_.warnings()) note(warning);
  ready_.set_value(std::nullopt);
  while (HostRequestPtr request = nextRequest()) handle(request);
  keepUnsavedWork();
  busy_.attach(nullptr);
  easel->host.shutdown();
  easel_ = nullptr;
}

std::optional<std::string> EditorHost::unsavedText() {
  if (reporter_.committedFingerprint() == savedFingerprint_) return std::nullopt;
  const Document& document = easel_->session.document();
  return reporter_.svgText(document, runs_.edits(document));
}

void EditorHost::keepUnsavedWork() {
  try {
    const std::optional<std::string> text = unsavedText();
    if (!text) return sayEnding({});
    const std::filesystem::path copy = writeRecoveryCopy(options_.drawingPath, *text, std::chrono::system_clock::now());
    sayEnding("contour edit: the changes were not saved; they are in " + copy.string());
  } catch (const std::exception& e) {
    sayEnding(std::string("contour edit: the changes were not saved, and no recovery copy could be written: ") +
              e.what());
  }
}

void EditorHost::sayEnding(const std::string& line) {
  std::lock_guard lock(endingMutex_);
  if (endingSettled_) return;
  endingSettled_ = true;
  if (!line.empty()) std::cout << line << std::endl;
}

bool EditorHost::settleEnding() {
  std::lock_guard lock(endingMutex_);
  if (endingSettled_) return true;
  endingSettled_ = true;
  std::cout << "contour edit: the editor had to end while the plug-in was still at work: changes not saved are lost "
               "(no recovery copy was written)"
            << std::endl;
  return false;
}

HostRequestPtr EditorHost::nextRequest() {
  for (;;) {
    while (idleWait_ && queue_.idle()) idleWait_();
    auto taken = queue_.pop();
    if (!taken) return nullptr;
    for (const HostRequestPtr& old : taken->superseded) supersede(old);
    if (taken->stale) {  // a newer change of the same item was applied already
      supersede(taken->item);
      continue;
    }
    taken->item->taken = std::chrono::steady_clock::now();
    return std::move(taken->item);
  }
}

EditorParts EditorHost::parts() {
  return EditorParts{easel_->session, easel_->dialogs, easel_->host, selectionTool_.scope(easel_->session.document())};
}

void EditorHost::answer(const HostRequestPtr& request, const Outcome& outcome, bool running) {
  // Once the editor stops nobody will show the state: a preview of many
  // contours would take seconds to describe.
  if (queue_.closed()) return request->deliver(refusal(503, "the editor is closing"));
  Reply reply;
  const auto started = std::chrono::steady_clock::now();
  try {
    reply.status = outcome.status;
    reply.body = reporter_.report(parts(), request->revision, request->drawsGeometry ? &reply.geometry : nullptr);
    reply.body["ok"] = outcome.status == 200;
    reply.body["sequence"] = ++answered_;  // answers on separate connections can arrive out of order
    if (!outcome.error.empty()) reply.body["error"] = outcome.error;
    if (!outcome.reason.empty()) reply.body["reason"] = outcome.reason;
    if (outcome.more.is_object()) reply.body.update(outcome.more);
    reply.body["messages"] = notes_;
    reply.body["file"] = std::filesystem::path(options_.drawingPath).filename().string();
    reply.body["modified"] = unsaved();
    reply.body["changedOnDisk"] = changedOnDisk(diskStamp_, options_.drawingPath, false);
    reply.body["editContour"] = runs_.selectedRun(easel_->session.document()).has_value();
    if (running) reply.body["running"] = true;
  } catch (const std::exception& e) {
    reply = refusal(500, std::string("the editor could not report its state: ") + e.what());
  }
  notes_.clear();
  const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
  reply.runMs = ms(started - request->taken);
  reply.answerMs = ms(std::chrono::steady_clock::now() - started);
  request->deliver(std::move(reply));
}

void EditorHost::answerPending() {
  if (!pending_) return;
  answer(pending_, {});
  pending_.reset();
}

void EditorHost::supersedePending() {
  if (!pending_) return;
  supersede(pending_);
  pending_.reset();
}

void EditorHost::handle(const HostRequestPtr& request) {
  pending_ = request;
  busy_.begin(false);
  Outcome outcome;
  try {
    outcome = perform(*request);
  } catch (const BadRequest& e) {
    outcome = {400, e.what()};
  } catch (const nlohmann::json::exception& e) {
    outcome = {400, std::string("malformed request: ") + e.what()};
  } catch (const std::exception& e) {
    outcome = {500, e.what()};
  }
  busy_.end();
  if (pending_) answer(pending_, outcome);
  pending_.reset();
}

// The first contour of a run: the total is known now (the dialog's record has
// the values the run uses), and the dialog being opened is shown at once,
// while its first preview goes on.
void EditorHost::contourMade() {
  if (busy_.copied() != 1) return;
  busy_.setTotal(expectedContours());
  if (openingDialog_ && pending_ && openSettingsDialog(easel_->dialogs) != nullptr) {
    answer(pending_, {}, true);
    pending_.reset();
  }
}

void EditorHost::handleDuringDialog(const HostRequestPtr& request) {
  Outcome outcome{409, "the Contour dialog is open: accept or cancel it first"};
  if (allowedDuringDialog(request->action)) {
    try {
      outcome = perform(*request);
    } catch (const std::exception& e) {
      outcome = {400, e.what()};
    }
  }
  answer(request, outcome);
}

EditorHost::Outcome EditorHost::perform(const HostRequest& request) {
  const Json& body = request.body;
  switch (request.action) {
    case Action::State: return {};
    case Action::Cancel: return {};  // the run ended before the cancel came: nothing to take back
    case Action::Dialog:
      if (request.events.empty()) return {};
      return {409, "no dialog is open"};
    case Action::Select: return select(body);
    case Action::Filter: return runFilter(true);
    case Action::Repeat: return runFilter(false);
    case Action::EditContour: return editContour();
    case Action::Undo: return undoOrRedo(false);
    case Action::Redo: return undoOrRedo(true);
    case Action::Save: return save(body, false);
    case Action::SaveAs: return save(body, true);
    case Action::View: return setZoom(body);
    case Action::About: return about();
    case Action::Recovery: return recovery();
    case Action::PlaceDialog: return placeDialog(body);
    case Action::Drawings: return drawings();
    case Action::Open: return openDrawing(body);
    case Action::Drop: return dropDrawing(request);
    case Action::Export: return exportPicture(body);
  }
  return {404, "no such action"};
}

}  // namespace easel::web
