// A directory server that stalls, for the Windows program under Wine: on
// 127.0.0.1:PORT it takes every connection and either never answers
// (silent) or sends its headers and then one byte of the body every
// INTERVAL seconds (trickle), over real sockets.
//
//   dorvanta_stalled_directory PORT silent|trickle [SECONDS [INTERVAL]]
//
// It stops by itself after SECONDS (default 120), or when killed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kHeaders =
    "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 4096\r\n\r\n";

struct Client {
  int socket;
  std::chrono::steady_clock::time_point nextByte;
};

int Listen(int port) {
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  if (listener < 0) return -1;
  // The port's previous server bound with SO_REUSEPORT only: the TIME_WAIT
  // entries of its connections yield the port to a socket that sets it too.
  int on = 1;
  ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
  ::setsockopt(listener, SOL_SOCKET, SO_REUSEPORT, &on, sizeof(on));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(listener, 16) != 0) {
    ::close(listener);
    return -1;
  }
  return listener;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PORT silent|trickle [SECONDS [INTERVAL]]\n", argv[0]);
    return 2;
  }
  int port = std::atoi(argv[1]);
  bool trickle = std::strcmp(argv[2], "trickle") == 0;
  auto lifetime = std::chrono::seconds(argc > 3 ? std::atoi(argv[3]) : 120);
  auto interval = std::chrono::seconds(argc > 4 ? std::atoi(argv[4]) : 5);
  // The port's previous server may take a moment to let it go.
  int listener = Listen(port);
  for (int attempt = 0; listener < 0 && attempt < 50; ++attempt) {
    ::usleep(200 * 1000);
    listener = Listen(port);
  }
  if (listener < 0) {
    std::perror("listen");
    return 1;
  }
  std::printf("listening on 127.0.0.1:%d (%s)\n", port, argv[2]);
  std::fflush(stdout);
  auto end = std::chrono::steady_clock::now() + lifetime;
  std::vector<Client> clients;
  while (std::chrono::steady_clock::now() < end) {
    std::vector<pollfd> polls{{listener, POLLIN, 0}};
    for (const Client& client : clients) polls.push_back({client.socket, POLLIN, 0});
    ::poll(polls.data(), polls.size(), 200);
    if (polls[0].revents & POLLIN) {
      int socket = ::accept(listener, nullptr, nullptr);
      if (socket >= 0) {
        if (trickle) ::send(socket, kHeaders, std::strlen(kHeaders), MSG_NOSIGNAL);
        clients.push_back({socket, std::chrono::steady_clock::now() + interval});
      }
    }
    char request[4096];
    for (size_t i = 1; i < polls.size(); ++i)
      if (polls[i].revents & POLLIN) ::recv(polls[i].fd, request, sizeof(request), MSG_DONTWAIT);
    auto now = std::chrono::steady_clock::now();
    for (Client& client : clients) {
      if (!trickle || now < client.nextByte) continue;
      ::send(client.socket, "x", 1, MSG_NOSIGNAL);
      client.nextByte = now + interval;
    }
  }
  for (const Client& client : clients) ::close(client.socket);
  ::close(listener);
  return 0;
}
