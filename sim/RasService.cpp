#include "sim/RasService.h"

#include <algorithm>

namespace sim {

namespace {

const std::map<DWORD, std::string>& StandardErrorTexts() {
  static const std::map<DWORD, std::string> texts = {
      {6, "The handle is invalid."},
      {621, "The system could not open the phone book file."},
      {623, "The system could not find the phone book entry for this connection."},
      {678, "The remote computer did not respond."},
      {628, "The connection was terminated by the remote computer before it could be completed."},
      {638, "The request has timed out."},
      {691, "Access was denied because the username and/or password was invalid on the domain."},
      {756, "This connection is already being dialed."},
      {800, "Unable to establish the VPN connection. The VPN server may be unreachable."},
  };
  return texts;
}

}  // namespace

RasDialScript DefaultDialScript() {
  RasDialScript script;
  script.steps = {{10, 0}, {50, 1}, {100, 2}, {400, 3}, {450, 4}, {500, 5}, {900, 14}, {1000, 18}};
  script.outcomeAtMs = 1200;
  return script;
}

HRASCONN RasService::AddConnection(const std::string& entryName, const std::string& ipAddress) {
  RasLine line;
  line.handle = reinterpret_cast<HRASCONN>(m_nextHandle += 0x10);
  line.entryName = entryName;
  line.ipAddress = ipAddress;
  m_lines.push_back(line);
  if (m_observer) m_observer(line, true);
  return line.handle;
}

void RasService::NoteConnected(RasLine& line, const std::string& ipAddress) {
  line.state = plat::kRasConnected;
  line.ipAddress = ipAddress;
  if (m_observer) m_observer(line, true);
}

RasLine* RasService::Find(HRASCONN handle) {
  for (RasLine& line : m_lines)
    if (line.handle == handle) return &line;
  return nullptr;
}

RasLine* RasService::FindByName(const std::string& entryName) {
  for (RasLine& line : m_lines)
    if (line.entryName == entryName) return &line;
  return nullptr;
}

bool RasService::Remove(HRASCONN handle) {
  if (m_observer)
    if (const RasLine* line = Find(handle)) m_observer(*line, false);
  bool removed = std::erase_if(m_lines, [handle](const RasLine& l) { return l.handle == handle; }) > 0;
  m_scheduler.Notify();
  return removed;
}

void RasService::RefuseDials(DWORD code, int count) {
  m_refusal = code;
  m_refusalsLeft = count;
}

void RasService::AddAccount(const std::string& userName, const std::string& password) {
  m_accounts[userName] = password;
}

void RasService::DropAt(const std::string& entryName, VirtualTime at) {
  m_scheduler.ScheduleAt(at, [this, entryName] {
    if (RasLine* line = FindByName(entryName)) {
      m_dropped.insert(line->handle);
      Remove(line->handle);
    }
  });
}

std::string RasService::ErrorText(DWORD code) const {
  if (auto it = m_errorTexts.find(code); it != m_errorTexts.end()) return it->second;
  if (auto it = StandardErrorTexts().find(code); it != StandardErrorTexts().end()) return it->second;
  return "Remote access error " + std::to_string(code) + ".";
}

std::optional<RasDialPlan> RasService::BeginDial(RasDialRecord record, HRASCONN* handle) {
  record.at = m_scheduler.Now();
  record.order = m_scheduler.NextOrder();
  auto refuse = [&](DWORD code) -> std::optional<RasDialPlan> {
    record.result = code;
    m_dials.push_back(std::move(record));
    return std::nullopt;
  };
  if (m_refusalsLeft != 0) {
    if (m_refusalsLeft > 0) --m_refusalsLeft;
    return refuse(m_refusal);
  }
  if (!record.phonebookBytes) return refuse(kRasErrorCannotOpenPhonebook);
  if (record.phonebookText.find("[" + record.entryName + "]") == std::string::npos)
    return refuse(kRasErrorCannotFindEntry);

  RasDialPlan plan;
  plan.steps = m_script.steps;
  plan.outcomeAtMs = m_script.outcomeAtMs;
  plan.error = m_script.error;
  plan.ipAddress = m_script.ipAddress;
  if (!m_accounts.empty()) {
    auto account = m_accounts.find(record.userName);
    if (account == m_accounts.end() || account->second != record.password) {
      // Wrong credentials: the service gives up once authentication has started.
      std::erase_if(plan.steps, [](const RasDialStep& step) { return step.state > kRasAuthenticate; });
      plan.error = kRasErrorAuthFailure;
    }
  }
  if (plan.error != 0) plan.outcomeState = plan.steps.empty() ? 0 : plan.steps.back().state;

  RasLine line;
  line.handle = reinterpret_cast<HRASCONN>(m_nextHandle += 0x10);
  line.entryName = record.entryName;
  line.state = 0;
  m_lines.push_back(line);
  plan.handle = line.handle;
  if (handle) *handle = line.handle;
  record.result = 0;
  record.handle = line.handle;
  m_dials.push_back(std::move(record));
  return plan;
}

DWORD RasService::HangUp(HRASCONN handle) {
  RasLine* line = Find(handle);
  if (line == nullptr) return 6;  // ERROR_INVALID_HANDLE
  if (line->releasing) return 0;
  RasHangUpRecord record{m_scheduler.Now(), m_scheduler.NextOrder(), handle,
                         line->entryName,   m_releaseDelayMs,        {}};
  for (const RasLine& other : m_lines)
    if (other.handle != handle && other.entryName == line->entryName) record.sameName.push_back(other.handle);
  m_hangUps.push_back(std::move(record));
  if (m_releaseDelayMs == 0) {
    Remove(handle);
    return 0;
  }
  line->releasing = true;
  line->state = plat::kRasDisconnected;
  m_scheduler.ScheduleAt(m_scheduler.Now() + m_releaseDelayMs, [this, handle] { Remove(handle); });
  return 0;
}

}  // namespace sim
