#include "sim/SimRemoteAccess.h"

#include "sim/Machine.h"

namespace sim {

namespace {

enum class StepResult { Reached, HungUp, Dropped };

// Runs one dial's notifications at their times, as the service's own
// thread does. A hang-up ends them silently; a line the service dropped
// before the outcome ends the dial as failed.
void RunNotifier(Machine& machine, RasDialPlan plan, plat::RasDialNotifier notifier) {
  VirtualTime start;
  {
    auto lock = machine.Lock();
    start = machine.Sched().Now();
  }
  auto waitUntil = [&](DWORD atMs, DWORD state, bool outcome) {
    auto lock = machine.Lock();
    RasService& ras = machine.Ras();
    bool gone = machine.Sched().Block(
        lock, [&] { return ras.Find(plan.handle) == nullptr; }, start + atMs);
    RasLine* line = ras.Find(plan.handle);
    if (gone || line == nullptr)
      return ras.WasDropped(plan.handle) ? StepResult::Dropped : StepResult::HungUp;
    if (line->releasing) return StepResult::HungUp;
    line->state = state;
    if (outcome && plan.error == 0) ras.NoteConnected(*line, plan.ipAddress);
    if (outcome && plan.error != 0) line->state = plat::kRasDisconnected;
    machine.Sched().Notify();
    return StepResult::Reached;
  };
  auto ended = [&](StepResult result) {
    if (result == StepResult::Dropped) notifier(0, plat::kRasDisconnected, kRasErrorPortDisconnected);
    return result != StepResult::Reached;
  };
  for (const RasDialStep& step : plan.steps) {
    if (ended(waitUntil(step.atMs, step.state, false))) return;
    notifier(0, step.state, 0);
  }
  if (ended(waitUntil(plan.outcomeAtMs, plan.error == 0 ? plat::kRasConnected : plan.outcomeState, true)))
    return;
  notifier(0, plan.error == 0 ? plat::kRasConnected : plan.outcomeState, plan.error);
}

// A text field as the service receives it: in the machine's code page, cut
// to the record's field (width bytes and a NUL) at a whole character.
std::string RecordField(const FileSystem& disk, std::string_view utf8, size_t width) {
  std::string ansi;
  for (size_t at = 0; at < utf8.size();) {
    size_t length = 1;
    while (at + length < utf8.size() && (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80)
      ++length;
    std::string piece = disk.ToAnsi(utf8.substr(at, length));
    if (ansi.size() + piece.size() > width) break;
    ansi += piece;
    at += length;
  }
  return disk.FromAnsi(ansi);
}

bool IsAbsolute(std::string_view path) {
  return path.size() >= 2 && path[1] == ':';
}

}  // namespace

DWORD SimRemoteAccess::Dial(std::string_view phonebookPath, const plat::RasDialParams& params,
                            plat::RasDialNotifier notifier, HRASCONN* handle) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  RasDialRecord record;
  record.phonebookPath = std::string(phonebookPath);
  std::string path = IsAbsolute(phonebookPath) ? record.phonebookPath
                                               : FileSystem::Join(m_process.currentDirectory, phonebookPath);
  record.phonebookBytes = disk.ReadBytes(path);
  if (record.phonebookBytes) {
    std::string text = disk.FromAnsi(*record.phonebookBytes);
    std::erase(text, '\r');
    record.phonebookText = std::move(text);
  }
  record.entryName = RecordField(disk, params.entryName, plat::kRasMaxEntryName);
  record.phoneNumber = RecordField(disk, params.phoneNumber, plat::kRasMaxPhoneNumber);
  record.userName = RecordField(disk, params.userName, plat::kRasMaxUserName);
  record.password = RecordField(disk, params.password, plat::kRasMaxPassword);
  record.domain = RecordField(disk, params.domain, plat::kRasMaxDomain);
  std::optional<RasDialPlan> plan = m_machine.Ras().BeginDial(std::move(record), handle);
  if (!plan) return m_machine.Ras().Dials().back().result;
  void* thread = m_machine.StartThread(
      m_process.pid, &m_process.ports,
      [&machine = m_machine, plan = std::move(*plan), notifier] { RunNotifier(machine, plan, notifier); },
      "ras-notifier");
  m_machine.CloseHandle(thread);
  return 0;
}

DWORD SimRemoteAccess::GetErrorString(DWORD code, std::string& text) {
  auto lock = m_machine.Lock();
  text = m_machine.Ras().ErrorText(code);
  return 0;
}

DWORD SimRemoteAccess::GetIpAddress(HRASCONN conn, std::string& address) {
  auto lock = m_machine.Lock();
  RasLine* line = m_machine.Ras().Find(conn);
  if (line == nullptr) return plat::kRasErrorInvalidHandle;
  if (line->state != plat::kRasConnected) return 731;  // ERROR_PROTOCOL_NOT_CONFIGURED
  address = line->ipAddress;
  return 0;
}

DWORD SimRemoteAccess::GetConnectStatus(HRASCONN conn, DWORD& state) {
  auto lock = m_machine.Lock();
  RasLine* line = m_machine.Ras().Find(conn);
  if (line == nullptr) return plat::kRasErrorInvalidHandle;
  state = line->state;
  return 0;
}

DWORD SimRemoteAccess::EnumConnections(std::vector<plat::RasConnection>& connections) {
  auto lock = m_machine.Lock();
  connections.clear();
  for (const RasLine& line : m_machine.Ras().Lines()) connections.push_back({line.handle, line.entryName});
  return 0;
}

DWORD SimRemoteAccess::HangUp(HRASCONN conn) {
  auto lock = m_machine.Lock();
  return m_machine.Ras().HangUp(conn);
}

}  // namespace sim
