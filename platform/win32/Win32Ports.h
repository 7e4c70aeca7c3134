// The Win32 implementations of the ports, owned together.
#pragma once

#include "platform/Ports.h"
#include "platform/win32/AccessibilityWin32.h"
#include "platform/win32/BoxesAndMenusWin32.h"
#include "platform/win32/BrowserPortWin32.h"
#include "platform/win32/DownloadWin32.h"
#include "platform/win32/FilesWin32.h"
#include "platform/win32/NotificationAreaWin32.h"
#include "platform/win32/ProcessesWin32.h"
#include "platform/win32/RegistryWin32.h"
#include "platform/win32/RemoteAccessWin32.h"
#include "platform/win32/RoutingWin32.h"
#include "platform/win32/ServicesWin32.h"
#include "platform/win32/ShellWin32.h"
#include "platform/win32/SocketsWin32.h"
#include "platform/win32/SystemWin32.h"
#include "platform/win32/WindowingWin32.h"

namespace win32 {

class Win32Ports {
 public:
  Win32Ports();
  Win32Ports(const Win32Ports&) = delete;
  Win32Ports& operator=(const Win32Ports&) = delete;

  // Ports not implemented for Windows yet are null.
  const plat::Ports& Ports() const { return m_ports; }

 private:
  BrowserHosts m_browserHosts;  // the windows' dialogs and the browser port share them
  WindowingWin32 m_windows;
  BoxesAndMenusWin32 m_boxesAndMenus;
  NotificationAreaWin32 m_notificationArea;
  BrowserPortWin32 m_browser;
  AccessibilityWin32 m_accessibility;
  SystemWin32 m_system;
  FilesWin32 m_files;
  RemoteAccessWin32 m_ras;
  DownloadWin32 m_download;
  ShellWin32 m_shell;
  SocketsWin32 m_sockets;
  RegistryWin32 m_registry;
  ServicesWin32 m_services;
  ProcessesWin32 m_processes;
  RoutingWin32 m_routing;
  plat::Ports m_ports;
};

}  // namespace win32
