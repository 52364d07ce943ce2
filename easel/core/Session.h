// One running host: the document and everything the suites answer from. The
// suites are plain C functions, so they find their host through the current
// session, which a SessionScope sets for the length of a run.
#ifndef EASEL_CORE_SESSION_H
#define EASEL_CORE_SESSION_H

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Faults.h"
#include "RunWatch.h"
#include "SuiteId.h"
#include "Trace.h"

namespace easel {

class Document;
class Memory;
class Random;
class ViewState;
class PluginRegistry;

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Trace trace;
  Faults faults;
  RunWatch watch;

  Document& document() { return *document_; }
  Memory& memory() { return *memory_; }
  Random& random() { return *random_; }
  ViewState& view() { return *view_; }
  PluginRegistry& plugins() { return *plugins_; }
  // Replace the document (loading a file); undo history goes with it.
  void setDocument(std::unique_ptr<Document> document);

  // How many acquisitions of each suite are outstanding.
  int heldCount(SuiteId id) const { return held_[static_cast<std::size_t>(id)]; }
  void acquire(SuiteId id) { ++held_[static_cast<std::size_t>(id)]; }
  bool release(SuiteId id);
  bool isHeld(SuiteId id) const { return id == SuiteId::SPBasic || heldCount(id) > 0; }
  // Whether a call into suite `id` needs no checks beyond the operation's own:
  // the suite is held, and the gate is open (nothing traced, no fault armed,
  // no stop pending). Two loads, evaluated without short cuts so that the
  // host call takes a single branch on them.
  bool runsPlain(SuiteId id) const {
    const bool held = isHeld(id), open = gate_.open();
    return held & open;
  }

  // Misuse of the interface by the plug-in (a released suite, a stale handle):
  // recorded here and in the trace.
  void recordMisuse(std::string what);
  const std::vector<std::string>& misuses() const { return misuses_; }

  // Inline: every host call starts here.
  static Session* current() { return current_; }

 private:
  friend class SessionScope;
  // Trace, faults and watch report here whether calls need their frame.
  CallGate gate_;
  static inline Session* current_ = nullptr;
  std::array<int, kAcquirableSuiteCount> held_{};
  std::vector<std::string> misuses_;
  std::unique_ptr<Document> document_;
  std::unique_ptr<Memory> memory_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<ViewState> view_;
  std::unique_ptr<PluginRegistry> plugins_;
};

// Makes a session the current one until the scope ends (scopes nest).
class SessionScope {
 public:
  explicit SessionScope(Session& session);
  ~SessionScope();
  SessionScope(const SessionScope&) = delete;
  SessionScope& operator=(const SessionScope&) = delete;

 private:
  Session* previous_;
};

}  // namespace easel

#endif
