// Who may talk to the editor's server. It listens on the loopback address
// only, but any web page the user opens can still send requests there, and a
// name that resolves to 127.0.0.1 lets another site read the answers (DNS
// rebinding). So every request must name the server as the browser reached it
// (Host 127.0.0.1:PORT or localhost:PORT) and carry the session's random
// token; the API takes the token only in a header that other sites' pages
// cannot send, the page's own files also in the address or the cookie set
// when the page was first loaded. The browser is opened with a one-time code
// instead of the token, so that the token never shows in the process table:
// the code is exchanged once for the cookie, and the page then reads the
// token from /api/session, which alone takes the cookie (other local pages
// may send it the cookie but cannot read the answer). Bodies are small JSON:
// anything larger is refused before it is read.
#ifndef EASEL_HTTP_REQUESTGUARD_H
#define EASEL_HTTP_REQUESTGUARD_H

#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace easel::http {

// 32 hexadecimal digits (128 bits) from the system's random source.
std::string makeSessionToken();

// What the guard looks at in a request (views into the request).
struct RequestFacts {
  std::string_view method;       // "GET", "POST", ...
  std::string_view path;         // without the query
  std::string_view host;         // the Host header
  std::string_view tokenHeader;  // X-Contour-Token
  std::string_view tokenQuery;   // ?token=
  std::string_view cookie;       // the whole Cookie header
  std::size_t bodyLength = 0;    // Content-Length (0 without one)
};

struct Refusal {
  int status;           // 403, 405 or 413
  std::string message;  // one line for the page or the log
};

class RequestGuard {
 public:
  static constexpr std::size_t kMaxBodyLength = 64 * 1024;
  // A file dropped on the page comes whole in its request's body.
  static constexpr std::string_view kDropPath = "/api/drop";
  static constexpr std::size_t kMaxDropLength = std::size_t{32} << 20;
  static std::size_t maxBodyLength(std::string_view path) {
    return path == kDropPath ? kMaxDropLength : kMaxBodyLength;
  }
  static constexpr std::string_view kTokenHeader = "X-Contour-Token";
  static constexpr std::string_view kCookieName = "contour_token";

  static constexpr std::string_view kSessionPath = "/api/session";

  RequestGuard(std::string token, int port);

  // Nothing when the request may go on.
  std::optional<Refusal> check(const RequestFacts& request) const;
  // The one-time code for the browser's address.
  const std::string& openingCode() const { return code_; }
  // Whether `code` is the opening code, used now for the first and last time
  // by a GET of the page from this editor's address. Any thread.
  bool redeem(const RequestFacts& request, std::string_view code);

  const std::string& token() const { return token_; }
  // The Set-Cookie value that lets the page load its own files.
  std::string cookie() const;
  // Whether a path belongs to the API (JSON requests) rather than the page's files.
  static bool isApi(std::string_view path);

 private:
  bool hostAllowed(std::string_view host) const;
  bool tokenMatches(std::string_view given) const;
  std::string_view cookieToken(std::string_view cookieHeader) const;

  std::string token_;
  int port_;
  std::string code_;
  std::mutex codeMutex_;
  bool codeUsed_ = false;
};

}  // namespace easel::http

#endif
