#include "loopback_http_server.h"

#include <ws2tcpip.h>

#include <chrono>
#include <stdexcept>

namespace tw::test {
namespace {

// Winsock for as long as some server object lives.
class WinsockUse {
 public:
  WinsockUse() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("no Winsock");
  }
  ~WinsockUse() { WSACleanup(); }
};

// A socket listening on 127.0.0.1 on a free port.
SOCKET ListenOnLoopback(unsigned short& port) {
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof(address);
  if (listener == INVALID_SOCKET ||
      bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
      listen(listener, 8) != 0) {
    if (listener != INVALID_SOCKET) closesocket(listener);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port = ntohs(address.sin_port);
  return listener;
}

bool Readable(SOCKET socket, std::chrono::milliseconds wait) {
  fd_set sockets;
  FD_ZERO(&sockets);
  FD_SET(socket, &sockets);
  timeval timeout{0, static_cast<long>(wait.count() * 1000)};
  return select(0, &sockets, nullptr, nullptr, &timeout) > 0;
}

// Reads up to the blank line that ends a request's head, for at most a few
// seconds; what arrived by then.
std::string ReadRequestHead(SOCKET client) {
  std::string head;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  char block[1024];
  while (head.find("\r\n\r\n") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    if (!Readable(client, std::chrono::milliseconds(50))) continue;
    const int got = recv(client, block, sizeof(block), 0);
    if (got <= 0) break;
    head.append(block, static_cast<size_t>(got));
  }
  return head.substr(0, head.find("\r\n\r\n"));
}

void SendAll(SOCKET client, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const int now = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (now <= 0) return;
    sent += static_cast<size_t>(now);
  }
}

}  // namespace

std::string HttpAnswer(int status, const std::string& reason, const std::string& body) {
  return "HTTP/1.1 " + std::to_string(status) + " " + reason +
         "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

LoopbackHttpServer::LoopbackHttpServer(std::string answer) : answer_(std::move(answer)) {
  static WinsockUse winsock;
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stop_ = true;
  thread_.join();
  closesocket(listener_);
}

std::wstring LoopbackHttpServer::Host() const { return L"127.0.0.1:" + std::to_wstring(port_); }

std::vector<std::string> LoopbackHttpServer::RequestHeads() {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::wstring LoopbackHttpServer::HostWithoutServer() {
  static WinsockUse winsock;
  unsigned short port = 0;
  closesocket(ListenOnLoopback(port));
  return L"127.0.0.1:" + std::to_wstring(port);
}

void LoopbackHttpServer::Serve() {
  std::vector<SOCKET> held;  // the connections a silent server never answers
  while (!stop_) {
    if (!Readable(listener_, std::chrono::milliseconds(20))) continue;
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client != INVALID_SOCKET) Answer(client, held);
  }
  for (SOCKET client : held) closesocket(client);
}

void LoopbackHttpServer::Answer(SOCKET client, std::vector<SOCKET>& held) {
  const std::string head = ReadRequestHead(client);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(head);
  }
  if (answer_.empty()) {
    held.push_back(client);
    return;
  }
  SendAll(client, answer_);
  shutdown(client, SD_SEND);
  closesocket(client);
}

}  // namespace tw::test
