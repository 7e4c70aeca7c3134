#include "platform/win32/Win32Ports.h"

#include "platform/win32/WinApi.h"

namespace win32 {

Win32Ports::Win32Ports() : m_windows(::GetModuleHandleW(nullptr), m_browserHosts), m_browser(m_browserHosts) {
  m_ports.windows = &m_windows;
  m_ports.boxesAndMenus = &m_boxesAndMenus;
  m_ports.notificationArea = &m_notificationArea;
  m_ports.browser = &m_browser;
  m_ports.accessibility = &m_accessibility;
  m_ports.system = &m_system;
  m_ports.files = &m_files;
  m_ports.ras = &m_ras;
  m_ports.download = &m_download;
  m_ports.shell = &m_shell;
  m_ports.sockets = &m_sockets;
  m_ports.registry = &m_registry;
  m_ports.services = &m_services;
  m_ports.processes = &m_processes;
  m_ports.routing = &m_routing;
}

}  // namespace win32
