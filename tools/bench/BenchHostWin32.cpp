#include "platform/win32/Win32Ports.h"
#include "platform/win32/WinApi.h"
#include "tools/bench/BenchHost.h"

const plat::Ports& BenchPorts() {
  static win32::Win32Ports s_ports;
  return s_ports.Ports();
}

double BenchNowMs() {
  LARGE_INTEGER frequency, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BenchPrepareQueue() {
  MSG msg;
  ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

bool BenchTakeMessage(BenchMessage& out, UINT first, UINT last) {
  MSG msg;
  if (!::PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) return false;
  out = {msg.message, msg.wParam, msg.lParam};
  return true;
}
