// The notification area, registered messages and the shell's restart.
#include <algorithm>
#include <cctype>

#include "platform/WinConstants.h"
#include "sim/Desktop.h"

namespace sim {

void Desktop::ClearBalloon(SimTrayIcon& icon) {
  icon.balloonText.clear();
  icon.balloonTitle.clear();
  icon.balloonUntil.reset();
}

SimTrayIcon* Desktop::FindTrayIcon(HWND hwnd, UINT id) {
  for (SimTrayIcon& icon : m_trayIcons)
    if (icon.hwnd == hwnd && icon.id == id) return &icon;
  return nullptr;
}

bool Desktop::NotifyIcon(int pid, DWORD operation, const plat::NotifyIconRecord& record) {
  SimTrayIcon* icon = FindTrayIcon(record.hWnd, record.uID);
  if (operation == NIM_DELETE) {
    if (icon == nullptr) return false;
    std::erase_if(m_trayIcons, [&](const SimTrayIcon& t) { return &t == icon; });
    return true;
  }
  if (operation == NIM_ADD) {
    if (icon != nullptr || record.hWnd == nullptr) return false;
    icon =
        &m_trayIcons.emplace_back(SimTrayIcon{pid, record.hWnd, record.uID, 0, 0, nullptr, {}, {}, {}, 0, 0});
  } else if (operation != NIM_MODIFY || icon == nullptr) {
    return false;
  }
  if (record.uFlags & NIF_MESSAGE) icon->callbackMessage = record.uCallbackMessage;
  if (record.uFlags & NIF_ICON) icon->icon = record.hIcon;
  if (record.uFlags & NIF_TIP) icon->tip = record.szTip;
  if (record.uFlags & NIF_INFO) {
    // An empty text takes the balloon down; any other shows it for its timeout.
    icon->balloonText = record.szInfo;
    icon->balloonTitle = record.szInfoTitle;
    icon->balloonTimeout = record.uTimeout;
    icon->balloonFlags = record.dwInfoFlags;
    if (icon->balloonText.empty())
      ClearBalloon(*icon);
    else
      icon->balloonUntil = m_scheduler.Now() + record.uTimeout;
    m_scheduler.Notify();
  }
  icon->flags |= record.uFlags;
  return true;
}

UINT Desktop::RegisterMessage(std::string_view name) {
  if (name.empty()) return 0;
  std::string key;
  for (char ch : name) key += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  auto [it, added] = m_registeredMessages.emplace(key, 0);
  if (added) it->second = 0xC000 + static_cast<UINT>(m_registeredMessages.size() - 1);
  return it->second;
}

void Desktop::RestartShell(bool filtered) {
  m_trayIcons.clear();
  UINT created = RegisterMessage("TaskbarCreated");
  for (SimWnd* window : TopLevelWindows()) {
    bool allowed = std::ranges::find(window->allowedFromShell, created) != window->allowedFromShell.end();
    if (!filtered || allowed) Post(window->hwnd, created, 0, 0);
  }
  m_scheduler.Notify();
}

void Desktop::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  for (SimWnd* window : TopLevelWindows()) Post(window->hwnd, msg, wParam, lParam);
}

}  // namespace sim
