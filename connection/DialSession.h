// One remote-access line of the dialer: its entry, phonebook file, handle
// and dial state. The main line and the relay line are two sessions.
#pragma once

#include <memory>

#include "connection/DialEngine.h"
#include "connection/DialStatus.h"
#include "connection/LoginFields.h"
#include "connection/PhonebookTemplates.h"
#include "framework/CString.h"
#include "log/Log.h"
#include "platform/Files.h"
#include "platform/WinConstants.h"
#include "resources/Messages.h"

// What tells the lines apart.
struct CDialLine {
  const char* pszEntryBase;      // entry name; a 756 refusal appends 0 to 99
  const char* pszPhonebookPath;  // the one-entry phonebook written before each dial
  PhonebookTemplate tmpl;        // the template unless the command chooses another
  bool bMainLineEdits;           // authentication and encryption edits of the main line
  UINT_PTR nTimerId;             // the line's monitor timer
};

inline constexpr CDialLine kMainLine{"tarno", "C:\\0001.tmp", PhonebookTemplate::P, true,
                                     kMainLineMonitorTimer};
inline constexpr CDialLine kRelayLine{"TarnoTransfer", "C:\\0002.tmp", PhonebookTemplate::L, false,
                                      kRelayLineMonitorTimer};

// Period of both line monitors.
constexpr UINT kMonitorPeriodMs = 3000;
// Refusals with 756 retried under a fresh entry name before the refusal is
// reported like any other dial error.
constexpr int kMaxDialRefusals = 5;
// A dial whose outcome has not arrived after this long is given up as 638
// (the request timed out).
constexpr DWORD kDialOutcomeWaitMs = 120000;

struct CDialRequest {
  CString strPhone;
  CLoginFields login;
  CString strServerName;  // as the list shows it, for the log
};

// A line as the window counts it. The look shows "up" for Up and
// HangingUp; a command follows the state, never a caption.
enum class LineState { Idle, Dialling, Up, HangingUp };

// The button that shows a line: drawn when its state turns up or down.
class ILineLook {
 public:
  virtual void ShowLineUp(bool bUp) = 0;

 protected:
  ~ILineLook() = default;
};

// The window's side of a command on a line.
class IDialView {
 public:
  virtual void PullFields() = 0;
  virtual void PushFields() = 0;
  // The login fields as the last pull left them.
  virtual CLoginFields LoginFields() = 0;
  virtual void SetStatus(const CString& strText) = 0;
  virtual void SaveSettings(const CLoginFields& login) = 0;
  virtual void StartTimer(UINT_PTR nId, UINT nPeriodMs) = 0;
  virtual void StopTimer(UINT_PTR nId) = 0;
  // Lets the blocked window repaint (no input is dispatched).
  virtual void KeepPainted() = 0;
  virtual int MessageBox(const CString& strText, const CString& strCaption, UINT nType) = 0;

 protected:
  ~IDialView() = default;
};

// A command's steps before each dial of its line; a 756 refusal runs them again.
class IDialAttempt {
 public:
  // False ends the command without a dial.
  virtual bool PrepareDial(CDialRequest& request) = 0;
  // The attempt after a 756 refusal.
  virtual bool PrepareRedial(CDialRequest& request) { return PrepareDial(request); }

 protected:
  ~IDialAttempt() = default;
};

enum class DialOutcome { Stopped, Connected, Failed };

class CDialSession {
 public:
  // The log is shared with the notifier thread, which may outlive the session.
  CDialSession(const CDialLine& line, CDialEngine& engine, plat::IFiles& files, std::shared_ptr<ILog> log,
               ILineLook& look);

  const CDialLine& Line() const { return m_line; }
  const CString& EntryName() const { return m_strEntryName; }
  HRASCONN Handle() const { return m_hConn; }
  void SetHandle(HRASCONN hConn) { m_hConn = hConn; }
  CString StatusText() const { return m_status->Text(); }
  ILog& Log() { return *m_log; }
  // Up, or hanging up and not yet released.
  bool IsUp() const { return ShowsUp(m_state); }
  // Draws the look of the state as it is, changed or not.
  void ShowLook() { m_look.ShowLineUp(IsUp()); }
  // The window's side of the line is reset: idle, no handle, the idle look.
  // The service may still hold the line: a relay drop resets the main side
  // so, with the main line up.
  void MarkDown();

  // Takes over a line left up by an earlier run, which counts up; true when
  // there is one.
  bool AdoptRunningLine();
  // The command's attempts until one is not refused with 756; a failed dial
  // has been reported and hung up when this returns.
  DialOutcome Run(IDialAttempt& attempt, IDialView& view);

  // Credentials the system's code page cannot hold would be saved and
  // dialled mangled: the user is told, and nothing is saved or dialled.
  bool AcceptsCredentials(const CLoginFields& login, IDialView& view);
  // The phonebook file, created empty first where the command needs it.
  bool CreatePhonebookFile(IDialView& view);
  bool WritePhonebookEntry(PhonebookTemplate tmpl, bool bPreferLocalRoutes, IDialView& view);
  void RemovePhonebookFile();
  // Leaves no phonebook file behind, whether a dial wrote one or not.
  void DiscardPhonebookFile();

  DWORD DialEntry(const CDialRequest& request);
  // Hangs up the line by its entry name; the handle is cleared and the line
  // is idle when accepted. A hang-up the service refuses (no such line)
  // leaves the line counted up: the window keeps its connected look. The
  // window stays painted while the release is waited for.
  BOOL HangUp(IDialView& view);
  void HangUpWithoutWaiting();
  // The address the service gave this computer on the line, or "".
  CString TunnelAddress();

 private:
  static bool ShowsUp(LineState state) { return state == LineState::Up || state == LineState::HangingUp; }
  // The look is drawn when the line turns up or down.
  void Enter(LineState state);
  DialOutcome DialUntilNotRefused(IDialAttempt& attempt, IDialView& view);
  bool AwaitOutcome(DWORD result, IDialView& view);
  void LogOutcome();
  void ReportFailedDial(IDialView& view);
  void RenameAfterRefusal();
  bool ReportPhonebookFailure(IDialView& view);

  const CDialLine& m_line;
  CDialEngine& m_engine;
  plat::IFiles& m_files;
  std::shared_ptr<ILog> m_log;
  ILineLook& m_look;
  LineState m_state = LineState::Idle;
  CString m_strEntryName;
  PhonebookTemplate m_writtenTmpl;  // the template of the phonebook entry written last
  HRASCONN m_hConn = nullptr;
  // Shared with the notifier thread, which may outlive a dial.
  std::shared_ptr<CDialStatus> m_status;
};
