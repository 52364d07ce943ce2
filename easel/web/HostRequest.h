// One request of the page as the host thread takes it: what to do, with what,
// and where the answer goes. Every transport (HTTP, the page's worker) reads
// its requests here, by the same names and bodies, and says where the answer
// goes: a handler waiting on a thread of its own, a message to the page.
#ifndef EASEL_WEB_HOSTREQUEST_H
#define EASEL_WEB_HOSTREQUEST_H

#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "easel/adm/Events.h"

namespace easel::web {

// A request whose content is wrong (answered with 400 and the message).
class BadRequest : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Reply {
  Reply() = default;
  Reply(int status, nlohmann::json body) : status(status), body(std::move(body)) {}
  int status = 200;
  nlohmann::json body;
  std::string geometry;            // the drawing's geometry (DrawingGeometry.h), sent after the JSON
  double runMs = 0, answerMs = 0;  // the host's work on the request, and writing its answer
};

// A request refused: {"ok": false, "error": message}.
Reply refusal(int status, const std::string& error);

// An answer's JSON as the page is sent it: names and text from a drawing that
// are not UTF-8 are sent with U+FFFD in their place, never refused.
std::string answerText(const nlohmann::json& body);

// What the page asks of the host. Each transport turns its requests into
// these once; the host thread never reads a request's name.
enum class Action {
  State,        // nothing: the state as it is
  Select,       // body: "at" and "tolerance", "rect", "all" or "none"; "add"
  Filter,       // Filter > Contour...
  Repeat,       // the last filter again, without its dialog
  EditContour,  // one recorded run again, its dialog opened on its record
  Undo,
  Redo,
  Save,
  SaveAs,  // body: "path", "overwrite"
  View,    // body: "zoom"
  About,
  Recovery,     // the drawing with the changes not saved ("recovery"; null when all is saved)
  PlaceDialog,  // body: "left", "top": where the user put the open dialog
  Drawings,     // the drawings of the drawing's folder, for Open and Save As
  Open,         // body: "path", "discard": another drawing of the folder
  Drop,         // body: "name", "overwrite", "discard"; upload: a file dropped on the page
  Export,       // body: "path", "area", "format", "dpi" or "width" and "height", "background", "overwrite", "measure"
  Dialog,       // events: the user's actions in the open dialog
  Cancel,       // the page's Cancel of a run: the open dialog is cancelled
};

// The action's name in the editor's protocol (/api/NAME), and back; none for
// a name the editor does not know.
std::string_view actionName(Action action);
std::optional<Action> actionNamed(std::string_view name);
// The actions posted with a JSON object as their body.
std::span<const Action> objectActions();

struct HostRequest {
  Action action = Action::State;
  nlohmann::json body;                          // the action's arguments (an object; empty when it takes none)
  std::vector<easel::adm::Event> events;        // Dialog: the user's actions, as a dialog script gives them
  std::string upload;                           // Drop: the file's bytes
  uint64_t revision = 0;                        // the document revision the page already shows
  uint64_t order = 0;                           // the page's count of its requests (0: none given)
  std::string page;                             // which load of the page counts them: each counts from 1
  bool drawsGeometry = false;                   // the page draws plain art itself from geometry
  std::chrono::steady_clock::time_point taken;  // when the host took it up
  std::function<void(Reply)> deliver;           // where the answer goes: called once, on the host thread
};
using HostRequestPtr = std::shared_ptr<HostRequest>;

// The request the page makes by an action's name and its body's text (a JSON
// object, a dialog script for "dialog"; "state" and "cancel" take none), or
// why it is refused (400 for a malformed body, 404 for a name the editor does
// not know). The page's revision and order are the transport's to fill in.
std::variant<HostRequestPtr, Reply> readRequest(std::string_view name, std::string_view body);

// Makes the request's answer a future, for a transport that waits for it.
std::future<Reply> replyFuture(HostRequest& request);

// The key under which a newer request replaces an older one still waiting:
// a single value typed into the same item, or a single entry chosen in the
// same list, by the same load of the page. Empty for everything else (every
// press and pick counts).
std::string coalescingKey(const HostRequest& request);

}  // namespace easel::web

#endif
