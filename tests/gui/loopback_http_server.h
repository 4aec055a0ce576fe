#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tw::test {

// A complete HTTP/1.1 answer with a Content-Length and "Connection: close".
std::string HttpAnswer(int status, const std::string& reason, const std::string& body);

// An HTTP server on 127.0.0.1, on a port of its own, for as long as the
// object lives. It answers every request with the same bytes or, given
// none, accepts and never answers, holding the connection open until it
// ends. It records the head of every request it reads.
class LoopbackHttpServer {
 public:
  explicit LoopbackHttpServer(std::string answer);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // "127.0.0.1:port", as a host part of a URL.
  std::wstring Host() const;
  // The request line and headers of each request, in order.
  std::vector<std::string> RequestHeads();

  // A host part on 127.0.0.1 where nothing listens.
  static std::wstring HostWithoutServer();

 private:
  void Serve();
  void Answer(SOCKET client, std::vector<SOCKET>& held);

  std::string answer_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace tw::test
