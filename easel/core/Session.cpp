#include "Session.h"

#include "Document.h"
#include "Memory.h"
#include "PluginRegistry.h"
#include "Random.h"
#include "ViewState.h"

namespace easel {

Session::Session()
    : document_(std::make_unique<Document>()),
      memory_(std::make_unique<Memory>()),
      random_(std::make_unique<Random>()),
      view_(std::make_unique<ViewState>()),
      plugins_(std::make_unique<PluginRegistry>()) {
  trace.reportTo(&gate_);
  faults.reportTo(&gate_);
  watch.reportTo(&gate_);
}

Session::~Session() {
  if (current_ == this) current_ = nullptr;
}

void Session::setDocument(std::unique_ptr<Document> document) { document_ = std::move(document); }

bool Session::release(SuiteId id) {
  auto& count = held_[static_cast<std::size_t>(id)];
  if (count <= 0) return false;
  --count;
  return true;
}

void Session::recordMisuse(std::string what) { misuses_.push_back(std::move(what)); }

SessionScope::SessionScope(Session& session) : previous_(Session::current_) { Session::current_ = &session; }

SessionScope::~SessionScope() { Session::current_ = previous_; }

}  // namespace easel
