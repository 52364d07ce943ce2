#include "DialogManager.h"

#include <algorithm>
#include <iterator>

namespace easel::adm {

namespace {
DialogManager* g_current = nullptr;
// Deeper than any chain of notifications a dialog makes on purpose: the
// settings dialog's deepest is a pick that re-notifies a page (three levels).
constexpr int kMaxNotifyDepth = 64;
}  // namespace

DialogManager::DialogManager() = default;

DialogManager::~DialogManager() {
  if (g_current == this) g_current = nullptr;
}

DialogManager* DialogManager::current() { return g_current; }

void DialogManager::setEventSource(std::shared_ptr<EventSource> source) {
  source_ = std::move(source);
  eventsTaken_ = 0;
  scriptError_.clear();
}

void DialogManager::setScript(std::vector<Event> events) {
  setEventSource(std::make_shared<ScriptEventSource>(std::move(events)));
}

const ShownDialog* DialogManager::lastShown(std::string_view name) const {
  for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
    if (it->name == name) return &*it;
  return nullptr;
}

void DialogManager::registerItem(Dialog& dialog, Item& item) {
  item.dialogHandle = dialog.handle;
  item.handle = handles_.make<ADMItemRef>(HandleKind::Item, &item);
  if (item.kind == ItemKind::PopupList) item.listHandle = handles_.make<ADMListRef>(HandleKind::List, &item);
}

Item& DialogManager::addItem(Dialog& dialog, std::unique_ptr<Item> item) {
  dialog.items.push_back(std::move(item));
  Item& added = *dialog.items.back();
  registerItem(dialog, added);
  return added;
}

Entry& DialogManager::insertEntry(Item& list, std::size_t position) {
  auto at = list.entries.begin();
  std::advance(at, static_cast<std::ptrdiff_t>(std::min(position, list.entries.size())));
  Entry& entry = *list.entries.emplace(at);
  entry.handle = handles_.make<ADMEntryRef>(HandleKind::Entry, &entry);
  entry.listHandle = list.listHandle;
  return entry;
}

Dialog* DialogManager::dialogOf(const Item& item) const { return dialog(item.dialogHandle); }

ASErr DialogManager::notify(Item& item, std::string_view type) {
  if (notifyDepth_ >= kMaxNotifyDepth) return kBadParameterErr;
  Notifier notifier{&item, std::string(type)};
  auto ref = handles_.make<ADMNotifierRef>(HandleKind::Notifier, &notifier);
  ++notifyDepth_;
  if (item.notifyProc != nullptr) item.notifyProc(item.handle, ref);
  else
    defaultNotify(item);
  --notifyDepth_;
  handles_.free(reinterpret_cast<uintptr_t>(ref));
  return kNoErr;
}

void DialogManager::defaultNotify(Item& item) {
  if (!isPushButton(item.kind) || (item.id != kADMDefaultItemID && item.id != kADMCancelItemID)) return;
  if (Dialog* owner = dialogOf(item)) endDialog(*owner, item.id);
}

ASErr DialogManager::track(Item& item, ADMRealPoint viewPoint, int32_t modifiers) {
  if (item.trackProc == nullptr) return kBadParameterErr;
  Tracker tracker{&item, viewPoint, modifiers};
  auto ref = handles_.make<ADMTrackerRef>(HandleKind::Tracker, &tracker);
  (void)item.trackProc(item.handle, ref);  // the flag only tells a real host whether to keep tracking
  handles_.free(reinterpret_cast<uintptr_t>(ref));
  return kNoErr;
}

void DialogManager::endDialog(Dialog& dialog, int32_t result) {
  if (dialog.ended) return;  // the first ending counts
  dialog.ended = true;
  dialog.result = result;
}

ADMIconRef DialogManager::createIcon(int32_t iconId) {
  icons_.push_back(std::make_unique<int32_t>(iconId));
  return handles_.make<ADMIconRef>(HandleKind::Icon, icons_.back().get());
}

bool DialogManager::destroyIcon(ADMIconRef icon) {
  auto* id = handles_.get<int32_t>(icon, HandleKind::Icon);
  if (id == nullptr) return false;
  handles_.free(reinterpret_cast<uintptr_t>(icon));
  std::erase_if(icons_, [&](const auto& kept) { return kept.get() == id; });
  return true;
}

DialogManagerScope::DialogManagerScope(DialogManager& manager) : previous_(g_current) { g_current = &manager; }

DialogManagerScope::~DialogManagerScope() { g_current = previous_; }

}  // namespace easel::adm
