// The modal run: a dialog lives from its init procedure to the item that ends
// it; then its handles go stale and what it showed is recorded.
#include "DialogManager.h"

namespace easel::adm {

namespace {

// Keeps the stack of running dialogs and the handles right however the run
// is left (a procedure of the plug-in cannot throw, but the easel can run out
// of memory).
class RunningDialog {
 public:
  RunningDialog(std::vector<Dialog*>& running, Dialog& dialog) : running_(running) { running_.push_back(&dialog); }
  ~RunningDialog() { running_.pop_back(); }
  RunningDialog(const RunningDialog&) = delete;
  RunningDialog& operator=(const RunningDialog&) = delete;

 private:
  std::vector<Dialog*>& running_;
};

}  // namespace

ASErr DialogManager::runModal(std::unique_ptr<Dialog> owned, int32_t* itemHit) {
  Dialog& dialog = *owned;
  dialog.handle = handles_.make<ADMDialogRef>(HandleKind::Dialog, &dialog);
  struct Release {
    DialogManager& manager;
    Dialog& dialog;
    ~Release() { manager.releaseHandles(dialog); }
  } release{*this, dialog};
  for (auto& item : dialog.items) registerItem(dialog, *item);

  ASErr result = kNoErr;
  {
    RunningDialog running(running_, dialog);
    if (dialog.initProc != nullptr) result = dialog.initProc(dialog.handle);
    if (result == kNoErr && !dialog.ended) {
      if (!driven_.empty() && dialog.name == driven_) {
        if (!play(dialog)) result = kBadParameterErr;
      } else {
        pressToEnd(dialog, kADMDefaultItemID);
      }
    }
  }
  if (result != kNoErr) dialog.result = 0;  // it did not close through an item
  shown_.push_back(snapshot(dialog));
  if (itemHit != nullptr) *itemHit = dialog.result;
  return result;
}

bool DialogManager::play(Dialog& dialog) {
  std::shared_ptr<EventSource> source = source_;  // a procedure may set another source
  if (source) source->opened(dialog);
  bool taken = true;
  while (!dialog.ended) {
    std::optional<Event> event = source ? source->next(dialog) : std::nullopt;
    if (!event) {
      pressToEnd(dialog, kADMDefaultItemID);  // the default-item key
      break;
    }
    ++eventsTaken_;
    std::string why = apply(dialog, *event);
    if (why.empty()) continue;
    std::string message = "event " + std::to_string(eventsTaken_) + ": " + why;
    if (source->rejected(message)) {
      scriptError_ = std::move(message);
      taken = false;
      break;
    }
  }
  if (source) source->closed(dialog);
  return taken;
}

void DialogManager::pressToEnd(Dialog& dialog, int32_t result) {
  Item* button = dialog.findItem(result);
  if (button != nullptr && isPushButton(button->kind)) (void)notify(*button, kADMUserChangedNotifier);
  endDialog(dialog, result);  // also when the button's procedure did not end it
}

void DialogManager::releaseHandles(Dialog& dialog) {
  auto free = [&](auto ref) { handles_.free(reinterpret_cast<uintptr_t>(ref)); };
  for (auto& item : dialog.items) {
    for (auto& entry : item->entries) free(entry.handle);
    free(item->listHandle);
    free(item->handle);
  }
  free(dialog.handle);
}

}  // namespace easel::adm
