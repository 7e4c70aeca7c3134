// An HTTP server on 127.0.0.1 in the test's process: a fixed answer for each request target (a
// path, or the whole address a proxy is asked for), one request per connection; or, silent, none.
#pragma once

#include <atomic>
#include <map>
#include <sstream>
#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

// After the Windows headers.
#include <winsock2.h>

struct SocketTraits {
  static SOCKET Invalid() { return INVALID_SOCKET; }
  static void Close(SOCKET s) { ::closesocket(s); }
};
using UniqueSocket = win32::UniqueWinHandle<SOCKET, SocketTraits>;

// Answers each path with a fixed response, one request per connection.
class TinyHttpServer {
 public:
  explicit TinyHttpServer(bool bAnswers = true) {
    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    m_listener.Reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (::bind(m_listener.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener.Get(), 8) != 0 ||
        ::getsockname(m_listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
      return;
    m_port = ntohs(address.sin_port);
    if (bAnswers) m_thread.Reset(::CreateThread(nullptr, 0, Run, this, 0, nullptr));
  }
  ~TinyHttpServer() {
    m_stop = true;
    if (m_thread) ::WaitForSingleObject(m_thread.Get(), INFINITE);
    m_listener.Reset();
    ::WSACleanup();
  }
  void Answer(const std::string& path, const std::string& status, const std::string& headers,
              const std::string& body) {
    m_responses[path] = "HTTP/1.1 " + status +
                        "\r\nConnection: close\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
                        headers + "\r\n" + body;
  }
  std::string Authority() const { return "127.0.0.1:" + std::to_string(m_port); }
  std::string Url(const std::string& path) const { return "http://" + Authority() + path; }

  bool Listening() const { return m_port != 0; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<TinyHttpServer*>(self)->Serve();
    return 0;
  }
  void Serve() {
    while (!m_stop) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(m_listener.Get(), &ready);
      timeval slice{0, 50 * 1000};
      if (::select(0, &ready, nullptr, nullptr, &slice) != 1) continue;
      UniqueSocket client(::accept(m_listener.Get(), nullptr, nullptr));
      if (client) Reply(client.Get());
    }
  }
  void Reply(SOCKET client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
      int got = ::recv(client, buffer, sizeof(buffer), 0);
      if (got <= 0) return;
      request.append(buffer, got);
    }
    std::string method, path;
    std::istringstream(request) >> method >> path;
    auto found = m_responses.find(path);
    std::string response = found != m_responses.end() ? found->second
                                                      : "HTTP/1.1 404 Not Found\r\nConnection: close\r\n"
                                                        "Content-Length: 0\r\n\r\n";
    for (size_t sent = 0; sent < response.size();) {
      int n = ::send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
      if (n <= 0) return;
      sent += n;
    }
    ::shutdown(client, SD_SEND);
  }

  UniqueSocket m_listener;
  win32::UniqueHandle m_thread;
  std::atomic<bool> m_stop{false};
  int m_port = 0;
  std::map<std::string, std::string> m_responses;
};
