// The GUI thread's wait for a dial outcome, shared by both lines.
#include "app/MainDlg.h"
#include "connection/DialState.h"

namespace {
constexpr DWORD kDialPollMs = 50;
}

// Shows each progress text until the notifier marks the outcome. No input
// is dispatched meanwhile, so no command can start a second time.
void CMainDlg::WaitForDialOutcome() {
  while (g_dialDone.load(std::memory_order_acquire) == 0) {
    m_strStatus = GetDialStatusText();
    UpdateData(FALSE);
    Windows().DispatchPaintMessages();
    plat::Current().system->Sleep(kDialPollMs);
  }
}
