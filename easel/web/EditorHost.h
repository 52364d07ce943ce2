// The editor's host: the one protocol every transport of the page speaks. Its
// thread owns the easel (session, document, dialog manager, the loaded
// plug-in) and makes every call into the plug-in; a transport (the HTTP
// server, the page's worker) only posts requests (HostRequest.h) here and
// hands on the answers and the progress it pushes. While the
// settings dialog is open, the dialog manager's modal run waits in the web
// event source, which takes the page's dialog requests from the same queue.
//
// Every request is answered with the editor's state (EditorState.h). A request
// that opens the dialog is answered as soon as the dialog is shown; each
// dialog request once its events have been applied; the request that ends
// the dialog once the filter command is over.
#ifndef EASEL_WEB_EDITORHOST_H
#define EASEL_WEB_EDITORHOST_H

#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BusyRun.h"
#include "CoalescingQueue.h"
#include "EditorRuns.h"
#include "EditorState.h"
#include "FileStamp.h"
#include "HostRequest.h"
#include "SelectionTool.h"
#include "easel/host/KeptPaints.h"
#include "easel/svg/SvgImport.h"

namespace easel::host {
struct Easel;
}

namespace easel::web {

// What Save answers when the file was changed by someone else since it was
// read or last saved (with the reason "changed", unless told to overwrite).
inline constexpr std::string_view kChangedOnDisk =
    "The drawing was changed on disk since it was opened: replace it, or save under another name?";
// What opening another drawing answers while this one has changes not saved
// (with the reason "unsaved", unless told to discard them).
inline constexpr std::string_view kUnsavedChanges =
    "The drawing has changes that are not saved: save them first, or open the other drawing and lose them?";

struct EditorOptions {
  std::string drawingPath;  // where Save writes
  std::string pluginPath;   // empty: the module beside the program
  std::optional<uint64_t> seed;
  // Host operations made to fail, to see the plug-in's error messages.
  struct Fault {
    std::string operation;
    int nth = 1;
    int32_t code = -108;
  };
  std::vector<Fault> faults;
  // What a drawing opened or dropped may take while it is read, and then its
  // art (a host whose memory has a ceiling keeps well below it).
  std::size_t memoryBudget = Document::kDefaultMemoryBudget;
  // The drawing opened holds changes its file does not have (a recovery
  // copy opened again): it counts as not saved until it is saved.
  bool openedUnsaved = false;
};

class EditorHost {
 public:
  EditorHost(svg::ImportedSvg drawing, EditorOptions options);
  ~EditorHost();
  EditorHost(const EditorHost&) = delete;
  EditorHost& operator=(const EditorHost&) = delete;

  // The host thread's body: loads and starts the plug-in, answers requests
  // until stop(), then shuts the plug-in down.
  void run();
  // Waits until run() has started the plug-in: nothing, or why it could not.
  std::optional<std::string> waitUntilReady();
  // Any thread: queue a request; its `deliver` gets the answer. `first`:
  // ahead of those waiting (a cancel must not wait for the previews queued before it).
  void post(const HostRequestPtr& request, bool first = false);
  // Any thread: the page's Cancel of a run. The run is asked to stop at once;
  // the request, ahead of everything queued, then cancels the settings dialog
  // (its contours taken back) and is answered once the dialog is closed.
  void cancelRun(const HostRequestPtr& request);
  // Any thread: take no more requests (those waiting are told the editor is
  // closing); a running preview is stopped, an open dialog is cancelled and
  // run() returns.
  void stop();
  // Any thread, once the editor is ending and cannot wait for the host thread
  // any longer: whether what became of the unsaved changes was said (their
  // recovery copy, or why there is none). If not, says now that they are
  // lost, and the host thread says nothing more.
  bool settleEnding();
  // Any thread: the run going on, to follow and to stop.
  BusyRun& busy() { return busy_; }

  // ---- Set before run(), for a transport that shares the host's one thread.
  // Called on the host thread when no request is waiting: it returns once it
  // has posted one, or stopped the host. Without it the thread sleeps until
  // another thread posts.
  void setIdleWait(std::function<void()> wait) { idleWait_ = std::move(wait); }
  // The progress of the work on a request, pushed from the host thread as it
  // starts and ends and as the run makes contours (BusyRun.h).
  void setProgressListener(BusyRun::Listener listener) { busy_.setListener(std::move(listener)); }

  // ---- For the web event source, on the host thread.
  // The next request, after telling superseded ones so; null once stopping.
  HostRequestPtr nextRequest();
  // Answers the request waiting for the state, if any.
  void answerPending();
  // Tells the request waiting that it was overtaken (its run was stopped for
  // a Cancel, whose answer follows): a stopped preview is never sent.
  void supersedePending();
  void setPending(HostRequestPtr request) { pending_ = std::move(request); }
  // A request other than a dialog event while the dialog is open.
  void handleDuringDialog(const HostRequestPtr& request);
  // The settings dialog's init is over: what follows is answered as usual.
  void dialogShown() { openingDialog_ = false; }
  // A dialog request is done, or the dialog ended: a preview made anew went
  // past the memory budget (said, when `sayCut`), or fits.
  void previewMade(bool sayCut = true);
  // A message for the page, sent with the next answer.
  void note(std::string message) { notes_.push_back(std::move(message)); }

 private:
  struct Outcome {
    Outcome() = default;
    Outcome(int s, std::string e, std::string r = {}) : status(s), error(std::move(e)), reason(std::move(r)) {}
    int status = 200;
    std::string error;
    std::string reason;   // for the page: "exists" when Save As would replace a file, "changed" (below)
    nlohmann::json more;  // what the action answers beside the state (an object)
  };
  void handle(const HostRequestPtr& request);
  Outcome perform(const HostRequest& request);
  // `running`: answered while the plug-in still works on it (the dialog is
  // shown while its first preview is made).
  void answer(const HostRequestPtr& request, const Outcome& outcome, bool running = false);
  // The run made a contour (host thread).
  void contourMade();
  // Contours the run is expected to make: selected objects x contours each.
  uint64_t expectedContours();
  // The drawing as a recovery copy holds it; none when every change is saved.
  std::optional<std::string> unsavedText();
  // Ending with changes not saved: they go to a recovery copy (Recovery.h).
  void keepUnsavedWork();
  // The line that says so (none for no changes), unless settleEnding() spoke first.
  void sayEnding(const std::string& line);

  // The actions (EditorActions.cpp).
  Outcome select(const nlohmann::json& body);
  Outcome runFilter(bool withDialog);
  Outcome editContour();  // Filter > Edit Contour...: one recorded run again, replaced
  // Runs past the memory budget (EditorActions.cpp).
  void startBudgetWatch();
  ASErr wholeOrNothing(ASErr result);
  Outcome overBudget() const;  // the answer to a command taken back so
  // After a run of the filter that made contours; says which paints its colour modes kept.
  void recordRun(uint64_t bornAfter, const easel::host::KeptPaints& nonFlat);
  easel::host::KeptPaints nonFlatPaintsSelected() const;  // of the objects a run would work on
  Outcome undoOrRedo(bool redo);
  Outcome save(const nlohmann::json& body, bool saveAs);
  Outcome setZoom(const nlohmann::json& body);
  Outcome about();
  Outcome recovery();                               // the unsaved changes, for a page that keeps its own recovery copy
  Outcome placeDialog(const nlohmann::json& body);  // the open dialog's place on screen, its size kept
  // Files (EditorFiles.cpp).
  Outcome drawings();                               // the folder's drawings
  Outcome openDrawing(const nlohmann::json& body);  // File > Open...
  Outcome dropDrawing(const HostRequest& request);  // a file dropped on the page
  // From now on the editor shows `drawing`, read from `path`, and saves it there.
  void showDrawing(svg::ImportedSvg drawing, const std::filesystem::path& path);
  bool unsaved() const;                               // the drawing has changes the file does not have
  Outcome exportPicture(const nlohmann::json& body);  // File > Export... (EditorExport.cpp)

  EditorParts parts();

  CoalescingQueue<HostRequestPtr> queue_;
  std::function<void()> idleWait_;
  BusyRun busy_;
  bool openingDialog_ = false;          // "Contour..." runs and its dialog's init is not over
  std::unique_ptr<Document> document_;  // handed to the session when run() starts
  EditorRuns runs_;                     // the contour runs, recorded when saved
  SelectionTool selectionTool_;         // the group the page's clicks pick in
  EditorOptions options_;
  std::filesystem::path drawingFolder_;  // where Save As writes: the opened drawing's folder
  std::promise<std::optional<std::string>> ready_;
  std::future<std::optional<std::string>> readyFuture_;
  easel::host::Easel* easel_ = nullptr;  // while run() runs
  StateReporter reporter_;
  HostRequestPtr pending_;
  std::vector<std::string> notes_;
  uint64_t savedFingerprint_ = 0;       // of the drawing as the file on disk has it
  std::optional<FileStamp> diskStamp_;  // that file, as read or last saved
  uint64_t answered_ = 0;
  struct BudgetWatch {
    uint64_t refusals = 0, changes = 0;  // the document's, after the last preview or the command's start
    bool previewCut = false;             // that preview went past the memory budget
  } budgetWatch_;
  std::mutex endingMutex_;
  bool endingSettled_ = false;  // what became of the unsaved changes was said
};

}  // namespace easel::web

#endif
