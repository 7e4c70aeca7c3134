#include "framework/CWnd.h"

#include "framework/CWinApp.h"

HWND CWnd::GetDlgItem(int id) const {
  return Windows().GetDlgItem(m_hWnd, id);
}

void CWnd::SetAccessibleName(int id, const CString& name, long role) const {
  HWND control = GetDlgItem(id);
  if (control == nullptr) return;
  Accessibility().SetAccessibleName(control, name.View());
  if (role) Accessibility().SetAccessibleRole(control, role);
}

void CWnd::SetWindowText(const CString& text) {
  Windows().SetWindowText(m_hWnd, text.View());
}

CString CWnd::GetWindowText() const {
  return CString(Windows().GetWindowText(m_hWnd));
}

CString CWnd::GetWindowText(int maxChars) const {
  std::string text = Windows().GetWindowText(m_hWnd);
  return CString(Utf8Prefix(text, static_cast<size_t>(maxChars)));
}

bool CWnd::ShowWindow(int cmd) {
  return Windows().ShowWindow(m_hWnd, cmd);
}
bool CWnd::IsWindowVisible() const {
  return Windows().IsWindowVisible(m_hWnd);
}
bool CWnd::IsIconic() const {
  return Windows().IsIconic(m_hWnd);
}
void CWnd::EnableWindow(bool enable) {
  Windows().EnableWindow(m_hWnd, enable);
}
bool CWnd::IsWindowEnabled() const {
  return Windows().IsWindowEnabled(m_hWnd);
}
bool CWnd::SetForegroundWindow() {
  return Windows().SetForegroundWindow(m_hWnd);
}
plat::Rect CWnd::GetClientRect() const {
  return Windows().GetClientRect(m_hWnd);
}
void CWnd::SetIcon(HICON icon, bool big) {
  Windows().SetIcon(m_hWnd, icon, big);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
  return Windows().SetTimer(m_hWnd, id, elapseMs);
}
bool CWnd::KillTimer(UINT_PTR id) {
  return Windows().KillTimer(m_hWnd, id);
}

bool CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Windows().PostMessage(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Windows().SendMessage(m_hWnd, msg, wParam, lParam);
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT type) {
  return BoxesAndMenus().MessageBox(m_hWnd, text.View(), caption.View(), type);
}

LRESULT CWnd::OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (m_hWnd == nullptr) m_hWnd = hwnd;
  bool savedWantDefault = m_bWantDefault;
  m_bWantDefault = false;
  LRESULT result = WindowProc(msg, wParam, lParam, handled);
  if (m_bWantDefault) handled = false;
  m_bWantDefault = savedWantDefault;
  return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (msg == WM_COMMAND) {
    UINT id = static_cast<UINT>(wParam & 0xFFFF);
    UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    OnCommand(id, code, handled);
    return 0;
  }
  if (msg == plat::kWmControlEvent) {
    const AFX_MSGMAP_ENTRY* event =
        AfxFindEventEntry(GetEventSinkMap(), static_cast<UINT>(wParam), static_cast<UINT>(lParam));
    handled = event != nullptr;
    return event ? event->pfn(this, 0, 0) : 0;
  }
  const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), msg, 0, 0);
  if (entry == nullptr) {
    handled = false;
    return 0;
  }
  handled = true;
  return entry->pfn(this, wParam, lParam);
}

bool CWnd::OnCommand(UINT id, UINT code, bool& handled) {
  const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, code, id);
  handled = entry != nullptr;
  if (entry) entry->pfn(this, 0, 0);
  return handled;
}

void CMenu::AppendMenu(UINT flags, UINT id, const CString& text) {
  CWnd::BoxesAndMenus().AppendSystemMenu(m_owner, flags, id, text.View());
}

plat::IWindowing& CWnd::Windows() {
  return *AfxGetApp()->Ports().windows;
}

plat::IBoxesAndMenus& CWnd::BoxesAndMenus() {
  return *AfxGetApp()->Ports().boxesAndMenus;
}

plat::IAccessibility& CWnd::Accessibility() {
  return *AfxGetApp()->Ports().accessibility;
}
