// The editor's HTTP server on 127.0.0.1, one transport of the editor's host
// protocol (easel/web): the page's embedded files and the JSON API
// (/api/NAME). Every request passes the RequestGuard first; API requests are
// read by the protocol, posted to the host thread and their handler waits for
// the answer, so no handler ever calls into the plug-in.
#ifndef EASEL_HTTP_EDITORSERVER_H
#define EASEL_HTTP_EDITORSERVER_H

#include <memory>
#include <string>

namespace easel::web {
class EditorHost;
}

namespace easel::http {

class Lifetime;

class EditorServer {
 public:
  EditorServer(web::EditorHost& host, Lifetime& lifetime, std::string token);
  ~EditorServer();
  EditorServer(const EditorServer&) = delete;
  EditorServer& operator=(const EditorServer&) = delete;

  // Binds 127.0.0.1:port (0: a free port). Throws std::runtime_error with a
  // one-line message when it cannot (the port is in use, ...).
  void bind(int port);
  int port() const;
  // The address to open, with the session token (for the terminal).
  std::string address() const;
  // The address for the browser: a one-time code instead of the token.
  std::string openingAddress() const;
  // Serves on a thread of its own until stop().
  void start();
  void stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace easel::http

#endif
