// The editor's host in the page's Web Worker: the same host as `contour
// edit`'s, on the worker's one thread, speaking the page's messages
// (easel/web/MessageTransport.h). The worker's script (contour-host.js)
// keeps the messages that arrive in a queue; the host takes the next one
// when it has nothing to do, suspended meanwhile by emscripten's Asyncify,
// so that the plug-in's modal dialog can wait for the page's next event as
// it does natively. A run looks at the page's stop every few milliseconds:
// in the flag the page shares when it is cross-origin isolated, else in a
// moment in which the worker lets the page's messages in.
//
// The drawing lives in memory at /drawing/NAME, where Save writes it; each
// drawing read or saved goes back to the page, which keeps it for a restart
// and offers it as a download. An 'open' of another drawing ends the host and
// starts another on it.
#include <emscripten.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "easel/core/Document.h"
#include "easel/svg/SvgImport.h"
#include "easel/web/EditorHost.h"
#include "easel/web/MessageTransport.h"

namespace {

using Json = nlohmann::json;

// The bodies of these are JavaScript.
// clang-format off
// The queue's next message, packed by the script: its JSON's length (4
// bytes, little-endian), the JSON, then an opened drawing's bytes or the file
// that goes with a request (a drop). Freed by the caller.
EM_ASYNC_JS(uint8_t*, contourNextMessage, (), {
  const message = await Module.contourPage.next();
  const file = message.type === 'open' ? message.bytes : message.upload;
  const bytes = file ? new Uint8Array(file) : new Uint8Array(0);
  const fields = Object.assign({}, message, {size: bytes.length});
  delete fields.bytes;
  delete fields.upload;
  const head = new TextEncoder().encode(JSON.stringify(fields));
  const packed = _malloc(4 + head.length + bytes.length);
  HEAPU8.set([head.length & 255, (head.length >> 8) & 255, (head.length >> 16) & 255, head.length >>> 24], packed);
  HEAPU8.set(head, packed + 4);
  HEAPU8.set(bytes, packed + 4 + head.length);
  return packed;
});
EM_JS(int, contourStopAsked, (), { return Module.contourPage.stopAsked(); });
EM_JS(int, contourSharesStopFlag, (), { return Module.contourPage.sharesStopFlag(); });
EM_JS(void, contourPost, (const char* json, const uint8_t* bytes, uint32_t size),
      { Module.contourPage.post(JSON.parse(UTF8ToString(json)), HEAPU8.slice(bytes, bytes + size).buffer); });
// clang-format on

// Names and text from a drawing that are not UTF-8 go with U+FFFD in their place.
void post(const Json& message, const std::string& bytes = {}) {
  contourPost(easel::web::answerText(message).c_str(), reinterpret_cast<const uint8_t*>(bytes.data()),
              static_cast<uint32_t>(bytes.size()));
}

struct Message {
  Json head;
  std::string bytes;  // an opened drawing's, or a request's file
};

Message nextMessage() {
  uint8_t* packed = contourNextMessage();
  uint32_t length = 0;
  for (int i = 3; i >= 0; --i) length = (length << 8) | packed[i];
  Message message{Json::parse(packed + 4, packed + 4 + length), {}};
  const uint32_t size = message.head.value("size", 0u);
  message.bytes.assign(reinterpret_cast<const char*>(packed + 4 + length), size);
  std::free(packed);
  return message;
}

const std::filesystem::path kFolder = "/drawing";

// A drawing's name as the page gave it, as a file in the folder: its last
// part, and never empty.
std::string fileName(const Json& head) {
  std::string name = std::filesystem::path(head.value("name", std::string())).filename().string();
  return name.empty() || name == "." || name == ".." ? std::string("drawing.svg") : name;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The page for one host: its requests until it opens another drawing.
class WorkerPage : public easel::web::PageLink {
 public:
  std::optional<easel::web::PageMessage> next() override {
    Message message = nextMessage();
    const std::string type = message.head.value("type", std::string());
    if (type == "open") {
      opened_ = std::move(message);
      return std::nullopt;  // this host ends; the next one reads the drawing
    }
    easel::web::PageMessage request;
    request.id = message.head.value("id", uint64_t{0});
    request.name = message.head.value("name", std::string());
    request.body = message.head.value("body", std::string());
    request.revision = message.head.value("revision", uint64_t{0});
    request.order = message.head.value("order", uint64_t{0});
    request.page = message.head.value("page", std::string());
    request.upload = std::move(message.bytes);
    if (kHandsOverFile.contains(request.name)) handing_[request.id] = request.name;
    return request;
  }

  bool stopAsked() override {
    if (!sharesStopFlag_) emscripten_sleep(0);  // the page's messages come in meanwhile
    return contourStopAsked() != 0;
  }

  // The page's own clock: libc++'s steady_clock::now() reaches the same clock
  // through a JavaScript trampoline (a call that may throw, in one that may not).
  std::chrono::steady_clock::time_point now() override {
    using Clock = std::chrono::steady_clock;
    const std::chrono::duration<double, std::milli> sinceStart(emscripten_get_now());
    return Clock::time_point(std::chrono::duration_cast<Clock::duration>(sinceStart));
  }

  void answer(uint64_t id, const easel::web::Reply& reply) override {
    // With the host's own work on it in milliseconds, as the HTTP transport's Server-Timing gives it.
    post({{"type", "answer"},
          {"id", id},
          {"status", reply.status},
          {"json", easel::web::answerText(reply.body)},
          {"run", reply.runMs},
          {"answer", reply.answerMs}},
         reply.geometry);
    auto handed = handing_.find(id);
    if (handed == handing_.end()) return;
    const std::string action = handed->second;
    handing_.erase(handed);
    if (reply.status != 200) return;
    // The answer names the file: the drawing as it is now shown, or the picture written.
    const Json& exported = reply.body.value("export", Json::object());
    if (action == "export") {
      if (exported.contains("file")) sendFile(exported["file"].get<std::string>(), kExported);
    } else if (reply.body.contains("file")) {
      sendFile(reply.body["file"].get<std::string>(), action == "save" || action == "saveAs" ? kSaved : kRead);
    }
  }

  void progress(const easel::web::BusyRun::Progress& p) override {
    post({{"type", "progress"},
          {"running", p.running},
          {"stoppable", p.stoppable},
          {"made", p.made},
          {"total", p.total}});
  }

  // The drawing the page opened, which ended this host.
  std::optional<Message> opened() { return std::move(opened_); }

  // What a file handed to the page is: the drawing read (kept for a restart),
  // the drawing saved or a picture exported (both kept where the user says).
  // A drawing read that holds changes its file lacks is opened as such again.
  enum Handed { kRead, kSaved, kExported };
  static void sendFile(const std::string& name, Handed what, bool unsaved = false) {
    post({{"type", "file"},
          {"name", name},
          {"saved", what != kRead},
          {"exported", what == kExported},
          {"unsaved", unsaved}},
         readFile(kFolder / name));
  }

 private:
  // The requests whose answer writes a file the page keeps, or shows another drawing.
  static inline const std::set<std::string> kHandsOverFile{"save", "saveAs", "export", "open", "drop"};
  bool sharesStopFlag_ = contourSharesStopFlag() != 0;
  std::map<uint64_t, std::string> handing_;  // request id -> its action
  std::optional<Message> opened_;
};

// Edits one drawing until the page opens another; gives that one.
std::optional<Message> edit(Message drawing, std::optional<uint64_t> seed) {
  const std::string name = fileName(drawing.head);
  const std::filesystem::path path = kFolder / name;
  std::error_code ignored;
  std::filesystem::create_directories(kFolder, ignored);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << drawing.bytes;
  WorkerPage page;
  std::optional<easel::svg::ImportedSvg> imported;
  try {
    imported = easel::svg::importSvg(std::move(drawing.bytes), name, easel::Document::kDefaultMemoryBudget);
  } catch (const std::exception& e) {
    // The worker keeps running: the page may open another drawing.
    post({{"type", "failed"}, {"error", e.what()}});
    for (;;) {
      Message message = nextMessage();
      if (message.head.value("type", std::string()) == "open") return message;
      post({{"type", "answer"},
            {"id", message.head.value("id", uint64_t{0})},
            {"status", 409},
            {"json", easel::web::answerText(easel::web::refusal(409, e.what()).body)}});
    }
  }
  // The page opens its recovery copy as changes not saved.
  const bool unsaved = drawing.head.value("unsaved", false);
  WorkerPage::sendFile(name, WorkerPage::kRead, unsaved);
  easel::web::EditorOptions options{path.string(), {}, seed, {}, easel::Document::kDefaultMemoryBudget};
  options.openedUnsaved = unsaved;
  easel::web::EditorHost host(std::move(*imported), options);
  easel::web::MessageTransport transport(host, page);
  if (std::optional<std::string> failure = transport.run()) post({{"type", "failed"}, {"error", *failure}});
  return page.opened();
}

}  // namespace

// Started by the worker's script once the page's 'start' has come: the first
// message it hands over is the drawing to open.
extern "C" EMSCRIPTEN_KEEPALIVE void contour_worker_run(int hasSeed, double seed) {
  const std::optional<uint64_t> chosen = hasSeed ? std::optional<uint64_t>(static_cast<uint64_t>(seed)) : std::nullopt;
  std::optional<Message> drawing = nextMessage();
  while (drawing) drawing = edit(std::move(*drawing), chosen);
}
