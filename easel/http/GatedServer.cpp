#include "GatedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>

namespace easel::http {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::size_t kChunk = 4096;
// More than the request line and the headers the library takes: past it, the
// library refuses the request itself.
constexpr std::size_t kLongestHead = 64 * 1024;
constexpr milliseconds kStopCheck{100};  // how soon a wait notices the server stopping

int waitFor(socket_t sock, short events, milliseconds timeout) {
  pollfd p{sock, events, 0};
  int ready;
  do {
    ready = ::poll(&p, 1, static_cast<int>(timeout.count()));
  } while (ready < 0 && errno == EINTR);
  return ready > 0 && (p.revents & (events | POLLHUP | POLLERR)) != 0 ? 1 : ready < 0 ? -1 : 0;
}

milliseconds timeoutOf(time_t sec, time_t usec) { return milliseconds(sec * 1000 + usec / 1000); }

void addressOf(socket_t sock, bool peer, std::string& ip, int& port) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  auto* any = reinterpret_cast<sockaddr*>(&address);
  if ((peer ? ::getpeername(sock, any, &length) : ::getsockname(sock, any, &length)) != 0) return;
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
    ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
    port = ntohs(v4->sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
    ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
    port = ntohs(v6->sin6_port);
  }
  ip = text;
}

}  // namespace

// One connection: its socket, with what was read ahead of the library (the
// next request's head, waited for by the gate) served first.
class GatedServer::Connection : public httplib::Stream {
 public:
  Connection(socket_t sock, milliseconds readTimeout, milliseconds writeTimeout)
      : sock_(sock), readTimeout_(readTimeout), writeTimeout_(writeTimeout) {}

  bool is_readable() const override { return buffered() > 0 || waitFor(sock_, POLLIN, readTimeout_) > 0; }
  bool is_writable() const override { return waitFor(sock_, POLLOUT, writeTimeout_) > 0 && alive(); }

  ssize_t read(char* ptr, size_t size) override {
    if (buffered() == 0) {
      if (!is_readable()) return -1;
      if (size >= kChunk) return ::recv(sock_, ptr, size, 0);
      ssize_t n;
      while ((n = fill()) == kNothingYet)
        if (!is_readable()) return -1;
      if (n <= 0) return -1;
    }
    const std::size_t n = std::min(size, buffered());
    std::copy_n(buffer_.data() + at_, n, ptr);
    at_ += n;
    return static_cast<ssize_t>(n);
  }
  ssize_t write(const char* ptr, size_t size) override {
    if (!is_writable()) return -1;
    return ::send(sock_, ptr, size, MSG_NOSIGNAL);
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override { addressOf(sock_, true, ip, port); }
  void get_local_ip_and_port(std::string& ip, int& port) const override { addressOf(sock_, false, ip, port); }
  socket_t socket() const override { return sock_; }

  // What the socket has now, added to the buffer: bytes read, 0 when the
  // peer has closed, -1 on an error, kNothingYet when it has nothing.
  static constexpr ssize_t kNothingYet = -2;
  ssize_t fill() {
    if (at_ == buffer_.size()) {
      buffer_.clear();
      at_ = 0;
    }
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunk);
    ssize_t n;
    do {
      n = ::recv(sock_, buffer_.data() + had, kChunk, MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
    const bool nothingYet = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    buffer_.resize(had + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
    return nothingYet ? kNothingYet : n;
  }
  std::size_t buffered() const { return buffer_.size() - at_; }
  // The request line and every header are in the buffer (or more than any head may be).
  bool headComplete() const {
    const std::string_view ahead(buffer_.data() + at_, buffered());
    return ahead.find("\r\n\r\n") != std::string_view::npos || ahead.find("\n\n") != std::string_view::npos ||
           ahead.size() > kLongestHead;
  }

 private:
  // The peer has not closed its end (a response to a closed connection is not worked on).
  bool alive() const {
    if (waitFor(sock_, POLLIN, milliseconds(0)) <= 0) return true;
    char byte;
    return ::recv(sock_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
  }

  socket_t sock_;
  milliseconds readTimeout_, writeTimeout_;
  std::string buffer_;
  std::size_t at_ = 0;
};

bool GatedServer::process_and_close_socket(socket_t sock) {
  Connection connection(sock, timeoutOf(read_timeout_sec_, read_timeout_usec_),
                        timeoutOf(write_timeout_sec_, write_timeout_usec_));
  bool ok = true;
  for (std::size_t left = keep_alive_max_count_; left > 0 && svr_sock_ != INVALID_SOCKET; --left) {
    if (!awaitHead(connection)) break;
    bool closed = false;
    ok = process_request(connection, left == 1, closed, nullptr);
    if (!ok || closed) break;
  }
  ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
  return ok;
}

// Idle, a connection waits for its next request as long as the keep-alive
// timeout; once it has begun one, its head must be complete by the deadline.
// Past the grace it counts as slow, and is closed at once when the slow are
// already as many as the limit.
bool GatedServer::awaitHead(Connection& connection) {
  const Clock::time_point start = Clock::now(), deadline = start + limits_.head,
                          idleUntil = start + std::chrono::seconds(keep_alive_timeout_sec_);
  Clock::time_point graceUntil = start + limits_.grace;  // counted from the first byte
  bool begun = connection.buffered() > 0, slow = false;
  struct SlowSlot {
    std::atomic<int>* count = nullptr;
    ~SlowSlot() {
      if (count) --*count;
    }
  } slot;
  for (;;) {
    if (connection.headComplete()) return true;
    const Clock::time_point now = Clock::now();
    if (svr_sock_ == INVALID_SOCKET || now >= deadline || (!begun && now >= idleUntil)) return false;
    if (begun && !slow && now >= graceUntil) {
      if (slowNow_.fetch_add(1) >= limits_.slow) {
        --slowNow_;
        return false;
      }
      slot.count = &slowNow_;
      slow = true;
    }
    const auto wait = std::min({kStopCheck, std::chrono::ceil<milliseconds>(deadline - now)});
    const int ready = waitFor(connection.socket(), POLLIN, std::max(wait, milliseconds(1)));
    if (ready < 0) return false;
    if (ready == 0) continue;
    const ssize_t n = connection.fill();
    if (n == 0 || n == -1) return false;  // closed, or an error
    if (n > 0 && !begun) {
      begun = true;
      graceUntil = Clock::now() + limits_.grace;
    }
  }
}

}  // namespace easel::http
