// The remote-access service of the simulated machine: active connections,
// scripted dials, refusals, drops and slow releases, and a record of every
// dial. Guarded by the machine lock.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/RemoteAccess.h"
#include "platform/WinTypes.h"
#include "sim/Scheduler.h"

namespace sim {

constexpr DWORD kRasAuthenticate = 5;
constexpr DWORD kRasErrorCannotOpenPhonebook = 621;
constexpr DWORD kRasErrorCannotFindEntry = 623;
constexpr DWORD kRasErrorAuthFailure = 691;
// The line went away before the dial completed.
constexpr DWORD kRasErrorPortDisconnected = 628;

struct RasLine {
  HRASCONN handle = nullptr;
  std::string entryName;
  DWORD state = plat::kRasConnected;
  std::string ipAddress;
  bool releasing = false;  // hung up, not yet torn down
};

// One progress notification, at a time after the dial request.
struct RasDialStep {
  DWORD atMs = 0;
  DWORD state = 0;
};

// What the next dials do: progress, then connected (error 0) or an error.
struct RasDialScript {
  std::vector<RasDialStep> steps;
  DWORD outcomeAtMs = 0;
  DWORD error = 0;
  std::string ipAddress = "10.8.0.2";
};

// The dial plan handed to the notifier thread.
struct RasDialPlan {
  HRASCONN handle = nullptr;
  std::vector<RasDialStep> steps;
  DWORD outcomeAtMs = 0;
  DWORD outcomeState = plat::kRasConnected;
  DWORD error = 0;
  std::string ipAddress;
};

// A hang-up the service accepted.
struct RasHangUpRecord {
  VirtualTime at = 0;
  std::uint64_t order = 0;  // the scheduler's order of the call
  HRASCONN handle = nullptr;
  std::string entryName;
  DWORD releaseDelayMs = 0;
  std::vector<HRASCONN> sameName;  // the other lines of that entry name then
};

struct RasDialRecord {
  VirtualTime at = 0;
  std::uint64_t order = 0;  // the scheduler's order of the call
  std::string phonebookPath;
  std::optional<std::string> phonebookBytes;  // as on disk (ANSI, CR LF)
  std::string phonebookText;                  // UTF-8, line feeds only
  std::string entryName;
  std::string phoneNumber;
  std::string userName;
  std::string password;
  std::string domain;
  DWORD result = 0;
  HRASCONN handle = nullptr;  // the line a dial under way opened
};

// Realistic progress of a PPTP dial that connects after 1.2 s.
RasDialScript DefaultDialScript();

class RasService {
 public:
  explicit RasService(Scheduler& scheduler) : m_scheduler(scheduler) {}

  // An active line, as if dialled earlier (by this or another program).
  HRASCONN AddConnection(const std::string& entryName, const std::string& ipAddress = "10.8.0.2");
  RasLine* Find(HRASCONN handle);
  RasLine* FindByName(const std::string& entryName);
  bool Remove(HRASCONN handle);
  const std::vector<RasLine>& Lines() const { return m_lines; }
  // Told when a line connects (with its tunnel address) and when it goes away.
  void SetLineObserver(std::function<void(const RasLine& line, bool connected)> observer) {
    m_observer = std::move(observer);
  }
  // A dialled line has connected with its address.
  void NoteConnected(RasLine& line, const std::string& ipAddress);

  // Behaviour of later dials.
  void SetDialScript(RasDialScript script) { m_script = std::move(script); }
  const RasDialScript& DialScript() const { return m_script; }
  // The next count dial requests are refused at once with code (-1: all).
  void RefuseDials(DWORD code, int count = 1);
  // Once an account is known, other credentials end with 691 after authentication starts.
  void AddAccount(const std::string& userName, const std::string& password);
  // Hang-ups tear the line down after this delay (0: at once).
  void SetReleaseDelay(DWORD ms) { m_releaseDelayMs = ms; }
  DWORD ReleaseDelay() const { return m_releaseDelayMs; }
  // The line of that entry name goes away at the given time.
  void DropAt(const std::string& entryName, VirtualTime at);
  // Whether the service dropped the line (a hang-up is no drop).
  bool WasDropped(HRASCONN handle) const { return m_dropped.contains(handle); }
  void SetErrorText(DWORD code, const std::string& text) { m_errorTexts[code] = text; }
  std::string ErrorText(DWORD code) const;

  // A dial request: records it and either refuses it (result set, no
  // plan) or opens a line and returns the plan for the notifier.
  std::optional<RasDialPlan> BeginDial(RasDialRecord record, HRASCONN* handle);
  DWORD HangUp(HRASCONN handle);
  const std::vector<RasDialRecord>& Dials() const { return m_dials; }
  const std::vector<RasHangUpRecord>& HangUps() const { return m_hangUps; }

 private:
  Scheduler& m_scheduler;
  std::vector<RasLine> m_lines;
  std::uintptr_t m_nextHandle = 0x5000;
  RasDialScript m_script = DefaultDialScript();
  DWORD m_refusal = 0;
  int m_refusalsLeft = 0;
  std::map<std::string, std::string> m_accounts;
  DWORD m_releaseDelayMs = 0;
  std::map<DWORD, std::string> m_errorTexts;
  std::vector<RasDialRecord> m_dials;
  std::vector<RasHangUpRecord> m_hangUps;
  std::set<HRASCONN> m_dropped;
  std::function<void(const RasLine&, bool)> m_observer;
};

}  // namespace sim
