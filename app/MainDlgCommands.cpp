// The main window's commands, each handed to its subsystem.
#include "app/MainDlg.h"
#include "directory/ServerDlg.h"
#include "directory/ServerLines.h"
#include "probe/SpeedTestDlg.h"
#include "resources/Texts.h"

void CMainDlg::OnConnect() {
  m_connect->OnConnect();
}

void CMainDlg::OnRelay() {
  m_relay->OnRelay();
}

void CMainDlg::OnTimer(UINT_PTR nIDEvent) {
  if (!m_monitor->OnTimer(nIDEvent) && nIDEvent == kProbeTickTimer) OnProbeTick();
  Default();
}

void CMainDlg::LoadSaveConfig(BOOL bLoad) {
  UpdateData(TRUE);
  CLoginFields login = LoginFields();
  if (bLoad) {
    m_settings->Load(login);
    SetLoginFields(login);
  } else {
    m_settings->Save(login);
  }
  UpdateData(FALSE);
}

void CMainDlg::ShowBalloon(const CString& strText) {
  m_trayIcon.ShowBalloon(texts::kBalloonTitle, strText, strText);
}

void CMainDlg::OnGroupChange() {
  UpdateData(TRUE);
  CString strSection = m_comboGroup.GetWindowText(kDirectoryValueBuffer - 1);
  for (int i = m_comboLine.GetCount() - 1; i >= 0; --i) m_comboLine.DeleteString(i);
  for (const CString& strEntry : m_directory->ReadGroupLines(strSection)) m_comboLine.AddString(strEntry);
  if (m_comboLine.GetCount() > 0) m_comboLine.SetCurSel(0);
  UpdateData(FALSE);
}

void CMainDlg::OnChooseServer() {
  UpdateData(TRUE);
  CServerDlg dlg(*m_ports.download, *m_ports.files, m_dialLog.Log(), m_serverList->ListPath());
  dlg.DoModal();
  UpdateData(FALSE);
}

void CMainDlg::OnUpdate() {
  UpdateData(TRUE);
  m_updater->LaunchUpdater();
  UpdateData(FALSE);
}

void CMainDlg::OnSpeed() {
  UpdateData(TRUE);
  CSpeedTestDlg dlg(*m_ports.sockets, *m_ports.system, *m_ports.windows, m_dialLog.Log());
  dlg.m_strAddress = AddressOfEntry(m_comboLine.GetWindowText());
  dlg.DoModal();
}

void CMainDlg::OnAutoSelect() {
  UpdateData(TRUE);
  if (m_bAutoSelect && !m_probeRun->IsRunning()) StartFastestRun();
  UpdateData(FALSE);
}

LRESULT CMainDlg::OnPingResult(WPARAM wParam, LPARAM lParam) {
  m_probeRun->OnResult(wParam, lParam);
  return 0;
}

LRESULT CMainDlg::OnPingDone(WPARAM, LPARAM) {
  if (!m_probeRun->IsRunning()) return 0;
  UpdateData(TRUE);
  m_probeRun->OnDone();
  UpdateData(FALSE);
  return 0;
}

void CMainDlg::OnProbeTick() {
  m_probeRun->OnTick();
}
