// The easel's dialog manager: runs the plug-in's modal dialogs, hands out and
// checks the handles of dialogs, items, lists and entries, calls the plug-in's
// init, notify and track procedures, and keeps a record of what the user saw.
//
// The dialog the host names (the "driven" dialog) takes the user's actions
// from an event source: a script, a test or the browser editor; when the
// source runs out, the default-item key ends it. Every other dialog is closed
// at once by its default item, as a user who reads it and presses OK would.
//
//   easel::adm::DialogManager dialogs;
//   easel::adm::DialogManagerScope scope(dialogs);
//   dialogs.setDrivenDialog("Settings");
//   dialogs.setScript({Event::setValue(4, 20), Event::end(kADMDefaultItemID)});
//   ... send the message that runs the dialog ...
//   dialogs.scriptError();          // "event 3: item 77 does not exist", or empty
//   dialogs.lastShown("Settings")->findItem(4)->value;
//   dialogs.alerts();               // texts of message alerts
#ifndef EASEL_ADM_DIALOGMANAGER_H
#define EASEL_ADM_DIALOGMANAGER_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "EventSource.h"
#include "ScriptEventSource.h"
#include "Events.h"
#include "HandleTable.h"
#include "Model.h"
#include "plugin/host/ADMDialog.h"
#include "plugin/host/ADMTypes.h"
#include "plugin/host/HostTypes.h"

namespace easel::adm {

// The notifier and tracker handed to the plug-in's procedures; they live for
// the length of one call.
struct Notifier {
  Item* item = nullptr;
  std::string type;
};
struct Tracker {
  Item* item = nullptr;
  ADMRealPoint point{};
  int32_t modifiers = 0;
};

class DialogManager {
 public:
  DialogManager();
  ~DialogManager();
  DialogManager(const DialogManager&) = delete;
  DialogManager& operator=(const DialogManager&) = delete;

  // The manager of the current DialogManagerScope, or null.
  static DialogManager* current();

  // ---- Set-up by the host (command line, tests, browser).
  // The name of the dialog that takes the source's events (none at first:
  // every dialog then closes at once).
  void setDrivenDialog(std::string name) { driven_ = std::move(name); }
  // Where the settings dialog takes its events (null: nowhere, so it ends at
  // once with 1). Setting a source clears the last script error.
  void setEventSource(std::shared_ptr<EventSource> source);
  void setScript(std::vector<Event> events);
  EventSource* eventSource() const { return source_.get(); }

  // ---- What the user saw.
  // Every dialog shown, in the order in which they closed, as they were then.
  const std::vector<ShownDialog>& shownDialogs() const { return shown_; }
  // The last one with this name, or null.
  const ShownDialog* lastShown(std::string_view name) const;
  // The texts of message alerts, in order.
  const std::vector<std::string>& alerts() const { return alerts_; }
  // Why the last driven run stopped early ("event 3: item 77 does not
  // exist"); empty when it did not.
  const std::string& scriptError() const { return scriptError_; }

  // The dialogs being run, innermost last (for an interactive source).
  const std::vector<Dialog*>& running() const { return running_; }
  // Handles that name something live (none once every dialog has closed and
  // every icon is destroyed).
  std::size_t liveHandles() const { return handles_.liveCount(); }

  // ---- For the suites.
  // Runs a dialog built from its template: registers it, calls the init
  // procedure, plays the events, and records it when it closes. Returns the
  // init procedure's non-zero result, kBadParameterErr when the events could
  // not be played (scriptError() says why), else kNoErr with *itemHit set.
  ASErr runModal(std::unique_ptr<Dialog> dialog, int32_t* itemHit);
  void addAlert(std::string text) { alerts_.push_back(std::move(text)); }

  Item& addItem(Dialog& dialog, std::unique_ptr<Item> item);
  Entry& insertEntry(Item& list, std::size_t position);

  // Resolve handles; null for a null, stale or foreign handle.
  Dialog* dialog(ADMDialogRef ref) const { return handles_.get<Dialog>(ref, HandleKind::Dialog); }
  Item* item(ADMItemRef ref) const { return handles_.get<Item>(ref, HandleKind::Item); }
  Item* list(ADMListRef ref) const { return handles_.get<Item>(ref, HandleKind::List); }
  Entry* entry(ADMEntryRef ref) const { return handles_.get<Entry>(ref, HandleKind::Entry); }
  Notifier* notifier(ADMNotifierRef ref) const { return handles_.get<Notifier>(ref, HandleKind::Notifier); }
  Tracker* tracker(ADMTrackerRef ref) const { return handles_.get<Tracker>(ref, HandleKind::Tracker); }
  // The dialog an item belongs to.
  Dialog* dialogOf(const Item& item) const;

  // Runs the item's notify procedure (or the default handling when it has
  // none) with a notifier of `type`. kBadParameterErr when notifications nest
  // deeper than any real dialog needs (a procedure that notifies itself).
  ASErr notify(Item& item, std::string_view type);
  // The host's own handling: the default item's and Cancel's push buttons end the run.
  void defaultNotify(Item& item);
  // Runs the item's track procedure with a tracker of this point and flags.
  ASErr track(Item& item, ADMRealPoint viewPoint, int32_t modifiers);
  void endDialog(Dialog& dialog, int32_t result);

  // Icons of the plug-in's resources (the plug-in creates none today).
  ADMIconRef createIcon(int32_t iconId);
  bool destroyIcon(ADMIconRef icon);

  // Applies one user action to a dialog; returns why it cannot, or "" when it
  // was taken. Used by the modal run for every event of the source.
  std::string apply(Dialog& dialog, const Event& event);

 private:
  void registerItem(Dialog& dialog, Item& item);
  // Plays the source's events on the driven dialog; false when one was rejected.
  bool play(Dialog& dialog);
  // Ends the dialog with `result` as the user's key would: the push button
  // with that id (the default item or Cancel) is pressed first.
  void pressToEnd(Dialog& dialog, int32_t result);
  void releaseHandles(Dialog& dialog);
  std::string typeValue(Item& item, double value);
  std::string chooseEntry(Item& item, int32_t entryId);
  std::string press(Item& item);
  std::string pick(Item& item, float x, float y, int32_t modifiers);

  HandleTable handles_;
  std::string driven_;
  std::shared_ptr<EventSource> source_;
  std::size_t eventsTaken_ = 0;
  std::vector<Dialog*> running_;
  std::vector<ShownDialog> shown_;
  std::vector<std::string> alerts_;
  std::string scriptError_;
  std::vector<std::unique_ptr<int32_t>> icons_;
  int notifyDepth_ = 0;
};

// Makes a dialog manager the current one until the scope ends (scopes nest).
class DialogManagerScope {
 public:
  explicit DialogManagerScope(DialogManager& manager);
  ~DialogManagerScope();
  DialogManagerScope(const DialogManagerScope&) = delete;
  DialogManagerScope& operator=(const DialogManagerScope&) = delete;

 private:
  DialogManager* previous_;
};

}  // namespace easel::adm

#endif
