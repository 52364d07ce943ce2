#include "EditorServer.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <charconv>
#include <cstdio>
#include <future>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "Assets.h"
#include "easel/web/EditorHost.h"
#include "GatedServer.h"
#include "Lifetime.h"
#include "RequestGuard.h"

namespace easel::http {

namespace {

using Json = nlohmann::json;

constexpr const char* kLoopback = "127.0.0.1";
constexpr time_t kIoTimeoutSeconds = 5;
constexpr std::size_t kKeepAliveRequests = 20;
constexpr std::size_t kWorkers = 64;

// The page runs only its own scripts and styles; the drawing is shown in a
// frame of its own (below), so that nothing in it can run or load.
const httplib::Headers kSafetyHeaders = {
    {"Content-Security-Policy",
     "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' blob: data:; connect-src 'self'; "
     "frame-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"},
};

// The frame the page copies the drawing into: sandboxed without scripts (so
// the drawing's scripts and event attributes stay inert), loading nothing but
// data: pictures, its style sheets applied; only the page may frame it.
constexpr const char* kDrawingFrame = "/drawing-frame.html";
constexpr const char* kDrawingFramePolicy =
    "default-src 'none'; style-src 'unsafe-inline'; img-src data:; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'self'; sandbox allow-same-origin";

// The route of the actions that take a JSON object (dialog events take a script).
std::string objectActionRoute() {
  std::string names;
  for (web::Action action : web::objectActions()) names += (names.empty() ? "" : "|") + std::string(actionName(action));
  return "/api/(" + names + ")";
}

// With the charset named, cpp-httplib leaves the answer uncompressed: on the
// loopback, compressing a drawing of a megabyte costs seconds and saves nothing.
void sendJson(httplib::Response& res, int status, const Json& body) {
  res.status = status;
  res.set_content(web::answerText(body), "application/json; charset=utf-8");
}

// The JSON's length (4 bytes, little-endian), the JSON, zeros up to a
// multiple of 4 bytes, then the geometry: the page reads the floats in place.
// The geometry (tens of megabytes for a large drawing) is sent from where it
// was written, not copied behind the JSON first.
void sendWithGeometry(httplib::Response& res, web::Reply& reply) {
  const std::string json = web::answerText(reply.body);
  const auto length = static_cast<uint32_t>(json.size());
  auto parts = std::make_shared<std::pair<std::string, std::string>>(std::string(4, '\0'), std::move(reply.geometry));
  std::string& head = parts->first;
  for (int i = 0; i < 4; ++i) head[static_cast<std::size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xff);
  head += json;
  head.append((4 - head.size() % 4) % 4, '\0');
  res.status = reply.status;
  res.set_content_provider(head.size() + parts->second.size(), "application/vnd.contour.answer",
                           [parts](std::size_t offset, std::size_t most, httplib::DataSink& sink) {
                             const auto& [first, second] = *parts;
                             const bool inHead = offset < first.size();
                             const std::string& part = inHead ? first : second;
                             const std::size_t at = inHead ? offset : offset - first.size();
                             return sink.write(part.data() + at, std::min(most, part.size() - at));
                           });
}

void refuse(httplib::Response& res, int status, const std::string& message) {
  const web::Reply refused = web::refusal(status, message);
  sendJson(res, refused.status, refused.body);
}

// A number the page sends in a header; 0 when it sends none.
uint64_t headerNumber(const httplib::Request& req, const char* name) {
  const std::string text = req.get_header_value(name);
  uint64_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

}  // namespace

struct EditorServer::Impl {
  web::EditorHost& host;
  Lifetime& lifetime;
  std::string token;
  std::unique_ptr<RequestGuard> guard;
  GatedServer server;
  std::thread thread;
  std::future<void> listened;  // ready once the listening loop has ended
  int port = 0;

  Impl(web::EditorHost& h, Lifetime& l, std::string t) : host(h), lifetime(l), token(std::move(t)) {
    // cpp-httplib's default SO_REUSEPORT would let a second editor listen on
    // the same port and take half of this one's requests; SO_REUSEADDR only
    // lets a new editor reuse a port whose old connections are still closing.
    server.set_socket_options([](socket_t sock) {
      int yes = 1;
      setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
  }

  httplib::Server::HandlerResponse screen(const httplib::Request& req, httplib::Response& res) {
    std::size_t length = 0;
    const std::string lengthText = req.get_header_value("Content-Length");
    std::from_chars(lengthText.data(), lengthText.data() + lengthText.size(), length);
    const std::string host = req.get_header_value("Host"), tokenHeader = req.get_header_value("X-Contour-Token"),
                      tokenQuery = req.get_param_value("token"), cookie = req.get_header_value("Cookie");
    const RequestFacts facts{req.method, req.path, host, tokenHeader, tokenQuery, cookie, length};
    // The browser's one-time address: the code becomes the cookie, and the
    // page is loaded again without it.
    if (req.has_param("code") && guard->redeem(facts, req.get_param_value("code"))) {
      res.set_header("Set-Cookie", guard->cookie());
      res.set_redirect("/", 303);
      return httplib::Server::HandlerResponse::Handled;
    }
    if (auto refusal = guard->check(facts)) {
      std::cerr << "contour edit: " << req.method << ' ' << req.path << ": " << refusal->message << '\n';
      refuse(res, refusal->status, refusal->message);
      return httplib::Server::HandlerResponse::Handled;
    }
    if (req.path != "/api/close") lifetime.pageActive();
    return httplib::Server::HandlerResponse::Unhandled;
  }

  // The request of the action named, with the page's revision and order from
  // its headers, posted to the host thread; answered once the host has.
  // `body`: the request's JSON when it is not the HTTP body; `upload`: a file's bytes.
  void relay(std::string_view name, const httplib::Request& req, httplib::Response& res,
             std::optional<std::string> body = std::nullopt, std::string upload = {}) {
    auto read = web::readRequest(name, body ? *body : req.body);
    if (auto* refused = std::get_if<web::Reply>(&read)) return sendJson(res, refused->status, refused->body);
    const web::HostRequestPtr& request = std::get<web::HostRequestPtr>(read);
    request->upload = std::move(upload);
    request->revision = headerNumber(req, "X-Contour-Revision");
    request->order = headerNumber(req, "X-Contour-Order");
    request->page = req.get_header_value("X-Contour-Page");
    request->drawsGeometry = req.get_header_value("X-Contour-Draws") == "geometry";
    std::future<web::Reply> answer = web::replyFuture(*request);
    // The run is stopped at once; the dialog's Cancel, ahead of everything
    // queued, then takes its contours back.
    if (request->action == web::Action::Cancel) host.cancelRun(request);
    else
      host.post(request);
    web::Reply reply = answer.get();
    char timing[96];
    std::snprintf(timing, sizeof timing, "run;dur=%.1f, answer;dur=%.1f", reply.runMs, reply.answerMs);
    res.set_header("Server-Timing", timing);
    if (reply.geometry.empty()) return sendJson(res, reply.status, reply.body);
    sendWithGeometry(res, reply);
  }

  // A file dropped on the page: its bytes are the body; its name and the
  // user's answers (replace a file there, lose unsaved changes) are in the address.
  void drop(const httplib::Request& req, httplib::Response& res) {
    const Json body = {{"name", req.get_param_value("name")},
                       {"overwrite", req.get_param_value("overwrite") == "1"},
                       {"discard", req.get_param_value("discard") == "1"}};
    relay("drop", req, res, body.dump(), req.body);
  }

  // Answered here, not by the host thread, which is busy with the run.
  void progress(httplib::Response& res) {
    const web::BusyRun::Progress p = host.busy().progress();
    sendJson(
        res, 200,
        Json{{"ok", true}, {"running", p.running}, {"stoppable", p.stoppable}, {"made", p.made}, {"total", p.total}});
  }

  void routes() {
    server.set_default_headers(kSafetyHeaders);
    server.set_payload_max_length(RequestGuard::kMaxDropLength);  // the guard holds each path to its own
#ifdef __GLIBC__
    // Answers of tens of megabytes are made and freed on every change, on
    // any of the workers: mapped alone and unmapped when freed, they do not
    // stay in each worker's heap (the allocator's own threshold rises to
    // 32 MiB once such a block is freed).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    server.set_tcp_nodelay(true);      // an answer's last bytes are not held back for an acknowledgement
    server.set_keep_alive_timeout(1);  // so that stopping does not wait for idle connections
    // A client that sends or reads slowly is dropped after a few seconds of
    // silence and may not keep its connection for many requests; with more
    // workers than the page ever uses, a handful of such clients cannot keep
    // the page's requests waiting.
    server.set_read_timeout(kIoTimeoutSeconds);
    server.set_write_timeout(kIoTimeoutSeconds);
    server.set_keep_alive_max_count(kKeepAliveRequests);
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server.set_pre_routing_handler([this](const auto& req, auto& res) { return screen(req, res); });
    server.Get("/api/state", [this](const auto& req, auto& res) { relay("state", req, res); });
    server.Get(std::string(RequestGuard::kSessionPath), [this](const auto&, auto& res) {
      sendJson(res, 200, Json{{"ok", true}, {"token", token}});
    });
    server.Get("/api/progress", [this](const auto&, auto& res) { progress(res); });
    server.Post("/api/cancel", [this](const auto& req, auto& res) { relay("cancel", req, res); });
    server.Post("/api/dialog", [this](const auto& req, auto& res) { relay("dialog", req, res); });
    server.Post(std::string(RequestGuard::kDropPath), [this](const auto& req, auto& res) { drop(req, res); });
    server.Post(objectActionRoute(), [this](const auto& req, auto& res) { relay(req.matches[1].str(), req, res); });
    server.Post("/api/close", [this](const auto&, auto& res) {
      lifetime.pageClosed();
      sendJson(res, 200, Json{{"ok", true}});
    });
    server.Get(R"(/.*)", [this](const auto& req, auto& res) {
      const EmbeddedFile* file = RequestGuard::isApi(req.path) ? nullptr : findAsset(req.path);
      if (file == nullptr) return refuse(res, 404, "not found: " + req.path);
      // The token in the address becomes a cookie, so that the page's scripts and pictures load.
      if (req.has_param("token")) res.set_header("Set-Cookie", guard->cookie());
      if (file->path == kDrawingFrame) {
        res.headers.erase("Content-Security-Policy");
        res.set_header("Content-Security-Policy", kDrawingFramePolicy);
      }
      res.set_content(std::string(file->data), std::string(contentType(file->path)));
    });
    server.set_error_handler([](const auto&, auto& res) {
      if (res.body.empty())
        refuse(res, res.status, "the request was refused (HTTP " + std::to_string(res.status) + ")");
    });
  }
};

EditorServer::EditorServer(web::EditorHost& host, Lifetime& lifetime, std::string token)
    : impl_(std::make_unique<Impl>(host, lifetime, std::move(token))) {}

EditorServer::~EditorServer() { stop(); }

void EditorServer::bind(int port) {
  if (port < 0 || port > 65535) throw std::runtime_error("--port " + std::to_string(port) + ": not a port number");
  const bool bound = port == 0 ? (impl_->port = impl_->server.bind_to_any_port(kLoopback)) > 0
                               : impl_->server.bind_to_port(kLoopback, port) && (impl_->port = port) > 0;
  if (!bound) {
    throw std::runtime_error(port == 0 ? std::string("no free port on ") + kLoopback
                                       : std::string(kLoopback) + ":" + std::to_string(port) +
                                             ": the port is in use (or not allowed); choose another with --port");
  }
  impl_->guard = std::make_unique<RequestGuard>(impl_->token, impl_->port);
  impl_->routes();
}

int EditorServer::port() const { return impl_->port; }

std::string EditorServer::address() const {
  return "http://" + std::string(kLoopback) + ":" + std::to_string(impl_->port) + "/?token=" + impl_->token;
}

std::string EditorServer::openingAddress() const {
  return "http://" + std::string(kLoopback) + ":" + std::to_string(impl_->port) +
         "/?code=" + impl_->guard->openingCode();
}

void EditorServer::start() {
  std::packaged_task<void()> listen([this] { impl_->server.listen_after_bind(); });
  impl_->listened = listen.get_future();
  impl_->thread = std::thread(std::move(listen));
}

// The server takes a stop only once its loop runs: a stop that comes right
// after start() would otherwise be lost, and the loop would wait in accept()
// for good. So it is asked again until the loop has ended.
void EditorServer::stop() {
  if (!impl_->thread.joinable()) return;
  do {
    impl_->server.stop();
  } while (impl_->listened.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready);
  impl_->thread.join();
}

}  // namespace easel::http
