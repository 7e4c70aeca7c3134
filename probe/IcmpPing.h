// One probe: ICMP echo requests to a host over a raw socket, each step
// reported to the target window as a posted message (PingMessages.h).
#pragma once

#include <string_view>

#include "platform/Sockets.h"
#include "platform/System.h"
#include "platform/Windowing.h"
#include "probe/EchoRequest.h"
#include "probe/PingMessages.h"
#include "probe/PingTexts.h"

class CIcmpPing {
 public:
  CIcmpPing(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows, CPingTexts& texts);

  // Blocks for about a second per request; reports only by posting. Once
  // the stop event is set, the probe ends within kStopCheckMs, sending no
  // further request.
  void Ping(UINT nCount, const char* pszHost, HWND hWnd);
  void SetStopEvent(const plat::KernelHandle* pStop) { m_pStop = pStop; }

  static constexpr DWORD kStopCheckMs = 100;

 private:
  enum class Receipt { Ours, NotOurs, NoData };

  void RunRequests(UINT nCount, const plat::RawSocket& socket, DWORD dwDestination);
  int SendEcho(const plat::RawSocket& socket, DWORD dwDestination);
  int WaitReadable(const plat::RawSocket& socket, DWORD dwTimeoutMs);
  bool StopRequested(DWORD dwWaitMs = 0);
  Receipt ReceiveEcho(const plat::RawSocket& socket, DWORD dwDestination);
  void PostSocketError(const char* pszCall);
  void PostText(PingKind kind, std::string_view text);
  void PostDone(LPARAM lParam);

  plat::ISockets& m_sockets;
  plat::ISystem& m_system;
  plat::IWindowing& m_windows;
  CPingTexts& m_texts;
  HWND m_hWnd = nullptr;
  const plat::KernelHandle* m_pStop = nullptr;
  CEchoRequest::Stamp m_stamp{};
  DWORD m_dwSendTick = 0;
};
