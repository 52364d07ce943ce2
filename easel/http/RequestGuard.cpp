#include "RequestGuard.h"
#include "easel/core/Trimmed.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>

namespace easel::http {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The same time for every wrong secret of the right length.
bool sameSecret(std::string_view given, std::string_view secret) {
  if (given.size() != secret.size()) return false;
  unsigned difference = 0;
  for (std::size_t i = 0; i < given.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ secret[i]);
  return difference == 0;
}

}  // namespace

std::string makeSessionToken() {
  std::random_device source;
  std::string token;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(source()));
    token += part;
  }
  return token;
}

RequestGuard::RequestGuard(std::string token, int port)
    : token_(std::move(token)), port_(port), code_(makeSessionToken()) {}

bool RequestGuard::redeem(const RequestFacts& request, std::string_view code) {
  if (!hostAllowed(request.host) || request.method != "GET" || isApi(request.path)) return false;
  std::lock_guard<std::mutex> lock(codeMutex_);
  if (codeUsed_ || !sameSecret(code, code_)) return false;
  codeUsed_ = true;
  return true;
}

std::string RequestGuard::cookie() const {
  return std::string(kCookieName) + "=" + token_ + "; Path=/; HttpOnly; SameSite=Strict";
}

bool RequestGuard::isApi(std::string_view path) { return path.starts_with("/api/"); }

bool RequestGuard::hostAllowed(std::string_view host) const {
  // Appended rather than `":" + ...`, which GCC 12 at -O3 warns about wrongly.
  const std::string port = std::string(":").append(std::to_string(port_));
  if (!host.ends_with(port)) return false;
  std::string_view name = host.substr(0, host.size() - port.size());
  return name == "127.0.0.1" || equalsIgnoringCase(name, "localhost");
}

bool RequestGuard::tokenMatches(std::string_view given) const { return sameSecret(given, token_); }

std::string_view RequestGuard::cookieToken(std::string_view header) const {
  while (!header.empty()) {
    std::size_t end = header.find(';');
    std::string_view pair = trimmed(header.substr(0, end));
    std::size_t equals = pair.find('=');
    if (equals != std::string_view::npos && pair.substr(0, equals) == kCookieName) return pair.substr(equals + 1);
    if (end == std::string_view::npos) break;
    header.remove_prefix(end + 1);
  }
  return {};
}

std::optional<Refusal> RequestGuard::check(const RequestFacts& request) const {
  if (!hostAllowed(request.host))
    return Refusal{403, "refused: the Host header '" + std::string(request.host) + "' is not this editor's address"};
  const bool api = isApi(request.path);
  const bool byCookie = !api || (request.path == kSessionPath && request.method == "GET");
  const bool tokenGiven = (api && tokenMatches(request.tokenHeader)) || (!api && tokenMatches(request.tokenQuery)) ||
                          (byCookie && tokenMatches(cookieToken(request.cookie)));
  if (!tokenGiven) return Refusal{403, "refused: the request does not carry this session's token"};
  const bool post = request.method == "POST";
  if (!(request.method == "GET" || (api && post)))
    return Refusal{405, "refused: " + std::string(request.method) + " is not accepted here"};
  if (const std::size_t most = maxBodyLength(request.path); request.bodyLength > most)
    return Refusal{413, "refused: the request body is larger than " + std::to_string(most) + " bytes"};
  return std::nullopt;
}

}  // namespace easel::http
