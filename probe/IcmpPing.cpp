#include "probe/IcmpPing.h"

#include <vector>

#include "probe/PingMessages.h"
#include "resources/Texts.h"

namespace {

constexpr DWORD kReplyWaitMs = 1000;
constexpr DWORD kPauseAfterReplyMs = 1000;

}  // namespace

CIcmpPing::CIcmpPing(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows,
                     CPingTexts& texts)
    : m_sockets(sockets), m_system(system), m_windows(windows), m_texts(texts) {}

void CIcmpPing::Ping(UINT nCount, const char* pszHost, HWND hWnd) {
  m_hWnd = hWnd;
  plat::RawSocket socket = m_sockets.OpenIcmpSocket();
  if (!socket) {
    PostSocketError("socket()");
    PostDone(0);
    return;
  }
  std::vector<DWORD> addresses;
  if (m_sockets.Resolve(pszHost, addresses) != 0 || addresses.empty()) {
    CString strText;
    strText.Format("Host not found: %s", pszHost);
    PostText(kPingError, strText.View());
    PostDone(0);
    return;  // the socket closes with its owner
  }
  PostText(kPingHeader, texts::zh::kPingHeader);
  RunRequests(nCount, socket, addresses.front());
  PostDone(1);
  if (m_sockets.CloseSocket(socket) == plat::kSocketError) PostSocketError("closesocket()");
}

// Each request waits up to a second for its own reply; datagrams that are
// not that reply, or come from another address, are passed over while the
// wait runs on.
void CIcmpPing::RunRequests(UINT nCount, const plat::RawSocket& socket, DWORD dwDestination) {
  for (UINT i = 0; i < nCount && !StopRequested(); ++i) {
    if (SendEcho(socket, dwDestination) == plat::kSocketError) PostSocketError("sendto()");
    DWORD dwWaitStart = m_system.GetTickCount();
    for (;;) {
      DWORD dwWaited = m_system.GetTickCount() - dwWaitStart;
      DWORD dwLeft = dwWaited >= kReplyWaitMs ? 0 : kReplyWaitMs - dwWaited;
      if (StopRequested()) return;
      int nReady = WaitReadable(socket, m_pStop != nullptr && dwLeft > kStopCheckMs ? kStopCheckMs : dwLeft);
      if (nReady == 0 && m_system.GetTickCount() - dwWaitStart < kReplyWaitMs) continue;
      if (nReady == plat::kSocketError) {
        PostSocketError("select()");
        return;
      }
      if (nReady == 0) {
        PostText(kPingTimeout, kPingTimeoutText);
        break;
      }
      Receipt receipt = ReceiveEcho(socket, dwDestination);
      if (receipt == Receipt::NotOurs) continue;
      if (receipt == Receipt::NoData) {
        PostText(kPingTimeout, kPingTimeoutText);
        break;
      }
      CString strRtt;
      strRtt.Format("%ld", static_cast<long>(EchoRoundTrip(m_system.GetTickCount(), m_dwSendTick)));
      PostText(kPingReply, strRtt.View());
      if (StopRequested(kPauseAfterReplyMs)) return;
      break;
    }
  }
}

int CIcmpPing::SendEcho(const plat::RawSocket& socket, DWORD dwDestination) {
  BYTE request[kEchoRequestSize];
  m_dwSendTick = m_system.GetTickCount();
  m_stamp = CEchoRequest::Fill(m_sockets.TakeEchoSerial(), m_dwSendTick, request);
  return m_sockets.SendTo(socket, request, kEchoRequestSize, dwDestination);
}

// Waits up to dwWaitMs for the stop event (a plain sleep without one).
bool CIcmpPing::StopRequested(DWORD dwWaitMs) {
  if (m_pStop == nullptr || !*m_pStop) {
    if (dwWaitMs > 0) m_system.Sleep(dwWaitMs);
    return false;
  }
  return m_system.WaitForSingleObject(*m_pStop, dwWaitMs) == WAIT_OBJECT_0;
}

int CIcmpPing::WaitReadable(const plat::RawSocket& socket, DWORD dwTimeoutMs) {
  return m_sockets.WaitReadable(socket, dwTimeoutMs);
}

// A datagram longer than the buffer fails with its first bytes in place,
// which still carry the echo; a failure without data is no reply.
CIcmpPing::Receipt CIcmpPing::ReceiveEcho(const plat::RawSocket& socket, DWORD dwDestination) {
  BYTE buffer[kEchoReplyBufferSize] = {};
  DWORD dwFrom = 0;
  int nLength = m_sockets.ReceiveFrom(socket, buffer, kEchoReplyBufferSize, dwFrom);
  if (nLength == plat::kSocketError) {
    int nError = m_sockets.LastError();
    PostSocketError("recvfrom()");
    if (nError != plat::kWsaMessageSize) return Receipt::NoData;
    nLength = kEchoReplyBufferSize;
  }
  DWORD dwEchoedTick = 0;
  if (dwFrom != dwDestination) return Receipt::NotOurs;
  return ReadEchoReply(buffer, nLength, m_stamp, dwEchoedTick) ? Receipt::Ours : Receipt::NotOurs;
}

void CIcmpPing::PostSocketError(const char* pszCall) {
  CString strText;
  strText.Format("%s - WSAError: %ld", pszCall, static_cast<long>(m_sockets.LastError()));
  PostText(kPingError, strText.View());
}

void CIcmpPing::PostText(PingKind kind, std::string_view text) {
  LPARAM block = m_texts.Allocate(text);
  if (!m_windows.PostMessage(m_hWnd, WM_PING_RESULT, kind, block)) m_texts.Discard(block);
}

void CIcmpPing::PostDone(LPARAM lParam) {
  m_windows.PostMessage(m_hWnd, WM_PING_DONE, 0, lParam);
}
