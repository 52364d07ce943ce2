// cpp-httplib's server with a gate before each request: a connection must
// send its whole request line and headers within a deadline, and only a few
// that are slow about it are waited for at once; the others are closed. The
// library's own read timeout counts from the last byte read, so without the
// gate a client that trickles a byte at a time holds a worker for as long as
// it likes, and enough of them hold every worker.
#ifndef EASEL_HTTP_GATEDSERVER_H
#define EASEL_HTTP_GATEDSERVER_H

#include <httplib.h>

#include <atomic>
#include <chrono>

namespace easel::http {

class GatedServer : public httplib::Server {
 public:
  struct Limits {
    std::chrono::milliseconds head{2000};  // from the wait for a request to its last header
    std::chrono::milliseconds grace{50};   // before a connection counts as slow
    int slow = 4;                          // slow connections waited for at once
  };
  GatedServer() = default;
  explicit GatedServer(Limits limits) : limits_(limits) {}

  // Connections being waited for now, their headers still coming after the grace (for tests).
  int slowNow() const { return slowNow_.load(); }

 private:
  class Connection;
  bool process_and_close_socket(socket_t sock) override;
  // Waits for the next request's head to be all in `connection`'s buffer.
  bool awaitHead(Connection& connection);

  Limits limits_;
  std::atomic<int> slowNow_{0};
};

}  // namespace easel::http

#endif
