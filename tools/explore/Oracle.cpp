#include "tools/explore/Oracle.h"

#include <algorithm>

#include "platform/WinConstants.h"

namespace explore {

namespace {

using sim::VirtualTime;

constexpr VirtualTime kSampleMs = 100;
// One monitor period (3 s) of the window thread waiting for its messages,
// and a sample's worth of slack.
constexpr VirtualTime kMonitorBoundMs = 3000 + 2 * kSampleMs;
// A closed speed-test window's worker ends within the prober's stop check
// (100 ms), give or take a sample.
constexpr VirtualTime kWorkerEndBoundMs = 100 + 2 * kSampleMs;
// A line hung up is gone once the service's release delay has passed.
constexpr VirtualTime kReleaseSlackMs = 2 * kSampleMs;

constexpr const char* kMainTitle = "Velk VPN";
constexpr const char* kSpeedTestTitle = "测速:(部分PC测试不准确或无法使用)";
constexpr const char* kDisconnect = "Disconnect";
constexpr const char* kRelayUp = "断开";
constexpr const char* kCloseQuestion = "접속을 해제하고 프로그램을 종료합니다";
constexpr const char* kDisconnectQuestion = "접속을 해제하시겠습니까?";
constexpr const char* kTrayExitQuestion = "접속을 해제하고 프로그램을 종료하시겠습니까?";
constexpr const char* kRelayDropText = "접속이 끊겼습니다!";
constexpr const char* kDialSucceeded = "연결성공";
constexpr const char* kMainPhonebook = "C:\\0001.tmp";
constexpr const char* kRelayPhonebook = "C:\\0002.tmp";
constexpr const char* kConfig = "C:\\Windows\\system32\\Config.dat";
constexpr const char* kConfigTemp = "C:\\Windows\\system32\\Config.dat.tmp";
constexpr const char* kServerIni = "C:\\Windows\\system32\\Server.ini";
constexpr UINT_PTR kMainMonitor = 1;
constexpr UINT_PTR kRelayMonitor = 12;

std::string Ms(VirtualTime ms) {
  return std::to_string(ms) + " ms";
}

std::string Q(const std::string& text) {
  return "\"" + text + "\"";
}

// The four lines a save writes: user, pass, mode (digits), l2tp0 or l2tp1.
bool IsCompleteSave(const std::string& bytes) {
  static const char* const kKeys[] = {"user", "pass", "mode", "l2tp"};
  size_t at = 0;
  for (const char* key : kKeys) {
    size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos || bytes.compare(at, 4, key) != 0) return false;
    std::string value = bytes.substr(at + 4, end - at - 4);
    if (value.find_first_of("\r\n") != std::string::npos) return false;
    if (std::string(key) == "mode" &&
        (value.empty() || value.find_first_not_of("-0123456789") != std::string::npos))
      return false;
    if (std::string(key) == "l2tp" && value != "0" && value != "1") return false;
    at = end + 2;
  }
  return at == bytes.size();
}

std::string Presence(const std::optional<std::string>& bytes) {
  return bytes ? std::to_string(bytes->size()) + " bytes" : std::string("absent");
}

}  // namespace

const std::vector<InvariantInfo>& Invariants() {
  static const std::vector<InvariantInfo> kInvariants = {
      {"settles",
       "every command ends with the machine settled: no thread keeps running in real time and no wait runs "
       "the "
       "clock on without end"},
      {"responding", "no window thread goes 5 s of virtual time without retrieving a message"},
      {"connect-caption",
       "once the window thread has waited for its messages for one monitor period, the Connect button reads "
       "\"Disconnect\" exactly when the service holds an up line of the main entry name the program uses; "
       "except after a Disconnect press that found no line (the window keeps its connected look and stops "
       "its "
       "monitor) and after a relay drop (which resets the main side with the main line up)"},
      {"relay-caption",
       "likewise the relay button reads \"断开\" exactly when the relay line is up; except after a relay "
       "Disconnect press that found no line, for a relay line adopted at start, which is not watched, and "
       "while the relay's success box is open (its monitor starts once the box is answered)"},
      {"phonebook-files",
       "C:\\0001.tmp and C:\\0002.tmp exist only while a command of their line runs: never while the window "
       "thread waits in its own loop, nor once the program has ended; except files the machine refuses to "
       "delete, those a process ended from outside left behind, and the empty C:\\0001.tmp the Connect "
       "command creates before the L2TP step when the step ends the command (the restart accepted, or a "
       "failure of its own)"},
      {"server-ini", "Server.ini is never written"},
      {"config-file",
       "Config.dat is at every instant absent, its old content, empty (as the start creates it when there is "
       "none) or a complete save, and once the program has "
       "started it is for Administrators and SYSTEM only (unless the machine refuses access to it); no "
       "Config.dat.tmp outlasts a save"},
      {"hang-up", "a line the program hung up, and every other line of its name, is gone once released"},
      {"close-paths",
       "a close or tray exit that hangs up leaves no line of the main entry up; the close answered \"No\" to "
       "the disconnect question hangs nothing up, and the tray exit answered \"No\" does not end the "
       "program; "
       "no line is dialled once the user has chosen to leave, and no dial under way is left behind by the "
       "program's end"},
      {"tray-icon",
       "the icon is there while the program runs with its window hidden, and gone once it has ended"},
      {"exit-code", "the close path ends with 1, the tray exit and Escape with 0"},
      {"one-probe", "at most one probe runs on the machine"},
      {"worker-ends", "a closed speed-test window's worker has ended within 100 ms"},
  };
  return kInvariants;
}

Oracle::Oracle(sim::Machine& machine, sim::Driver& driver) : m_machine(machine), m_driver(driver) {}

Oracle::~Oracle() {
  *m_alive = false;
}

void Oracle::Begin() {
  auto lock = m_machine.Lock();
  m_serverIni = m_machine.Disk().ReadBytes(kServerIni);
  m_config = m_machine.Disk().ReadBytes(kConfig);
  m_settleFailures = m_machine.Sched().SettleFailures();
  m_lastSample = m_machine.Sched().Now();
  ScheduleSample();
}

void Oracle::ScheduleSample() {
  m_machine.Sched().ScheduleAt(m_machine.Sched().Now() + kSampleMs, [this, alive = m_alive] {
    if (!*alive) return;
    Evaluate();
    ScheduleSample();
  });
}

void Oracle::CheckStep() {
  auto lock = m_machine.Lock();
  Evaluate();
}

bool Oracle::Check(bool holds) {
  ++m_checks;
  return holds;
}

void Oracle::Fail(const char* invariant, const std::string& detail) {
  if (!m_found) m_found = Violation{invariant, detail, m_machine.Sched().Now()};
}

Oracle::Watch& Oracle::WatchOf(int pid) {
  auto [it, fresh] = m_watches.try_emplace(pid);
  if (fresh) {
    it->second.pid = pid;
    it->second.started = m_machine.Sched().Now();
    it->second.firstDial = m_machine.Ras().Dials().size();
    it->second.hangUpsSeen = m_machine.Ras().HangUps().size();
  }
  return it->second;
}

void Oracle::Evaluate() {
  if (m_driver.Pid() != 0) WatchOf(m_driver.Pid());
  CheckMachine();
  CheckFiles();
  CheckHangUps();
  for (auto& [pid, watch] : m_watches) CheckProcess(watch);
  CheckLeftFiles();
  m_lastSample = m_machine.Sched().Now();
}

void Oracle::CheckMachine() {
  int failures = m_machine.Sched().SettleFailures();
  if (!Check(failures == m_settleFailures))
    Fail("settles", "a wait gave up with the machine unsettled (see the thread report above)");
  m_settleFailures = failures;
  int sockets = m_machine.Icmp().OpenSockets();
  if (!Check(sockets <= 1)) Fail("one-probe", std::to_string(sockets) + " probing sockets are open at once");
}

void Oracle::CheckFiles() {
  sim::FileSystem& disk = m_machine.Disk();
  if (disk.Generation() != m_generation) {
    m_generation = disk.Generation();
    if (!Check(disk.ReadBytes(kServerIni) == m_serverIni)) Fail("server-ini", "Server.ini has been written");
    std::optional<std::string> config = disk.ReadBytes(kConfig);
    if (!Check(!config || config == m_config || config->empty() || IsCompleteSave(*config)))
      Fail("config-file",
           "Config.dat holds " + Presence(config) + " that are neither its old content nor a save");
    m_config = config;
    m_configTemp = disk.ReadBytes(kConfigTemp).has_value();
    for (const char* path : {kMainPhonebook, kRelayPhonebook}) m_phonebooks[path] = disk.ReadBytes(path);
  }
}

// Once no process runs, no phonebook file is left (its process's end is seen first).
void Oracle::CheckLeftFiles() {
  bool anyRunning = false;
  for (auto& [pid, watch] : m_watches) anyRunning = anyRunning || m_machine.IsRunning(pid);
  if (anyRunning) return;
  for (const char* path : {kMainPhonebook, kRelayPhonebook})
    if (!Check(!m_phonebooks[path] || Exempt(path)))
      Fail("phonebook-files", std::string(path) + " is left after the program ended");
}

bool Oracle::Exempt(const std::string& path) {
  auto host = m_machine.Disk().HostPath(path, "C:\\");
  if (host && m_machine.Disk().IsDenied(*host)) return true;
  // The Connect command creates its file empty before the L2TP step, which
  // may end the command there (the restart accepted, or a failure).
  if (path == kMainPhonebook && m_phonebooks[path] && m_phonebooks[path]->empty()) return true;
  auto orphan = m_orphans.find(path);
  return orphan != m_orphans.end() && m_phonebooks[path] == orphan->second;
}

void Oracle::CheckHangUps() {
  const auto& hangUps = m_machine.Ras().HangUps();
  VirtualTime now = m_machine.Sched().Now();
  for (; m_hangUpsChecked < hangUps.size(); ++m_hangUpsChecked) {
    const sim::RasHangUpRecord& record = hangUps[m_hangUpsChecked];
    m_pendingHangUps.push_back({record.at + record.releaseDelayMs + kReleaseSlackMs, record});
  }
  std::erase_if(m_pendingHangUps, [&](const PendingHangUp& pending) {
    if (pending.due > now) return false;
    std::vector<HRASCONN> lines = pending.record.sameName;
    lines.push_back(pending.record.handle);
    for (HRASCONN handle : lines) {
      const sim::RasLine* line = m_machine.Ras().Find(handle);
      if (!Check(line == nullptr || line->state != plat::kRasConnected))
        Fail("hang-up", "the line " + Q(pending.record.entryName) + " hung up at " + Ms(pending.record.at) +
                            " leaves a line of that name up");
    }
    return true;
  });
}

void Oracle::CheckProcess(Watch& watch) {
  sim::Process* process = m_machine.FindProcess(watch.pid);
  if (process == nullptr) return;
  VirtualTime now = m_machine.Sched().Now();
  VirtualTime longest = m_machine.Screen().Responses().Longest(watch.pid, now);
  if (!Check(longest < sim::kNotRespondingMs))
    Fail("responding", "the window thread went " + Ms(longest) + " without retrieving a message");
  if (process->exitCode)
    CheckEnded(watch, *process);
  else
    CheckRunning(watch, *process);
}

sim::SimWnd* Oracle::MainWindow(int pid) {
  sim::SimWnd* main = nullptr;
  for (sim::SimWnd* window : m_machine.Screen().TopLevelWindows())
    if (window->pid == pid && window->text == kMainTitle && (!main || window->hwnd < main->hwnd))
      main = window;
  return main;
}

// The window thread waits in its own loop: no command of the program runs.
bool Oracle::Idle(int pid) {
  sim::Desktop& screen = m_machine.Screen();
  if (!screen.Responses().Waiting(pid)) return false;
  for (sim::SimMessageBox* box : screen.OpenMessageBoxes())
    if (box->pid == pid) return false;
  if (screen.OpenMenu() && screen.OpenMenu()->pid == pid) return false;
  int windows = 0;
  for (sim::SimWnd* window : screen.TopLevelWindows()) windows += window->pid == pid ? 1 : 0;
  return windows == 1;
}

void Oracle::CheckRunning(Watch& watch, sim::Process&) {
  sim::SimWnd* main = MainWindow(watch.pid);
  if (main == nullptr) return;
  bool icon = false;
  for (const sim::SimTrayIcon& tray : m_machine.Screen().TrayIcons()) icon = icon || tray.pid == watch.pid;
  if (!Check(main->visible || icon)) Fail("tray-icon", "the window is hidden and the program has no icon");
  CheckCaptions(watch, *main);
  CheckProbes(watch);
  sim::FileSystem& disk = m_machine.Disk();
  auto configHost = disk.HostPath(kConfig, "C:\\");
  bool shut = configHost && disk.IsDenied(*configHost);
  if (!Check(!m_config || shut || disk.IsAdministratorsOnly(*configHost)))
    Fail("config-file", "Config.dat can be read by others than Administrators and SYSTEM");
  if (!Idle(watch.pid)) return;
  if (!Check(!m_configTemp)) Fail("config-file", "Config.dat.tmp is left beside Config.dat");
  for (const char* path : {kMainPhonebook, kRelayPhonebook})
    if (!Check(!m_phonebooks[path] || Exempt(path)))
      Fail("phonebook-files", std::string(path) + " exists while no command runs");
}

std::string Oracle::EntryInUse(const Watch& watch, const char* phonebook, const char* base) const {
  const auto& dials = m_machine.Ras().Dials();
  for (size_t i = dials.size(); i > watch.firstDial; --i)
    if (dials[i - 1].phonebookPath == phonebook) return dials[i - 1].entryName;
  return base;
}

bool Oracle::LineUp(const std::string& name) const {
  for (const sim::RasLine& line : m_machine.Ras().Lines())
    if (line.entryName == name && line.state == plat::kRasConnected && !line.releasing) return true;
  return false;
}

void Oracle::Judge(Watch& watch, Disagreement& disagreement, bool agrees, bool excused, const char* invariant,
                   const std::string& what) {
  VirtualTime now = m_machine.Sched().Now();
  if (agrees || excused) {
    Check(true);
    disagreement = Disagreement{};
    return;
  }
  if (!disagreement.active)
    disagreement.active = true;
  else if (m_machine.Screen().Responses().Waiting(watch.pid))
    disagreement.pumped += now - m_lastSample;
  if (!Check(disagreement.pumped <= kMonitorBoundMs))
    Fail(invariant,
         what + " after the window thread waited " + Ms(disagreement.pumped) + " for its messages");
}

void Oracle::CheckCaptions(Watch& watch, sim::SimWnd& main) {
  sim::Desktop& screen = m_machine.Screen();
  sim::SimWnd* connect = screen.FindControl(main.hwnd, 1004);
  sim::SimWnd* relay = screen.FindControl(main.hwnd, 1023);
  sim::SimWnd* status = screen.FindControl(main.hwnd, 1010);
  if (!connect || !relay || !status) return;
  bool mainTimer = false, relayTimer = false;
  for (const sim::SimTimer& timer : screen.TimersOf(main.hwnd)) {
    mainTimer = mainTimer || timer.id == kMainMonitor;
    relayTimer = relayTimer || timer.id == kRelayMonitor;
  }
  std::string mainName = EntryInUse(watch, kMainPhonebook, "tarno");
  std::string relayName = EntryInUse(watch, kRelayPhonebook, "TarnoTransfer");
  bool mainHungUp = false, relayHungUp = false;
  const auto& hangUps = m_machine.Ras().HangUps();
  for (size_t i = watch.hangUpsSeen; i < hangUps.size(); ++i) {
    mainHungUp = mainHungUp || hangUps[i].entryName == mainName;
    relayHungUp = relayHungUp || hangUps[i].entryName == relayName;
  }
  watch.hangUpsSeen = hangUps.size();
  bool connected = connect->text == kDisconnect;
  bool relayOn = relay->text == kRelayUp;
  // A Disconnect press stops the monitor first; when it finds no line the
  // window keeps its look with the monitor stopped.
  if (watch.mainTimer && !mainTimer && connected && !mainHungUp) watch.mainRefused = true;
  if (!connected || mainTimer) watch.mainRefused = false;
  if (watch.relayTimer && !relayTimer && relayOn && !relayHungUp) watch.relayRefused = true;
  if (!relayOn || relayTimer) watch.relayRefused = false;
  watch.mainTimer = mainTimer;
  watch.relayTimer = relayTimer;
  bool mainUp = LineUp(mainName), relayUp = LineUp(relayName);
  if (status->text == kRelayDropText) watch.relayDropReset = true;
  if (connected || !mainUp) watch.relayDropReset = false;
  bool relayDialled = EntryInUse(watch, kRelayPhonebook, "") != "";
  // The relay command shows its success box before it starts the monitor.
  bool relayBox = false;
  for (sim::SimMessageBox* box : screen.OpenMessageBoxes())
    relayBox = relayBox || (box->pid == watch.pid && box->caption == kDialSucceeded);
  Judge(watch, watch.connect, connected == mainUp,
        (connected && !mainTimer && watch.mainRefused) || (!connected && mainUp && watch.relayDropReset),
        "connect-caption",
        "the Connect button reads " + Q(connect->text) + " while the line " + Q(mainName) +
            (mainUp ? " is up" : " is not up"));
  Judge(watch, watch.relay, relayOn == relayUp,
        relayOn && !relayTimer && (watch.relayRefused || !relayDialled || relayBox), "relay-caption",
        "the relay button reads " + Q(relay->text) + " while the line " + Q(relayName) +
            (relayUp ? " is up" : " is not up"));
}

void Oracle::CheckProbes(Watch& watch) {
  int speed = 0;
  for (sim::SimWnd* window : m_machine.Screen().TopLevelWindows())
    speed += window->pid == watch.pid && window->text == kSpeedTestTitle ? 1 : 0;
  int workers = 0;
  for (const std::string& name : m_machine.Sched().ThreadsOf(watch.pid)) workers += name == "worker" ? 1 : 0;
  VirtualTime now = m_machine.Sched().Now();
  if (speed > 0 && watch.speedWindows == 0) watch.workersBefore = workers;
  if (speed == 0 && watch.speedWindows > 0) watch.speedClosedAt = now;
  watch.speedWindows = speed;
  if (!watch.speedClosedAt || speed > 0) return;
  if (workers <= watch.workersBefore) {
    watch.speedClosedAt.reset();
    return;
  }
  if (!Check(now - *watch.speedClosedAt <= kWorkerEndBoundMs))
    Fail("worker-ends",
         "the speed-test window closed at " + Ms(*watch.speedClosedAt) + " and its worker still runs");
}

const sim::SimMessageBox* Oracle::LastAnswered(int pid, std::initializer_list<const char*> texts) const {
  const auto& boxes = m_machine.Screen().AnsweredBoxes();
  for (auto it = boxes.rbegin(); it != boxes.rend(); ++it)
    if (it->pid == pid)
      for (const char* text : texts)
        if (it->text == text) return &*it;
  return nullptr;
}

void Oracle::CheckEnded(Watch& watch, sim::Process& process) {
  if (watch.ended) {
    CheckEndedLines(watch);
    return;
  }
  watch.ended = true;
  VirtualTime now = m_machine.Sched().Now();
  if (process.endedFromOutside) {
    for (const char* path : {kMainPhonebook, kRelayPhonebook})
      if (m_phonebooks[path]) m_orphans[path] = *m_phonebooks[path];
    return;
  }
  bool icon = false;
  for (const sim::SimTrayIcon& tray : m_machine.Screen().TrayIcons()) icon = icon || tray.pid == watch.pid;
  if (!Check(!icon)) Fail("tray-icon", "the program has ended and its icon stays");
  const sim::SimMessageBox* close = LastAnswered(watch.pid, {kCloseQuestion});
  int expected = close && close->answer == IDYES ? 1 : 0;
  if (!Check(process.exitCode == expected))
    Fail("exit-code", "the program ended with " + std::to_string(*process.exitCode) + ", expected " +
                          std::to_string(expected) + (expected ? " (the close path)" : " (no close path)"));
  watch.mainName = EntryInUse(watch, kMainPhonebook, "tarno");
  watch.dialsAtEnd = m_machine.Ras().Dials().size();
  const sim::SimMessageBox* question = LastAnswered(watch.pid, {kDisconnectQuestion, kTrayExitQuestion});
  if (question && question->answer == IDNO && question->text == std::string(kDisconnectQuestion)) {
    for (const sim::RasHangUpRecord& hangUp : m_machine.Ras().HangUps())
      if (!Check(hangUp.order < question->answeredOrder || hangUp.entryName != watch.mainName))
        Fail("close-paths",
             "the close answered \"No\" to the disconnect question and hung " + Q(watch.mainName) + " up");
  }
  if (question && question->answer == IDNO && question->text == std::string(kTrayExitQuestion) &&
      !Check(question->answeredAt != now))
    Fail("close-paths", "the tray exit answered \"No\" ended the program");
  watch.linesEnded = question && question->answer == IDYES;
  // Once the user has chosen to leave, no new line is dialled.
  const sim::SimMessageBox* leave = LastAnswered(watch.pid, {kCloseQuestion, kTrayExitQuestion});
  const auto& dials = m_machine.Ras().Dials();
  if (leave && leave->answer == IDYES)
    for (size_t i = watch.firstDial; i < dials.size(); ++i)
      if (!Check(dials[i].order < leave->answeredOrder))
        Fail("close-paths", "the program dialled " + Q(dials[i].entryName) + " on its way out");
  watch.endCheckAt = now + m_machine.Ras().ReleaseDelay() + kReleaseSlackMs;
}

void Oracle::CheckEndedLines(Watch& watch) {
  if (!watch.endCheckAt || m_machine.Sched().Now() < *watch.endCheckAt) return;
  watch.endCheckAt.reset();
  const auto& dials = m_machine.Ras().Dials();
  auto dialledLater = [&](HRASCONN handle) {
    for (size_t i = watch.dialsAtEnd; i < dials.size(); ++i)
      if (dials[i].handle == handle) return true;
    return false;
  };
  for (const sim::RasLine& line : m_machine.Ras().Lines()) {
    if (dialledLater(line.handle)) continue;
    if (watch.linesEnded && !Check(line.entryName != watch.mainName || line.state != plat::kRasConnected))
      Fail("close-paths",
           "the program hung the line up on its way out and " + Q(line.entryName) + " is still up");
    bool ownDial = false;
    for (size_t i = watch.firstDial; i < watch.dialsAtEnd; ++i)
      ownDial = ownDial || dials[i].handle == line.handle;
    if (ownDial && !Check(line.state == plat::kRasConnected || line.releasing))
      Fail("close-paths",
           "a dial of " + Q(line.entryName) + " under way is left behind by the program's end");
  }
}

}  // namespace explore
