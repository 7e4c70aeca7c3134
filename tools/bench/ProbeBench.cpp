// Round trips of the prober against 127.0.0.1 on the real sockets port:
// each request's send-to-reply time measured with the performance counter,
// and the times the prober itself reports (tick differences, as posted).
// Run under Wine by scripts/bench-probe; prints figures, checks nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "probe/EchoRequest.h"
#include "probe/IcmpPing.h"
#include "probe/PingMessages.h"
#include "tools/bench/BenchHost.h"

namespace {

constexpr DWORD kLoopback = 0x0100007F;

void PrintFigures(const char* label, std::vector<double> ms) {
  if (ms.empty()) {
    std::printf("%s: no replies\n", label);
    return;
  }
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double v : ms) sum += v;
  std::printf("%s: %zu replies, min/avg/median/max = %.3f/%.3f/%.3f/%.3f ms\n", label, ms.size(), ms.front(),
              sum / ms.size(), ms[ms.size() / 2], ms.back());
}

std::vector<double> PortRoundTrips(plat::ISockets& sockets, plat::ISystem& system, int count) {
  std::vector<double> ms;
  plat::RawSocket socket = sockets.OpenIcmpSocket();
  if (!socket) {
    std::printf("no raw ICMP socket (error %d): it needs root under Wine\n", sockets.LastError());
    return ms;
  }
  for (int i = 0; i < count; ++i) {
    BYTE request[kEchoRequestSize];
    double start = BenchNowMs();
    CEchoRequest::Stamp stamp = CEchoRequest::Fill(sockets.TakeEchoSerial(), system.GetTickCount(), request);
    sockets.SendTo(socket, request, kEchoRequestSize, kLoopback);
    for (;;) {
      if (sockets.WaitReadable(socket, 1000) <= 0) break;
      BYTE buffer[kEchoReplyBufferSize];
      DWORD from = 0, tick = 0;
      int length = sockets.ReceiveFrom(socket, buffer, kEchoReplyBufferSize, from);
      if (length > 0 && ReadEchoReply(buffer, length, stamp, tick)) {
        ms.push_back(BenchNowMs() - start);
        break;
      }
    }
  }
  return ms;
}

// The prober's own run: its messages go to this thread's queue (no window).
std::vector<double> ProberRoundTrips(const plat::Ports& ports, int count) {
  std::vector<double> ms;
  CPingTexts texts;
  CIcmpPing ping(*ports.sockets, *ports.system, *ports.windows, texts);
  BenchPrepareQueue();
  ping.Ping(static_cast<UINT>(count), "127.0.0.1", nullptr);
  BenchMessage msg;
  while (BenchTakeMessage(msg, WM_PING_RESULT, WM_PING_DONE)) {
    if (msg.message != WM_PING_RESULT) continue;
    std::string text = texts.Take(msg.lParam).Str();
    if (msg.wParam == kPingReply) ms.push_back(std::stod(text));
    if (msg.wParam == kPingError) std::printf("prober: %s\n", text.c_str());
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const plat::Ports& ports = BenchPorts();
  PrintFigures("port, send to reply (performance counter)",
               PortRoundTrips(*ports.sockets, *ports.system, count));
  PrintFigures("prober, as posted (tick count)", ProberRoundTrips(ports, count));
  return 0;
}
