#include "Session.h"

#include "Document.h"
#include "Memory.h"
#include "PluginRegistry.h"
#include "Random.h"
#include "ViewState.h"

namespace easel {

namespace {
Session* g_current = nullptr;
}

Session::Session()
    : document_(std::make_unique<Document>()),
      memory_(std::make_unique<Memory>()),
      random_(std::make_unique<Random>()),
      view_(std::make_unique<ViewState>()),
      plugins_(std::make_unique<PluginRegistry>()) {}

Session::~Session() {
  if (g_current == this) g_current = nullptr;
}

void Session::setDocument(std::unique_ptr<Document> document) { document_ = std::move(document); }

bool Session::release(SuiteId id) {
  auto& count = held_[static_cast<std::size_t>(id)];
  if (count <= 0) return false;
  --count;
  return true;
}

void Session::recordMisuse(std::string what) { misuses_.push_back(std::move(what)); }

Session* Session::current() { return g_current; }

SessionScope::SessionScope(Session& session) : previous_(g_current) { g_current = &session; }

SessionScope::~SessionScope() { g_current = previous_; }

}  // namespace easel
