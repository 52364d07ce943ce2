// Clients that trickle their request a byte at a time cannot lock the page out
// of the editor's server: a connection whose request line and headers are not
// all in within 2 s is closed, and no more than 4 such are waited for at once.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "easel/svg/SvgImport.h"
#include "easel/web/EditorHost.h"
#include "easel/http/EditorServer.h"
#include "easel/http/Lifetime.h"
#include "easel/http/RequestGuard.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int connectTo(int port) {
  const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_EQ(::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  return sock;
}

// The server closed the connection (or answered and closed it).
bool closedByServer(int sock) {
  pollfd p{sock, POLLIN, 0};
  if (::poll(&p, 1, 0) <= 0) return false;
  char byte;
  return ::recv(sock, &byte, 1, MSG_PEEK | MSG_DONTWAIT) <= 0;
}

// A request that the server answers itself (no token: refused), and how long it took.
std::string askWithin(int port, std::chrono::milliseconds limit, Clock::duration& took) {
  const auto start = Clock::now();
  const int sock = connectTo(port);
  const std::string request = "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
  ::send(sock, request.data(), request.size(), MSG_NOSIGNAL);
  std::string answer;
  char chunk[512];
  pollfd p{sock, POLLIN, 0};
  while (answer.find("\r\n\r\n") == std::string::npos && ::poll(&p, 1, static_cast<int>(limit.count())) > 0) {
    const ssize_t n = ::recv(sock, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    answer.append(chunk, static_cast<std::size_t>(n));
  }
  took = Clock::now() - start;
  ::close(sock);
  return answer.substr(0, answer.find("\r\n"));
}

TEST(SlowConnections, SeventyTricklingClientsDoNotLockThePageOut) {
  // The host thread is not started: the server answers a request without the token itself.
  easel::web::EditorOptions options;
  options.drawingPath = "d.svg";
  easel::web::EditorHost host(easel::svg::importSvg("<svg xmlns='http://www.w3.org/2000/svg'/>", "d.svg"), options);
  easel::http::Lifetime lifetime;
  easel::http::EditorServer server(host, lifetime, easel::http::makeSessionToken());
  server.bind(0);
  server.start();

  // Each sends a byte of its request line every 200 ms, and never ends it.
  // (Connecting may take a few seconds: the server's backlog is short.)
  std::vector<int> trickling;
  for (int i = 0; i < 70; ++i) trickling.push_back(connectTo(server.port()));
  const auto held = [&] {
    std::size_t open = 0;
    for (const int sock : trickling) open += closedByServer(sock) ? 0 : 1;
    return open;
  };
  const auto trickleFor = [&](std::chrono::milliseconds span) {
    for (const auto until = Clock::now() + span; Clock::now() < until; std::this_thread::sleep_for(200ms))
      for (const int sock : trickling) ::send(sock, "G", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
  };
  trickleFor(1000ms);
  EXPECT_LE(held(), 4u);
  Clock::duration took{};
  EXPECT_EQ(askWithin(server.port(), 3000ms, took), "HTTP/1.1 403 Forbidden");
  EXPECT_LT(took, 500ms);
  trickleFor(1600ms);  // 2.6 s: past every one's deadline
  EXPECT_EQ(held(), 0u);

  for (const int sock : trickling) ::close(sock);
  server.stop();
}

}  // namespace
